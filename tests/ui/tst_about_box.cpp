#include "find_control.h"
#include "window_test_support.h"

#include "services/web_links.h"
#include "ui/about_box.h"
#include "ui/widgets/link_button.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

int aboutBoxCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<AboutBox *>(widget) != nullptr ? 1 : 0;
    return count;
}

enum class Closing { OkButton, Enter, Escape, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Closing)
Q_DECLARE_METATYPE(PageRole)

class tst_AboutBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyWayOfClosingActsAsOk_data();
    void everyWayOfClosingActsAsOk();
    void linksOpenTheirPagesAndLeaveTheBoxOpen_data();
    void linksOpenTheirPagesAndLeaveTheBoxOpen();
    void onlyOneAboutBoxAtATime();
};

void tst_AboutBox::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Enter, Escape and the close box press the OK button: the box closes as
// accepted, is destroyed, and nothing else happens.
void tst_AboutBox::everyWayOfClosingActsAsOk_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("OK button") << Closing::OkButton;
    QTest::newRow("Enter") << Closing::Enter;
    QTest::newRow("Escape") << Closing::Escape;
    QTest::newRow("close box") << Closing::CloseBox;
}

void tst_AboutBox::everyWayOfClosingActsAsOk()
{
    QFETCH(Closing, closing);
    TestRun run;

    QList<int> results;
    QPointer<AboutBox> opened;
    whenModal<AboutBox>([&](AboutBox *about) {
        opened = about;
        connect(about, &QDialog::finished, about, [&results](int result) { results.append(result); });
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(run.windows.openWindows(), QList<QWidget *>{about});
        switch (closing) {
        case Closing::OkButton:
            QTest::mouseClick(control<QPushButton>(about, "okButton"), Qt::LeftButton);
            break;
        case Closing::Enter:
            QTest::keyClick(about, Qt::Key_Return);
            break;
        case Closing::Escape:
            QTest::keyClick(about, Qt::Key_Escape);
            break;
        case Closing::CloseBox:
            about->close();
            break;
        }
    });

    AboutBox::showModal(run.context);

    QVERIFY(opened.isNull());
    QCOMPARE(results, QList<int>{QDialog::Accepted});
    QCOMPARE(aboutBoxCount(), 0);
    QVERIFY(run.windows.openWindows().isEmpty());
    QVERIFY(run.platform.openedAddresses.isEmpty());
    QVERIFY(run.platform.messages.isEmpty());
}

// The about box's "details" link leads to the fully branded edition, not to
// co-branding, although the label bears the co-branding name.
void tst_AboutBox::linksOpenTheirPagesAndLeaveTheBoxOpen_data()
{
    QTest::addColumn<bool>("homePageLink");
    QTest::addColumn<PageRole>("page");
    QTest::newRow("homePageLink") << true << PageRole::HomePage;
    QTest::newRow("fullBrandLink") << false << PageRole::FullBrandInfoPage;
}

void tst_AboutBox::linksOpenTheirPagesAndLeaveTheBoxOpen()
{
    QFETCH(bool, homePageLink);
    QFETCH(PageRole, page);
    TestRun run;

    bool stayedOpen = false;
    whenModal<AboutBox>([&](AboutBox *about) {
        QVERIFY(QTest::qWaitForWindowExposed(about));
        LinkButton *link = control<LinkButton>(about, homePageLink ? "homePageLink" : "fullBrandLink");
        QTest::mouseClick(link, Qt::LeftButton);
        stayedOpen = about->isVisible() && QApplication::activeModalWidget() == about;
        QTest::mouseClick(control<QPushButton>(about, "okButton"), Qt::LeftButton);
    });

    AboutBox::showModal(run.context);

    QVERIFY(stayedOpen);
    QCOMPARE(run.platform.openedAddresses, QStringList{pageAddress(page)});
}

void tst_AboutBox::onlyOneAboutBoxAtATime()
{
    TestRun run;

    int countDuringSecondCall = -1;
    bool secondCallReturned = false;
    whenModal<AboutBox>([&](AboutBox *about) {
        AboutBox::showModal(run.context);
        secondCallReturned = true;
        countDuringSecondCall = aboutBoxCount();
        QTest::mouseClick(control<QPushButton>(about, "okButton"), Qt::LeftButton);
    });
    AboutBox::showModal(run.context);

    QVERIFY(secondCallReturned);
    QCOMPARE(countDuringSecondCall, 1);
    QCOMPARE(aboutBoxCount(), 0);
}

QTEST_MAIN(tst_AboutBox)
#include "tst_about_box.moc"
