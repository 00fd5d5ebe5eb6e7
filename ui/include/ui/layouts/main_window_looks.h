#pragma once

class QMainWindow;

namespace Ui {
class MainWindow;
}

namespace Design {

// What the main window's form cannot hold: the design's fonts by point size,
// its colours, the texts made from the build's names and addresses, its
// frame and its fixed size, centred on the screen.
void dressMainWindow(QMainWindow *window, const Ui::MainWindow &ui);

} // namespace Design
