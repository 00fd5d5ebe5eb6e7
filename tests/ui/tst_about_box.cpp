#include "find_control.h"
#include "main_window_access.h"

#include "services/web_links.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/widgets/link_button.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

int aboutBoxCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<AboutBox *>(widget) != nullptr ? 1 : 0;
    return count;
}

// The about box open over the main window, once it is shown and has the keys.
AboutBox *openAboutBox(MainWindow *main)
{
    AboutBox *open = nullptr;
    static_cast<void>(QTest::qWaitFor([main, &open] {
        open = nullptr;
        for (AboutBox *about : main->findChildren<AboutBox *>()) {
            if (about->isVisible())
                open = about;
        }
        return open && QApplication::activeWindow() == open;
    }));
    return open;
}

enum class Closing { OkButton, Enter, Escape, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Closing)
Q_DECLARE_METATYPE(PageRole)

class tst_AboutBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyWayOfClosingActsAsOk_data();
    void everyWayOfClosingActsAsOk();
    void linksOpenTheirPagesAndLeaveTheBoxOpen_data();
    void linksOpenTheirPagesAndLeaveTheBoxOpen();
    void onlyOneAboutBoxAtATime();
    void mainWindowGoneUnderTheBoxTakesItAlong();

private:
    std::unique_ptr<MainWindowRun> m_run;
};

void tst_AboutBox::init()
{
    m_run = std::make_unique<MainWindowRun>();
    QVERIFY(m_run->show());
}

void tst_AboutBox::cleanup()
{
    m_run.reset();
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
    MainWindow *main = m_run->main;

    main->showAbout();
    QPointer<AboutBox> about = openAboutBox(main);
    QVERIFY(about);
    // It stands over the main window and keeps the keys from it.
    QCOMPARE(about->windowHandle()->transientParent(), main->windowHandle());
    QCOMPARE(QApplication::activeModalWidget(), about.data());
    QList<int> results;
    connect(about, &QDialog::finished, about, [&results](int result) { results.append(result); });
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

    QCOMPARE(results, QList<int>{QDialog::Accepted});
    QTRY_VERIFY(about.isNull());
    QCOMPARE(aboutBoxCount(), 0);
    QVERIFY(m_run->platform.openedAddresses.isEmpty());
    QVERIFY(m_run->platform.messages.isEmpty());
    // Closed, it can be opened again.
    main->showAbout();
    about = openAboutBox(main);
    QVERIFY(about);
    about->accept();
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

    m_run->main->showAbout();
    AboutBox *about = openAboutBox(m_run->main);
    QVERIFY(about);
    QTest::mouseClick(control<LinkButton>(about, homePageLink ? "homePageLink" : "fullBrandLink"), Qt::LeftButton);
    QVERIFY(about->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), about);
    QCOMPARE(m_run->platform.openedAddresses, QStringList{pageAddress(page)});
    QTest::mouseClick(control<QPushButton>(about, "okButton"), Qt::LeftButton);
}

// Asked for while open, the about box comes forward; no second one opens.
void tst_AboutBox::onlyOneAboutBoxAtATime()
{
    m_run->main->showAbout();
    AboutBox *about = openAboutBox(m_run->main);
    QVERIFY(about);
    m_run->main->showAbout();
    QCOMPARE(aboutBoxCount(), 1);
    QVERIFY(about->isVisible());
    QTest::mouseClick(control<QPushButton>(about, "okButton"), Qt::LeftButton);
    QTRY_COMPARE(aboutBoxCount(), 0);
}

// The shutdown may destroy the main window while the box is open: the box
// goes with it, and the program takes input again.
void tst_AboutBox::mainWindowGoneUnderTheBoxTakesItAlong()
{
    m_run->main->showAbout();
    QPointer<AboutBox> about = openAboutBox(m_run->main);
    QVERIFY(about);
    delete m_run->main;
    QVERIFY(about.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(tst_AboutBox)
#include "tst_about_box.moc"
