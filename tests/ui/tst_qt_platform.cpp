#include "ui/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_QtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void questionBeforeAnyWindowAnswersWithTheButtonPressed_data();
    void questionBeforeAnyWindowAnswersWithTheButtonPressed();
    void messageStandsOverItsWindowAndAnswersLater_data();
    void messageStandsOverItsWindowAndAnswersLater();
    void messageOfAWindowClosedMeanwhileIsNeverAnswered();
    void saveQuestionStandsOverItsWindowAndHandsOverThePath_data();
    void saveQuestionStandsOverItsWindowAndHandsOverThePath();
    void saveQuestionOfAWindowClosedMeanwhileIsNeverAnswered();
    void cleanup();
};

void tst_QtPlatform::questionBeforeAnyWindowAnswersWithTheButtonPressed_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("shownButtons");
    QTest::addColumn<int>("shownIcon");
    using B = Platform::Buttons;
    using I = Platform::Icon;
    using A = Platform::Answer;
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("yes") << int(B::YesNo) << int(I::Information) << int(QMessageBox::Yes) << int(A::Yes) << yesNo
                         << int(QMessageBox::Information);
    QTest::newRow("escape on a question") << int(B::YesNo) << int(I::Information) << int(QMessageBox::Escape)
                                          << int(A::No) << yesNo << int(QMessageBox::Information);
    QTest::newRow("ok on an error") << int(B::Ok) << int(I::Critical) << int(QMessageBox::Ok) << int(A::Ok)
                                    << int(QMessageBox::Ok) << int(QMessageBox::Critical);
}

// Asked before any window exists, the box is a window of its own that shows
// the text (a carriage return breaks the line), caption, icon and buttons
// asked for, is modal, and answers with the button pressed.
void tst_QtPlatform::questionBeforeAnyWindowAnswersWithTheButtonPressed()
{
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    QFETCH(int, shownButtons);
    QFETCH(int, shownIcon);
    struct
    {
        QString text, caption;
        int buttons = -1, icon = -1;
        bool modal = false;
        QWidget *parent = nullptr;
    } shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = {box->text(),       box->windowTitle(), int(box->standardButtons()), int(box->icon()),
                 box->isModal(), box->parentWidget()};
        if (pressed == QMessageBox::Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(pressed))->click();
    });
    QtPlatform platform;
    const Platform::Answer given =
        platform.askBeforeAnyWindow(QStringLiteral("There maybe an update\rDo you want to check?"),
                                    Platform::Buttons(buttons), Platform::Icon(icon), QStringLiteral("Corvella"));
    QCOMPARE(int(given), answer);
    QCOMPARE(shown.text, QStringLiteral("There maybe an update\nDo you want to check?"));
    QCOMPARE(shown.caption, QStringLiteral("Corvella"));
    QCOMPARE(shown.buttons, shownButtons);
    QCOMPARE(shown.icon, shownIcon);
    QVERIFY(shown.modal);
    QCOMPARE(shown.parent, nullptr);
}

void tst_QtPlatform::messageStandsOverItsWindowAndAnswersLater_data()
{
    questionBeforeAnyWindowAnswersWithTheButtonPressed_data();
}

// The box is a child of the window that asked, modal to it, and returns at
// once; the answer comes when a button is pressed, and the box goes.
void tst_QtPlatform::messageStandsOverItsWindowAndAnswersLater()
{
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    QFETCH(int, shownButtons);
    QFETCH(int, shownIcon);
    QDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A child that asks for its window, as a button or a helper object does.
    auto *asking = new QObject(new QLineEdit(&window));

    QtPlatform platform;
    QList<int> answers;
    platform.showMessage(asking, QStringLiteral("There maybe an update\rDo you want to check?"),
                         Platform::Buttons(buttons), Platform::Icon(icon), QStringLiteral("Corvella"),
                         [&answers](Platform::Answer given) { answers.append(int(given)); });
    QPointer<QMessageBox> box = window.findChild<QMessageBox *>();
    QVERIFY(box);
    QCOMPARE(box->parentWidget(), &window);
    QVERIFY(answers.isEmpty());
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->text(), QStringLiteral("There maybe an update\nDo you want to check?"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Corvella"));
    QCOMPARE(int(box->standardButtons()), shownButtons);
    QCOMPARE(int(box->icon()), shownIcon);

    if (pressed == QMessageBox::Escape)
        QTest::keyClick(box, Qt::Key_Escape);
    else
        box->button(QMessageBox::StandardButton(pressed))->click();
    QCOMPARE(answers, QList<int>{answer});
    QTRY_VERIFY(!box);
}

// A window closed and destroyed while its box is open takes the box along,
// and whoever asked hears nothing.
void tst_QtPlatform::messageOfAWindowClosedMeanwhileIsNeverAnswered()
{
    auto *window = new QDialog;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QtPlatform platform;
    bool answered = false;
    platform.showMessage(window, QStringLiteral("Forget?"), Platform::Buttons::YesNo, Platform::Icon::Warning,
                         QStringLiteral("Corvella"), [&answered](Platform::Answer) { answered = true; });
    QPointer<QMessageBox> box = window->findChild<QMessageBox *>();
    QVERIFY(box);
    delete window;
    QVERIFY(!box);
    QCoreApplication::processEvents();
    QVERIFY(!answered);
}

void tst_QtPlatform::saveQuestionStandsOverItsWindowAndHandsOverThePath_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("saved") << true;
    QTest::newRow("cancelled") << false;
}

// The save question is a child of the window that asked, modal to it, and
// hands over the chosen path, or an empty one when cancelled.
void tst_QtPlatform::saveQuestionStandsOverItsWindowAndHandsOverThePath()
{
    QFETCH(bool, accepted);
    QDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QtPlatform platform;
    QStringList chosen;
    platform.askSaveFileName(&window, QStringLiteral("Export History"), QStringLiteral("history.csv"),
                             QStringLiteral("CSV files (*.csv)"),
                             [&chosen](const QString &path) { chosen.append(path); });
    QPointer<QFileDialog> dialog = window.findChild<QFileDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->parentWidget(), &window);
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QVERIFY(chosen.isEmpty());

    const QString path = QDir::temp().filePath(QStringLiteral("corvella-save-question.csv"));
    if (accepted) {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog.data())->accept(); // QFileDialog hides it
    } else {
        dialog->reject();
    }
    QCOMPARE(chosen, QStringList{accepted ? path : QString()});
    QTRY_VERIFY(!dialog);
}

void tst_QtPlatform::saveQuestionOfAWindowClosedMeanwhileIsNeverAnswered()
{
    auto *window = new QDialog;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QtPlatform platform;
    bool answered = false;
    platform.askSaveFileName(window, QStringLiteral("Export History"), QStringLiteral("history.csv"),
                             QStringLiteral("CSV files (*.csv)"), [&answered](const QString &) { answered = true; });
    QPointer<QFileDialog> dialog = window->findChild<QFileDialog *>();
    QVERIFY(dialog);
    delete window;
    QVERIFY(!dialog);
    QCoreApplication::processEvents();
    QVERIFY(!answered);
}

void tst_QtPlatform::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_QtPlatform)
#include "tst_qt_platform.moc"
