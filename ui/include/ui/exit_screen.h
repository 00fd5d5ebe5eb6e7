#pragma once

#include "ui/refer_a_friend.h"

#include <QWidget>

#include <memory>

class Platform;
class QCloseEvent;
class RandomSource;
class WindowRegistry;

namespace Ui {
class ExitScreen;
}

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
    // Asks and opens pages through `platform`, draws its message from
    // `random`; adds itself to the open windows.
    ExitScreen(Platform &platform, RandomSource &random, WindowRegistry &windows, QWidget *parent = nullptr);
    ~ExitScreen() override;

    // The four promotional messages, n = 0 to 3; the screen shows one of
    // them, drawn when it opens.
    static QString promotionalMessage(int n);
    // The values of the last submit and the request built from them.
    const Referral &referral() const { return m_referral; }

    // A warning that comes before the screen: the screen, however it is
    // shown, comes up once the user has answered it.
    void showAfterMessage(const QString &text);
    void setVisible(bool visible) override;

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

    Platform &m_platform;
    RandomSource &m_random;
    std::unique_ptr<Ui::ExitScreen> m_ui;
    Referral m_referral;
    bool m_closing = false;
    bool m_waitingForMessage = false;
    bool m_shownOnceAnswered = false;
};
