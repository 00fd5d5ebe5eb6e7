#include "fakes/test_run.h"
#include "find_control.h"

#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/layouts/design.h"
#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/widgets/link_button.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

// Captions that name the maker's web address take its host from the build's
// main site, the one the links open, so a build for another host shows that
// host everywhere.
class tst_SiteCaptions : public QObject
{
    Q_OBJECT

private slots:
    void captionsNameTheConfiguredHost_data();
    void captionsNameTheConfiguredHost();
};

namespace {

const QString configuredHost = QUrl(QStringLiteral(CORVELLA_MAIN_SITE)).host();

} // namespace

void tst_SiteCaptions::captionsNameTheConfiguredHost_data()
{
    QTest::addColumn<QString>("caption");

    TestRun run;
    AboutBox aboutBox(run.platform);
    run.random.push(0.5f);
    ExitScreen exitScreen(run.platform, run.random, run.windows);
    MainWindow main(run.context);
    LevelDialog levelDialog(run.platform, run.test);
    QTest::newRow("main window forum banner") << control<LinkButton>(&main, "forumLink")->text();
    QTest::newRow("level dialog forum banner") << control<LinkButton>(&levelDialog, "forumLink")->text();
    QTest::newRow("about box home page link") << control<LinkButton>(&aboutBox, "homePageLink")->text();
    QTest::newRow("exit screen visit button") << control<QPushButton>(&exitScreen, "visitSiteButton")->text();
    for (int n = 0; n < 4; ++n)
        QTest::addRow("exit screen appeal %d", n) << ExitScreen::promotionalMessage(n);
}

void tst_SiteCaptions::captionsNameTheConfiguredHost()
{
    QFETCH(QString, caption);
    QVERIFY(!configuredHost.isEmpty());
    QVERIFY2(caption.contains(configuredHost),
             qPrintable(QStringLiteral("\"%1\" does not name %2").arg(caption, configuredHost)));
}

QTEST_MAIN(tst_SiteCaptions)
#include "tst_site_captions.moc"
