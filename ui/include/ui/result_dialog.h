#pragma once

#include "symboltest/outcome.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ResultDialog;
}

// The small dialog that tells whether a guess was right. Made fresh for every
// guess; "TRY AGAIN" is its only way out.
class ResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResultDialog(QWidget *parent = nullptr);
    ~ResultDialog() override;

    // Puts the outcome's message into messageLabel in the outcome's colour.
    void setMessage(Outcome outcome);

public slots:
    // Escape does not close the dialog: it has no cancel button.
    void reject() override {}

private:
    std::unique_ptr<Ui::ResultDialog> m_ui;
};
