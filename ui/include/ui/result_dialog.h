#pragma once

#include "symboltest/outcome.h"
#include "ui/layouts/result_dialog_layout.h"

#include <QDialog>

struct AppContext;

// The small dialog that tells whether a guess was right. Made fresh for every
// guess; "TRY AGAIN" is its only way out.
class ResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResultDialog(AppContext &context, QWidget *parent = nullptr);

    const Ui::ResultDialog &ui() const { return m_ui; }
    // Puts the outcome's message into messageLabel in the outcome's colour.
    void setMessage(Outcome outcome);

public slots:
    // Escape does not close the dialog: it has no cancel button.
    void reject() override {}

private:
    Ui::ResultDialog m_ui;
};
