#include "ui/guess_flow.h"

#include "app/app_context.h"
#include "app/platform/platform.h"
#include "symboltest/symbol_test.h"
#include "ui/input_drain.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/symbol_names.h"
#include "ui/widgets/picture_box.h"

#include <QGuiApplication>
#include <QLabel>

namespace {

// From the draw on, a step that fails is skipped and the flow goes on.
template <typename Step>
void guarded(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void RunGuess(frmMain &main, Level level, std::int16_t position)
{
    AppContext &context = main.context();
    const Ui::frmMain &ui = main.ui();

    ui.lblScore->setText(QString());
    ui.picMessage->setVisible(true);
    ui.picMessage->raise();
    main.repaint();
    QGuiApplication::sync(); // the wait panel reaches the screen before the pause
    context.platform.sleep(GuessPauseMilliseconds);
    DropInputQueuedDuringPause();

    guarded([&] { context.test.DrawSymbol(level, context.random); });
    guarded([&] {
        const int symbol = context.test.LastDraw(level);
        const QPixmap drawn = ui.pictures.forLevel(level).ListImage(symbol);
        if (!drawn.isNull())
            ui.levelResult(level)->setPicture(drawn, SymbolName(level, symbol));
    });
    guarded([&] {
        const Outcome outcome = context.test.JudgeGuess(level, position);
        ui.lblScore->setText(QString::fromUtf8(OutcomeText(outcome)));
        context.test.RecordGuess(level, outcome);
    });
    guarded([&] { ui.picMessage->setVisible(false); });

    frmResult result(context);
    guarded([&] {
        const bool right = ui.lblScore->text() == QLatin1String(OutcomeText(Outcome::Right));
        result.setMessage(right ? Outcome::Right : Outcome::Wrong);
    });
    result.exec();
}
