#pragma once

#include <QList>

class PictureBox;
class PictureButton;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace Design {

// The controls that every level panel's form holds.
struct LevelPanelParts
{
    QGroupBox *resultFrame;
    PictureBox *result;
    QLabel *hint;
    QPushButton *scoreButton;
    const QList<PictureButton *> &choices;
};

// What a level panel's form cannot hold: the design's fonts by point size,
// and its colours.
void dressLevelPanel(QFrame *panel, const LevelPanelParts &parts);

// The looks that style sheets give, applied when the panel is first shown:
// a style sheet costs start-up time, and the panels are hidden at start.
void styleLevelPanel(QPushButton *scoreButton, QGroupBox *resultFrame);

} // namespace Design
