#include "ui/guess_flow.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "symboltest/symbol_test.h"
#include "ui/core_texts.h"
#include "ui/history_recording.h"
#include "ui/input_blocker.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/symbol_names.h"
#include "ui/widgets/picture_box.h"

#include <QLabel>
#include <QPointer>

GuessFlow::GuessFlow(MainWindow &main)
    : QObject(&main)
    , m_main(main)
{
}

GuessFlow::~GuessFlow() = default;

void GuessFlow::start(Level level, std::int16_t position)
{
    if (m_running)
        return;
    m_running = true;
    m_level = level;
    m_position = position;

    const Ui::MainWindow &ui = m_main.builtUi();
    ui.outcomeLabel->setText(QString());
    ui.waitPanel->setVisible(true);
    ui.waitPanel->raise();
    m_inputBlocker = std::make_unique<InputBlocker>();
    // Last: a clock that has already run out calls judge() from here.
    m_main.context().platform.singleShot(guessPauseMilliseconds, this, [this] { judge(); });
}

void GuessFlow::judge()
{
    AppContext &context = m_main.context();
    const Ui::MainWindow &ui = m_main.builtUi();
    const Level level = m_level;

    const std::int16_t symbol = context.test.drawSymbol(level, context.random);
    // A picture that did not load leaves the result picture as it was.
    const QPixmap drawn = ui.pictures.forLevel(level).picture(symbol);
    if (!drawn.isNull())
        ui.levelResult(level)->setPicture(drawn, symbolName(level, symbol));
    const Outcome outcome = context.test.judgeGuess(level, m_position);
    ui.outcomeLabel->setText(shownOutcomeText(outcome));
    context.test.recordGuess(level, outcome);
    recordInHistory(context, level, m_position, symbol, outcome);
    ui.waitPanel->setVisible(false);

    // The result dialog is modal from here on and takes the input over.
    m_inputBlocker.reset();
    ResultDialog result(context);
    result.setMessage(outcome);
    const QPointer<GuessFlow> alive = this;
    result.exec();
    // The main window, and this flow with it, may have gone meanwhile.
    if (!alive)
        return;
    m_running = false;
    emit finished(level, m_position);
}
