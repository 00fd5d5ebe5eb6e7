#include "ui/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_QtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxAnswersWithTheButtonPressed_data();
    void messageBoxAnswersWithTheButtonPressed();
    void cleanup();
};

void tst_QtPlatform::messageBoxAnswersWithTheButtonPressed_data()
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

// The box shows the text (a carriage return breaks the line), caption, icon
// and buttons asked for, is modal, and answers with the button pressed.
void tst_QtPlatform::messageBoxAnswersWithTheButtonPressed()
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
    } shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = {box->text(), box->windowTitle(), int(box->standardButtons()), int(box->icon()), box->isModal()};
        if (pressed == QMessageBox::Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(pressed))->click();
    });
    QtPlatform platform;
    const Platform::Answer given =
        platform.showMessage(QStringLiteral("There maybe an update\rDo you want to check?"), Platform::Buttons(buttons),
                             Platform::Icon(icon), QStringLiteral("Corvella"));
    QCOMPARE(int(given), answer);
    QCOMPARE(shown.text, QStringLiteral("There maybe an update\nDo you want to check?"));
    QCOMPARE(shown.caption, QStringLiteral("Corvella"));
    QCOMPARE(shown.buttons, shownButtons);
    QCOMPARE(shown.icon, shownIcon);
    QVERIFY(shown.modal);
}

void tst_QtPlatform::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_QtPlatform)
#include "tst_qt_platform.moc"
