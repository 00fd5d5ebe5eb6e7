#include "ui/layouts/about_box_layout.h"
#include "ui/layouts/design.h"
#include "ui/layouts/exit_screen_layout.h"
#include "ui/layouts/level_dialog_layout.h"
#include "ui/layouts/main_window_layout.h"
#include "ui/widgets/link_button.h"

#include <QDialog>
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

    QMainWindow mainWindow;
    Ui::MainWindow main;
    main.setupUi(&mainWindow);
    QTest::newRow("main window forum banner") << main.forumLink->text();

    QDialog levelDialog;
    Ui::LevelDialog level;
    level.setupUi(&levelDialog);
    QTest::newRow("level dialog forum banner") << level.forumLink->text();

    QDialog aboutDialog;
    Ui::AboutBox about;
    about.setupUi(&aboutDialog);
    QTest::newRow("about box home page link") << about.homePageLink->text();

    QWidget exitWindow;
    Ui::ExitScreen exit;
    exit.setupUi(&exitWindow);
    QTest::newRow("exit screen visit button") << exit.visitSiteButton->text();
    for (int n = 0; n < 4; ++n)
        QTest::addRow("exit screen appeal %d", n) << Ui::promotionalMessage(n);
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
