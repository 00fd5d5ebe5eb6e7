#pragma once

class QDialog;

namespace Ui {
class ResultDialog;
}

namespace Design {

// What the result dialog's form cannot hold: the design's fonts by point
// size, its colours, its bare frame and its place on the screen.
void dressResultDialog(QDialog *dialog, const Ui::ResultDialog &ui);

} // namespace Design
