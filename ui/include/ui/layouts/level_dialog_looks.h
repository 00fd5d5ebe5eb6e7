#pragma once

class QDialog;
class QFrame;

namespace Ui {
class LevelDialog;
class ScorePage;
} // namespace Ui

namespace Design {

// What the level dialog's form cannot hold: the design's fonts by point
// size, its colours, its frame, the promotional texts that name the build's
// site and its place on the screen.
void dressLevelDialog(QDialog *dialog, const Ui::LevelDialog &ui);
// The same for the score view's page, built when first shown.
void dressScorePage(QFrame *page, const Ui::ScorePage &ui);

} // namespace Design
