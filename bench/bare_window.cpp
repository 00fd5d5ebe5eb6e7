// The floor for the benchmark: a bare Qt Widgets program that shows a main
// window with a menu bar and, over it, a small modal dialog, at the sizes
// Corvella's main window and level dialog have. A click on the main window
// then opens, at once, a modal dialog of the result dialog's size: the floor
// of the click-to-result measurement (X input, a dialog mapped, polling).
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
    auto *area = new QPushButton(QStringLiteral("Click for a result"), &window);
    window.setCentralWidget(area);
    QObject::connect(area, &QPushButton::clicked, &window, [&window] {
        QDialog result(&window);
        result.setWindowTitle(QStringLiteral("Bare result"));
        result.setFixedSize(313, 113);
        auto *close = new QPushButton(QStringLiteral("Close"), &result);
        close->setGeometry(100, 75, 113, 26);
        QObject::connect(close, &QPushButton::clicked, &result, &QDialog::accept);
        result.exec();
    });
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
