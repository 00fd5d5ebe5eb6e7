#include "ui/result_dialog.h"

#include "services/app_context.h"
#include "services/window_registry.h"
#include "ui/layouts/design.h"

#include <QLabel>
#include <QPushButton>

frmResult::frmResult(AppContext &context, QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    setModal(true);
    context.windows.add(this);
    connect(m_ui.cmdTry, &QPushButton::clicked, this, &frmResult::cmdTry_Click);
}

void frmResult::setMessage(Outcome outcome)
{
    const Rgb colour = messageColour(outcome);
    m_ui.lblResult->setText(QString::fromUtf8(resultMessage(outcome)));
    Design::setForeground(m_ui.lblResult, QColor(colour.red, colour.green, colour.blue));
}

void frmResult::cmdTry_Click()
{
    done(QDialog::Accepted);
}
