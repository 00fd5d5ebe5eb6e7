#include "ui/guess_flow.h"

#include "services/app_context.h"
#include "services/ignoring_failures.h"
#include "services/platform.h"
#include "symboltest/symbol_test.h"
#include "ui/input_drain.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/symbol_names.h"
#include "ui/widgets/picture_box.h"

#include <QGuiApplication>
#include <QLabel>

void runGuess(MainWindow &main, Level level, std::int16_t position)
{
    AppContext &context = main.context();
    const Ui::MainWindow &ui = main.ui();

    ui.outcomeLabel->setText(QString());
    ui.waitPanel->setVisible(true);
    ui.waitPanel->raise();
    main.repaint();
    QGuiApplication::sync(); // the wait panel reaches the screen before the pause
    context.platform.sleep(guessPauseMilliseconds);
    dropInputQueuedDuringPause();

    // From the draw on, a step that fails is skipped and the flow goes on.
    IgnoringFailures([&] { context.test.drawSymbol(level, context.random); });
    IgnoringFailures([&] {
        const int symbol = context.test.lastDraw(level);
        const QPixmap drawn = ui.pictures.forLevel(level).picture(symbol);
        if (!drawn.isNull())
            ui.levelResult(level)->setPicture(drawn, symbolName(level, symbol));
    });
    const Outcome outcome = context.test.judgeGuess(level, position);
    IgnoringFailures([&] { ui.outcomeLabel->setText(QString::fromUtf8(outcomeText(outcome))); });
    IgnoringFailures([&] { context.test.recordGuess(level, outcome); });
    IgnoringFailures([&] { ui.waitPanel->setVisible(false); });

    ResultDialog result(context);
    IgnoringFailures([&] {
        const bool right = ui.outcomeLabel->text() == QLatin1String(outcomeText(Outcome::Right));
        result.setMessage(right ? Outcome::Right : Outcome::Wrong);
    });
    result.exec();
}
