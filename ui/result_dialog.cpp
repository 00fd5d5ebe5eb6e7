#include "ui/result_dialog.h"

#include "services/app_context.h"
#include "ui/core_texts.h"
#include "ui/layouts/design.h"
#include "ui/window_registry.h"

#include <QLabel>
#include <QPushButton>

ResultDialog::ResultDialog(AppContext &context, QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    setModal(true);
    context.windows.add(this);
    connect(m_ui.tryAgainButton, &QPushButton::clicked, this, &ResultDialog::accept);
}

void ResultDialog::setMessage(Outcome outcome)
{
    const Rgb colour = messageColour(outcome);
    m_ui.messageLabel->setText(shownResultMessage(outcome));
    Design::setForeground(m_ui.messageLabel, QColor(colour.red, colour.green, colour.blue));
}
