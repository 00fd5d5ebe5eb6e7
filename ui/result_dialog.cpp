#include "ui/result_dialog.h"

#include "ui/core_texts.h"
#include "ui/layouts/design.h"
#include "ui/layouts/result_dialog_looks.h"

#include <QLabel>
#include <QPushButton>

#include "ui_result_dialog.h"

ResultDialog::ResultDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ResultDialog>())
{
    m_ui->setupUi(this);
    Design::dressResultDialog(this, *m_ui);
    setModal(true);
    connect(m_ui->tryAgainButton, &QPushButton::clicked, this, &ResultDialog::accept);
}

ResultDialog::~ResultDialog() = default;

void ResultDialog::setMessage(Outcome outcome)
{
    const Rgb colour = messageColour(outcome);
    m_ui->messageLabel->setText(shownResultMessage(outcome));
    Design::setForeground(m_ui->messageLabel, QColor(colour.red, colour.green, colour.blue));
}
