#pragma once

#include "symboltest/level.h"

#include <QFrame>
#include <QList>

class PictureBox;
class PictureButton;
class QGroupBox;
class QLabel;
class QPushButton;
class SymbolPictures;

// The page of the main window on which one level is played: the level's
// choice pictures, the result picture that shows the drawn symbol, the hint
// and the Score button. Each level lays them out in its own form; every
// control is named after its level and role ("beginnerChoice0",
// "expertResult", "intermediateScoreButton").
class LevelPanel : public QFrame
{
    Q_OBJECT

public:
    // Builds the level's panel from its form. Its pictures and style sheets
    // wait for prepare(): a panel may be built long before it is shown.
    LevelPanel(Level level, const SymbolPictures &pictures, QWidget *parent = nullptr);
    ~LevelPanel() override;

    Level level() const { return m_level; }
    // The choice picture at a 0-based position.
    PictureButton *choice(int position) const;
    PictureBox *result() const { return m_result; }

    // The controls that take the focus by Tab, in the order of the panel's form.
    QList<QWidget *> tabStops() const;

    // Finishes the panel before it is first shown or played on: its style
    // sheets and its choices' pictures, decoded on the first call.
    void prepare();
    // The result picture rests: it shows the resting picture.
    void rest();
    // The result picture rests unless it shows a picture already.
    void restIfBlank();
    // The drawn symbol (1-based) in the result picture; a picture that did
    // not load leaves it as it was.
    void showDrawn(int symbol);

signals:
    // A click (or key, or screen reader's press) on the choice picture at a
    // 0-based position.
    void choiceClicked(Level level, int position);
    void scoreRequested();

private:
    const Level m_level;
    const SymbolPictures &m_pictures;
    QList<PictureButton *> m_choices;
    PictureBox *m_result = nullptr;
    QGroupBox *m_resultFrame = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_scoreButton = nullptr;
    bool m_prepared = false;
};
