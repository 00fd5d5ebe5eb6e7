// The floor for the start-up benchmark: a bare Qt Widgets program that shows
// a main window with a menu bar and, over it, a small modal dialog, at the
// sizes Corvella's main window and level dialog have.
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CorvellaBenchBare"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QWidget(&window));
    window.resize(633, 500);
    window.show();

    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    dialog.setFixedSize(338, 329);
    auto *ok = new QPushButton(QStringLiteral("&OK"), &dialog);
    ok->setGeometry(8, 209, 322, 32);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    // Shown modally once the event loop runs, as the level dialog is.
    QTimer::singleShot(0, &dialog, &QDialog::exec);
    return QApplication::exec();
}
