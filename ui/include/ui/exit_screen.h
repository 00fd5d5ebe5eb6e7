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
class frmNagScreen2 : public QWidget
{
    Q_OBJECT

public:
    explicit frmNagScreen2(AppContext &context, QWidget *parent = nullptr);

    const Ui::frmNagScreen2 &ui() const { return m_ui; }
    // The values of the last submit and the request built from them.
    const modTellAFriend &tellAFriend() const { return m_tellAFriend; }

    // Handlers, named after their control and event.
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

signals:
    // Closing the screen in any way asks for the program to end.
    void shutdownRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();

    AppContext &m_context;
    Ui::frmNagScreen2 m_ui;
    modTellAFriend m_tellAFriend;
    bool m_unloading = false;
};
