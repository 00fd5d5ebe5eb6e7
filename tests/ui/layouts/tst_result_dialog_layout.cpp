#include "dialog_layout_checks.h"
#include "ui/layouts/result_dialog_layout.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace DialogChecks;

class tst_ResultDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogHasNoTitleBarAndOpensCentred();
    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();
    void panelFillsTheWholeDialogWithItsBorder();
    void messageIsBoldCentredAndWrapped();
    void longerMessagesFitTheLabel_data();
    void longerMessagesFitTheLabel();
    void buttonIsGreyAndItsCaptionFits();
    void tryAgainTakesTheFocus();

private:
    std::unique_ptr<QDialog> m_dialog;
    Ui::ResultDialog m_ui;
};

void tst_ResultDialogLayout::init()
{
    m_dialog = std::make_unique<QDialog>();
    m_ui = Ui::ResultDialog();
    m_ui.setupUi(m_dialog.get());
}

void tst_ResultDialogLayout::cleanup()
{
    m_dialog.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A tool window is kept out of the taskbar by the desktop.
void tst_ResultDialogLayout::dialogHasNoTitleBarAndOpensCentred()
{
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_dialog->windowType(), Qt::Tool);
    verifyFixedCentredWindow(m_dialog.get(), QStringLiteral("resultDialog"), QSize(px(4695), px(1695)));
}

void tst_ResultDialogLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("resultPanel") << "resultPanel" << "resultDialog" << pxRect(0, 0, 4695, 1700) << "";
    QTest::newRow("tryAgainButton") << "tryAgainButton" << "resultPanel" << pxRect(1080, 1080, 2535, 495)
                            << "TRY AGAIN";
    QTest::newRow("messageLabel") << "messageLabel" << "resultPanel" << pxRect(120, 0, 4455, 855)
                               << "";
}

void tst_ResultDialogLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_dialog.get(), name, container, geometry, caption);
}

void tst_ResultDialogLayout::panelFillsTheWholeDialogWithItsBorder()
{
    QVERIFY(m_ui.resultPanel->geometry().contains(m_dialog->rect()));
    QCOMPARE(m_ui.resultPanel->frameShape(), QFrame::Box);
    QCOMPARE(m_ui.resultPanel->frameShadow(), QFrame::Plain);
    QCOMPARE(m_ui.resultPanel->lineWidth(), 1);

    const QImage shown = m_dialog->grab().toImage();
    const QColor pink(255, 192, 255);
    QCOMPARE(shown.pixelColor(3, 3), pink);
    QCOMPARE(shown.pixelColor(shown.width() - 3, shown.height() / 2), pink);
    // The border runs along the left and top edges of the dialog.
    QVERIFY(shown.pixelColor(0, shown.height() / 2) != pink);
    QVERIFY(shown.pixelColor(shown.width() / 2, 0) != pink);
}

void tst_ResultDialogLayout::messageIsBoldCentredAndWrapped()
{
    QVERIFY(m_ui.messageLabel->font().bold());
    QCOMPARE(m_ui.messageLabel->font().pixelSize(), 13);
    QCOMPARE(m_ui.messageLabel->alignment(), Qt::AlignCenter);
    QVERIFY(m_ui.messageLabel->wordWrap());
    QVERIFY(!m_ui.messageLabel->autoFillBackground());
}

void tst_ResultDialogLayout::longerMessagesFitTheLabel_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("right") << "This is the Right Answer! Now take a deep breath, relax your mind "
                              "and aim to predict the right answer again.";
    QTest::newRow("wrong") << "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm "
                              "mind and guess again.";
}

void tst_ResultDialogLayout::longerMessagesFitTheLabel()
{
    // The placeholder gives way to the two result messages.
    QFETCH(QString, message);
    m_ui.messageLabel->setText(message);
    verifyCaptionFits(m_ui.messageLabel);
}

void tst_ResultDialogLayout::buttonIsGreyAndItsCaptionFits()
{
    QVERIFY(m_ui.tryAgainButton->font().bold());
    QCOMPARE(m_ui.tryAgainButton->font().pixelSize(), 13);
    verifyCaptionFits(m_ui.tryAgainButton);
    QCOMPARE(shownColour(m_dialog.get(), m_ui.tryAgainButton, QPoint(12, 8)), QColor(128, 128, 128));
}

void tst_ResultDialogLayout::tryAgainTakesTheFocus()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QTRY_COMPARE(QApplication::focusWidget(), m_ui.tryAgainButton);
}

QTEST_MAIN(tst_ResultDialogLayout)
#include "tst_result_dialog_layout.moc"
