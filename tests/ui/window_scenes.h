#pragma once

#include "fakes/tallies.h"
#include "find_control.h"
#include "history_test_support.h"
#include "shown_texts.h"

#include "ui/main_window.h"
#include "services/update_reminder.h"
#include "ui/storage_notice.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The program's windows and dialogs opened as the program opens them, from
// its main window, and the texts they show read while they are up.
namespace window_scenes {

// A window or dialog opened as the program opens it, from the main window.
enum class Scene { LevelsAndResults, LevelChoice, ScoreView, About, Statistics, StorageNotice, Exit, Messages };

// Watches for a visible window of the class; once one is open, notes the
// texts of every window open, under the prefix, and closes it. It watches
// from before the window is asked for: a dialog shown with exec() holds the
// caller until it has closed.
inline std::unique_ptr<QTimer> readWhenOpen(const char *className, QMap<QString, QString> &texts, const QString &prefix,
                                            bool &read)
{
    auto watch = std::make_unique<QTimer>();
    watch->setInterval(10);
    QTimer *timer = watch.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, className, &texts, prefix, &read] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || !window->inherits(className))
                continue;
            timer->stop();
            read = true;
            const QMap<QString, QString> shown = shown_texts::textsOfOpenWindows();
            for (auto it = shown.cbegin(); it != shown.cend(); ++it)
                texts.insert(prefix + it.key(), it.value());
            auto *dialog = qobject_cast<QDialog *>(window);
            if (window->inherits("ResultDialog")) // TRY AGAIN
                dialog->accept();
            else if (dialog && !window->inherits("StatisticsWindow"))
                dialog->reject();
            else
                window->close();
            return;
        }
    });
    timer->start();
    return watch;
}

// Runs the scene on a main window of a run with a history of a few guesses;
// the texts of every window it showed.
inline QMap<QString, QString> textsOfScene(Scene scene)
{
    HistoryRun run;
    run.openHistory();
    run.store(Level::Beginner, 3, 9);
    run.store(Level::Expert, 1, 4);
    run.test.setLevelChosen(true);
    for (Level level : AllLevels)
        recordTally(run.test, level, 12, 40);
    QPointer<MainWindow> main = new MainWindow(run.context);
    main->show();
    if (!QTest::qWaitForWindowActive(main))
        return {};
    const auto trigger = [&main](const char *name) { control<QAction>(main, name)->trigger(); };
    QMap<QString, QString> texts;
    bool opened = false;
    const auto open = [&](const char *className, const std::function<void()> &action, const QString &prefix = {}) {
        bool read = false;
        const std::unique_ptr<QTimer> watch = readWhenOpen(className, texts, prefix, read);
        action();
        opened = QTest::qWaitFor([&read] { return read; });
    };
    switch (scene) {
    case Scene::LevelsAndResults:
        // Each level's panel after a guess on its first symbol, the result
        // shown: right at Beginner and Expert, wrong at Intermediate.
        for (Level level : AllLevels) {
            const QString prefix = QString::number(levelIndex(level)) + QLatin1Char('/');
            run.random.push(ScriptedRandom::forSymbol(level == Level::Intermediate ? 2 : 1, symbolCount(level)));
            open("ResultDialog", [&] {
                main->showLevel(level);
                main->guess(level, 0);
            }, prefix);
            if (!opened)
                break;
            // Hidden, but carried for whoever reads the window out.
            texts.insert(prefix + QStringLiteral("outcome"), control<QLabel>(main, "outcomeLabel")->text());
        }
        break;
    case Scene::LevelChoice:
        open("LevelDialog", [&] { trigger("levelAction"); });
        break;
    case Scene::ScoreView:
        open("LevelDialog", [&] { trigger("scoreAction"); });
        break;
    case Scene::About:
        open("AboutBox", [&] { trigger("aboutAction"); });
        break;
    case Scene::Statistics:
        open("StatisticsWindow", [&] { trigger("statisticsAction"); });
        break;
    case Scene::StorageNotice:
        open("QMessageBox", [&] {
            new StorageNotice(*run.context.history, main);
            emit run.context.history->storageFailed(QStringLiteral("disk full"));
        });
        break;
    case Scene::Exit:
        // The exit screen's promotional message is drawn; the first one.
        run.random.push(0.0f);
        open("ExitScreen", [&] { main->close(); });
        break;
    case Scene::Messages: {
        // The messages the desktop seam shows: the update question of a
        // reminder long past, the exit screen's refusals of a space in an
        // address and of an address that is none.
        run.platform.settings.insert(QStringLiteral("Settings/Duration"), QStringLiteral("2020-01-02"));
        runUpdateReminder(run.platform);
        run.random.push(0.0f);
        main->close();
        QWidget *screen = nullptr;
        opened = QTest::qWaitFor([&screen] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window->inherits("ExitScreen"))
                    screen = window;
            }
            return screen != nullptr;
        });
        if (!opened)
            break;
        auto *address = control<QLineEdit>(screen, "yourEmailBox");
        QTest::keyClick(address, Qt::Key_Space);
        address->setText(QStringLiteral("not an address"));
        control<QPushButton>(screen, "referButton")->click();
        delete screen;
        for (qsizetype shown = 0; shown < run.platform.messages.size(); ++shown)
            texts.insert(QStringLiteral("message %1").arg(shown), run.platform.messages.at(shown).text);
        opened = run.platform.messages.size() == 3;
        break;
    }
    }
    delete main;
    if (!opened)
        return {};
    return texts;
}

} // namespace window_scenes
