#include "ui/guess_flow.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "symboltest/symbol_test.h"
#include "ui/history_recording.h"
#include "ui/input_blocker.h"
#include "ui/result_dialog.h"

#include <QWidget>

GuessFlow::GuessFlow(AppContext &context, QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_window(window)
{
}

GuessFlow::~GuessFlow() = default;

ResultDialog *GuessFlow::resultDialog() const
{
    return m_result;
}

void GuessFlow::start(Level level, std::int16_t position)
{
    if (m_state != State::Idle)
        return;
    m_state = State::Waiting;
    m_level = level;
    m_position = position;
    emit started(level, position);
    m_inputBlocker = std::make_unique<InputBlocker>();
    // Last: a clock that has already run out calls judge() from here.
    m_context.platform.singleShot(guessPauseMilliseconds, this, [this] { judge(); });
}

void GuessFlow::judge()
{
    const std::int16_t drawn = m_context.test.drawSymbol(m_level, m_context.random);
    const Outcome outcome = m_context.test.judgeGuess(m_level, m_position);
    m_context.test.recordGuess(m_level, outcome);
    recordInHistory(m_context, m_level, m_position, drawn, outcome);
    emit judged(m_level, m_position, drawn, outcome);
    showResult(outcome);
}

void GuessFlow::showResult(Outcome outcome)
{
    m_state = State::ShowingResult;
    // The result dialog is modal from here on and takes the input over.
    m_inputBlocker.reset();
    auto *result = new ResultDialog(m_window);
    result->setMessage(outcome);
    // Made fresh for every guess, and gone once it has been answered.
    connect(result, &QDialog::finished, result, &QObject::deleteLater);
    connect(result, &QDialog::finished, this, &GuessFlow::end);
    m_result = result;
    // Modal to the whole program, as the pause was: no other window of it
    // takes input until TRY AGAIN.
    result->show();
}

void GuessFlow::end()
{
    m_state = State::Idle;
    emit finished(m_level, m_position);
}
