#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>

struct AppContext;
class InputBlocker;
class ResultDialog;
class QWidget;

// One guess, from the click on a choice picture to the closing of the result
// dialog: pause, draw, judging, tally, history, result dialog. The same flow
// for all three levels. It owns no window's widgets: it says what happened,
// and the window that holds the choices shows it.
//
// idle --start()--> waiting --pause over--> showing the result --closed--> idle
//
// The pause is a timer, so the event loop runs on: the wait panel and any
// uncovered window repaint and screen readers get their answers. What the
// user does meanwhile is dropped, and no second guess starts until the result
// dialog has closed.
class GuessFlow : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, Waiting, ShowingResult };

    // The result dialog opens over `window`, which also owns the flow.
    GuessFlow(AppContext &context, QWidget *window);
    ~GuessFlow() override;

    // Starts a guess at the 0-based position of a level's choices and returns
    // at once; the rest follows when the pause is over. Does nothing while a
    // guess is under way.
    void start(Level level, std::int16_t position);
    State state() const { return m_state; }
    // From the click until the result dialog has closed.
    bool isRunning() const { return m_state != State::Idle; }
    // The open result dialog, or none.
    ResultDialog *resultDialog() const;

signals:
    // The pause has begun: the wait panel goes up and the last outcome goes.
    void started(Level level, std::int16_t position);
    // The pause is over: `drawn` (1-based) was drawn, the guess judged,
    // counted and recorded. The result dialog opens next.
    void judged(Level level, std::int16_t position, std::int16_t drawn, Outcome outcome);
    // The result dialog of the guess at the 0-based position of a level has
    // closed; the next click starts a new guess.
    void finished(Level level, std::int16_t position);

private:
    void judge();
    void showResult(Outcome outcome);
    void end();

    AppContext &m_context;
    QWidget *m_window;
    std::unique_ptr<InputBlocker> m_inputBlocker;
    QPointer<ResultDialog> m_result;
    State m_state = State::Idle;
    Level m_level = Level::Beginner;
    std::int16_t m_position = 0;
};

// The pause between the click and the draw.
inline constexpr int guessPauseMilliseconds = 1500;
