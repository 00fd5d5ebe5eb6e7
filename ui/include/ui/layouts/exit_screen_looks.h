#pragma once

class QWidget;

namespace Ui {
class ExitScreen;
}

namespace Design {

// What the exit screen's form cannot hold: the design's fonts by point size,
// its colours, its frame, its icon at the screen's scale, the names and
// placeholders the texts carry and its place on the screen.
void dressExitScreen(QWidget *window, const Ui::ExitScreen &ui);

} // namespace Design
