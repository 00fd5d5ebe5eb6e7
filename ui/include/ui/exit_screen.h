#pragma once

#include "ui/layouts/exit_screen_layout.h"
#include "ui/refer_a_friend.h"

#include <QWidget>

struct AppContext;
class QCloseEvent;

// The exit screen, the last window of a run: a promotional appeal, links to
// the maker's pages, the refer-a-friend form and the Exit button. Closing it
// in any way ends the program.
//
// The main window creates it and calls show() at once. It stays on top of
// all windows and destroys itself when it closes.
class ExitScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ExitScreen(AppContext &context, QWidget *parent = nullptr);

    const Ui::ExitScreen &ui() const { return m_ui; }
    // The values of the last submit and the request built from them.
    const Referral &referral() const { return m_referral; }

signals:
    // Closing the screen in any way asks for the program to end.
    void shutdownRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPromotionalMessage();
    // Checks the form and sends the referral.
    void submitReferral();
    // The visit button acts once, as a click, and springs back.
    void visitHomePage(bool ticked);

    AppContext &m_context;
    Ui::ExitScreen m_ui;
    Referral m_referral;
    bool m_closing = false;
};
