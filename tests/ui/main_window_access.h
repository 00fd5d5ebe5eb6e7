#pragma once

#include "find_control.h"
#include "window_test_support.h"

#include "ui/level_dialog.h"
#include "ui/level_panel.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// One run with the main window shown and active, its first level choice
// already made, driven as a keyboard or screen-reader user drives it.
struct MainWindowRun : TestRun
{
    QPointer<MainWindow> main;

    ~MainWindowRun() { delete main; }

    bool show()
    {
        test.setLevelChosen(true);
        main = new MainWindow(context);
        main->show();
        return QTest::qWaitForWindowActive(main);
    }

    // The offscreen platform hands the activation back after a dialog only
    // when asked.
    bool reactivate()
    {
        main->activateWindow();
        return QTest::qWaitForWindowActive(main);
    }

    // Chooses the level in the level dialog, as the user does.
    bool chooseLevel(Level level)
    {
        main->chooseLevel();
        LevelDialog *dialog = openLevelDialogOver(main);
        if (!dialog)
            return false;
        const char *options[] = {"beginnerOption", "intermediateOption", "expertOption"};
        control<QRadioButton>(dialog, options[levelIndex(level)])->setChecked(true);
        QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        return !dialog->isVisible() && reactivate();
    }

    // The level dialog open over the main window, once it has opened; none
    // within seconds fails the wait.
    LevelDialog *openLevelDialog() const { return openLevelDialogOver(main); }
    static LevelDialog *openLevelDialogOver(MainWindow *window)
    {
        LevelDialog *open = nullptr;
        static_cast<void>(QTest::qWaitFor([window, &open] {
            open = window ? window->existingLevelDialog() : nullptr;
            return open && open->isVisible();
        }, ModalGuard::deadlineMilliseconds));
        return open && open->isVisible() ? open : nullptr;
    }

    // The result dialog open over the main window, once it has opened; none
    // within seconds fails the wait.
    ResultDialog *openResult() const { return openResultOver(main); }
    static ResultDialog *openResultOver(QWidget *window)
    {
        ResultDialog *open = nullptr;
        static_cast<void>(QTest::qWaitFor([window, &open] {
            open = nullptr;
            for (ResultDialog *dialog : window ? window->findChildren<ResultDialog *>() : QList<ResultDialog *>()) {
                if (dialog->isVisible())
                    open = dialog;
            }
            return open != nullptr;
        }, ModalGuard::deadlineMilliseconds));
        return open;
    }

    // Answers the result dialog open over the main window with TRY AGAIN,
    // keeping its message; false when none opened.
    [[nodiscard]] bool answerResult(QString *message = nullptr) const
    {
        ResultDialog *dialog = openResult();
        if (!dialog)
            return false;
        if (message)
            *message = control<QLabel>(dialog, "messageLabel")->text();
        dialog->accept();
        return !dialog->isVisible();
    }
};

// The level's panel of the main window; a level not yet needed has no panel,
// and the test stops there.
inline LevelPanel *panelOf(const MainWindow *main, Level level)
{
    LevelPanel *panel = main->levelPanel(level);
    if (!panel)
        qFatal("The %s panel is not built", levelName(level));
    return panel;
}

// The choice picture at a 0-based position of the level's panel.
inline PictureButton *choiceOf(const MainWindow *main, Level level, int position)
{
    return panelOf(main, level)->choice(position);
}

inline PictureBox *resultOf(const MainWindow *main, Level level)
{
    return panelOf(main, level)->result();
}

inline QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

inline bool offersPress(QWidget *widget)
{
    QAccessibleActionInterface *actions = accessible(widget)->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// What a screen reader does to press a button. Qt presses it a moment
// later, down and up as a click; this waits until it is up again, whether
// the press was taken or refused.
[[nodiscard]] inline bool press(QAbstractButton *button)
{
    if (QAccessibleActionInterface *actions = accessible(button)->actionInterface())
        actions->doAction(QAccessibleActionInterface::pressAction());
    return QTest::qWaitFor([button] { return !button->isDown(); });
}
