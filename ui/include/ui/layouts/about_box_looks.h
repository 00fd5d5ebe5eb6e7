#pragma once

class QDialog;

namespace Ui {
class AboutBox;
}

namespace Design {

// What the about box's form cannot hold: the design's fonts by point size,
// its colours, its frame, its pictures at the screen's scale, the names
// the texts carry and its place on the screen.
void dressAboutBox(QDialog *dialog, const Ui::AboutBox &ui);

} // namespace Design
