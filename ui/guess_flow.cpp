#include "ui/guess_flow.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "symboltest/symbol_test.h"
#include "ui/history_recording.h"
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

    const std::int16_t symbol = context.test.drawSymbol(level, context.random);
    // A picture that did not load leaves the result picture as it was.
    const QPixmap drawn = ui.pictures.forLevel(level).picture(symbol);
    if (!drawn.isNull())
        ui.levelResult(level)->setPicture(drawn, symbolName(level, symbol));
    const Outcome outcome = context.test.judgeGuess(level, position);
    ui.outcomeLabel->setText(QString::fromUtf8(outcomeText(outcome)));
    context.test.recordGuess(level, outcome);
    recordInHistory(context, level, position, symbol, outcome);
    ui.waitPanel->setVisible(false);

    ResultDialog result(context);
    result.setMessage(outcome);
    result.exec();
}
