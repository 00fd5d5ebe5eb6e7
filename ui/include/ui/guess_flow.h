#pragma once

#include "symboltest/level.h"

#include <QObject>

#include <cstdint>
#include <memory>

class InputBlocker;
class MainWindow;

// One guess, from the click on a choice picture to the closing of the result
// dialog: wait panel, pause, draw, drawn picture, judging, tally, result.
// The same flow for all three levels.
//
// The pause is a timer, so the event loop runs on: the wait panel and any
// uncovered window repaint and screen readers get their answers. What the
// user does meanwhile is dropped, and no second guess starts until the result
// dialog has closed.
class GuessFlow : public QObject
{
    Q_OBJECT

public:
    explicit GuessFlow(MainWindow &main);
    ~GuessFlow() override;

    // Starts a guess at the 0-based position of a level's choices and returns
    // at once; the rest follows when the pause is over. Does nothing while a
    // guess is under way.
    void start(Level level, std::int16_t position);
    // From the click until the result dialog has closed.
    bool isRunning() const { return m_running; }

signals:
    // The result dialog of the guess at the 0-based position of a level has
    // closed; the next click starts a new guess.
    void finished(Level level, std::int16_t position);

private:
    // After the pause: draw, drawn picture, judging, tally, result dialog.
    void judge();

    MainWindow &m_main;
    std::unique_ptr<InputBlocker> m_inputBlocker;
    Level m_level = Level::Beginner;
    std::int16_t m_position = 0;
    bool m_running = false;
};

// The pause between the click and the draw.
inline constexpr int guessPauseMilliseconds = 1500;
