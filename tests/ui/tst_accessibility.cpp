#include "main_window_access.h"

#include "services/web_links.h"
#include "ui/widgets/link_button.h"

#include <QSet>

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(PageRole)

namespace {

QString accessibleName(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

const QString resting = QStringLiteral("no symbol drawn yet");
const QString hint = QStringLiteral("Think Deeply and Click On a Symbol");

// A screen reader presses the button. A guess started by the press would
// open a result dialog over `shown`; that one is answered at once, so that
// the test fails instead of waiting for it.
bool pressAnsweringNewResults(QAbstractButton *button, QWidget *shown = nullptr)
{
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [shown] {
        auto *result = qobject_cast<ResultDialog *>(QApplication::activeModalWidget());
        if (result && result != shown)
            result->accept();
    });
    answer.start(5);
    return press(button);
}

// The nodes of a window's accessibility tree that a screen reader reads
// out: those not marked invisible, below a node that is read out.
void collectReadable(QAccessibleInterface *node, QList<QAccessibleInterface *> &readable)
{
    if (!node || node->state().invisible)
        return;
    readable << node;
    for (int i = 0; i < node->childCount(); ++i)
        collectReadable(node->child(i), readable);
}

struct Heard
{
    QStringList names;    // every name read out
    QStringList problems; // what is read out but not on the screen, or has no name of its own
};

Heard whatAScreenReaderHears(QWidget *window)
{
    QList<QAccessibleInterface *> readable;
    collectReadable(accessible(window), readable);
    Heard heard;
    for (QAccessibleInterface *node : std::as_const(readable)) {
        const QString name = node->text(QAccessible::Name);
        heard.names << name;
        auto *widget = qobject_cast<QWidget *>(node->object());
        if (!widget || widget->isWindow())
            continue;
        if (!name.isEmpty() && widget->visibleRegion().isEmpty())
            heard.problems << QStringLiteral("not on the screen: ") + name;
        if (node->role() == QAccessible::StaticText && name.isEmpty())
            heard.problems << QStringLiteral("nameless text: ") + widget->objectName();
        if (!name.isEmpty() && name == widget->objectName())
            heard.problems << QStringLiteral("internal name: ") + name;
    }
    return heard;
}

} // namespace

// What screen readers get from the main window and the level dialog: names,
// roles, presses, and nothing the user does not see.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resultPictureIsNamedAfterWhatItShows_data();
    void resultPictureIsNamedAfterWhatItShows();
    void linkIsALinkThatOpensItsPage_data();
    void linkIsALinkThatOpensItsPage();
    void hiddenPagesCannotBePressed();
    void pressBehindAModalDialogStartsNoGuess_data();
    void pressBehindAModalDialogStartsNoGuess();
    void mainWindowIsReadAsItIsSeen_data();
    void mainWindowIsReadAsItIsSeen();
    void levelDialogIsReadAsItIsSeen_data();
    void levelDialogIsReadAsItIsSeen();

private:
    std::unique_ptr<MainWindowRun> m_run;
    MainWindow *m_main = nullptr;
};

void tst_Accessibility::init()
{
    m_run = std::make_unique<MainWindowRun>();
    QVERIFY(m_run->show());
    m_main = m_run->main;
}

void tst_Accessibility::cleanup()
{
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Accessibility::resultPictureIsNamedAfterWhatItShows_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("name");
    QTest::newRow("beginner waves") << Level::Beginner << 5 << QStringLiteral("waves");
    QTest::newRow("intermediate pyramid") << Level::Intermediate << 8 << QStringLiteral("pyramid");
    QTest::newRow("expert hexagram") << Level::Expert << 9 << QStringLiteral("hexagram");
}

void tst_Accessibility::resultPictureIsNamedAfterWhatItShows()
{
    QFETCH(Level, level);
    QFETCH(int, drawn);
    QFETCH(QString, name);
    QVERIFY(m_run->chooseLevel(level));
    PictureBox *shown = resultOf(m_main, level);
    QCOMPARE(accessible(shown)->role(), QAccessible::Graphic);
    QCOMPARE(accessibleName(shown), resting);
    // It takes the focus, but neither keys nor a click on it guess.
    QVERIFY(!offersPress(shown));
    shown->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(shown->hasFocus());
    QTest::keyClick(shown, Qt::Key_Space);
    QTest::keyClick(shown, Qt::Key_Return);
    QTest::mouseClick(shown, Qt::LeftButton);
    QVERIFY(m_run->platform.timers.isEmpty());

    m_run->random.push(ScriptedRandom::forSymbol(drawn, symbolCount(level)));
    QTest::mouseClick(choiceOf(m_main, level, 0), Qt::LeftButton);
    QVERIFY(m_run->answerResult());
    QCOMPARE(accessibleName(shown), name);
    // The result and the choice that shows the same picture have one name.
    QCOMPARE(accessibleName(shown), accessibleName(choiceOf(m_main, level, drawn - 1)));
}

void tst_Accessibility::linkIsALinkThatOpensItsPage_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("banner"); // the banner number that shows the link
    QTest::addColumn<PageRole>("page");
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << 1 << PageRole::HomePage;
    QTest::newRow("coBrandLink") << QStringLiteral("coBrandLink") << 1 << PageRole::CoBrandInfoPage;
    QTest::newRow("fullBrandLink") << QStringLiteral("fullBrandLink") << 2 << PageRole::FullBrandInfoPage;
}

void tst_Accessibility::linkIsALinkThatOpensItsPage()
{
    QFETCH(QString, link);
    QFETCH(int, banner);
    QFETCH(PageRole, page);
    m_main->showBanner(std::int16_t(banner));
    auto *shown = m_main->findChild<LinkButton *>(link);
    QVERIFY(shown);
    QAccessibleInterface *face = accessible(shown);
    QCOMPARE(face->role(), QAccessible::Link);
    QVERIFY(!shown->text().isEmpty());
    QCOMPARE(face->text(QAccessible::Name), shown->text());

    QVERIFY(offersPress(shown));
    QVERIFY(press(shown));
    QCOMPARE(m_run->platform.openedAddresses, QStringList{pageAddress(page)});

    // From the keyboard, Enter opens it too.
    shown->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(shown->hasFocus());
    QTest::keyClick(shown, Qt::Key_Return);
    QCOMPARE(m_run->platform.openedAddresses, QStringList(2, pageAddress(page)));
}

// What lies on a page behind the one in front is hidden from screen readers
// as from the eye, and pressing it does nothing.
void tst_Accessibility::hiddenPagesCannotBePressed()
{
    // No level chosen yet: the cover is in front, and no panel is built
    // behind it.
    for (Level level : AllLevels)
        QVERIFY(!m_main->levelPanel(level));

    m_main->showBanner(1); // the co-branding offer in front
    QVERIFY(accessible(control<LinkButton>(m_main, "fullBrandLink"))->state().invisible);
    QVERIFY(press(control<LinkButton>(m_main, "fullBrandLink")));
    QVERIFY(m_run->platform.openedAddresses.isEmpty());

    // Every panel built, the Intermediate one in front.
    QVERIFY(m_run->chooseLevel(Level::Beginner));
    QVERIFY(m_run->chooseLevel(Level::Expert));
    QVERIFY(m_run->chooseLevel(Level::Intermediate));
    for (Level behind : {Level::Beginner, Level::Expert})
        QVERIFY(accessible(choiceOf(m_main, behind, 0))->state().invisible);
    QVERIFY(pressAnsweringNewResults(choiceOf(m_main, Level::Beginner, 0)));
    QVERIFY(pressAnsweringNewResults(choiceOf(m_main, Level::Expert, 0)));
    QVERIFY(m_run->platform.timers.isEmpty());
}

void tst_Accessibility::pressBehindAModalDialogStartsNoGuess_data()
{
    QTest::addColumn<bool>("resultDialog"); // or the level dialog
    QTest::newRow("result dialog") << true;
    QTest::newRow("level dialog") << false;
}

// A modal dialog keeps the mouse and the keys from the main window; a
// screen reader's press on a choice picture behind it starts no guess
// either, least of all a second guess inside the first.
void tst_Accessibility::pressBehindAModalDialogStartsNoGuess()
{
    QFETCH(bool, resultDialog);
    QVERIFY(m_run->chooseLevel(Level::Beginner));
    PictureButton *behind = choiceOf(m_main, Level::Beginner, 2);
    bool pressed = false;
    if (resultDialog) {
        m_run->random.push(ScriptedRandom::forSymbol(1, 5));
        QTest::mouseClick(choiceOf(m_main, Level::Beginner, 0), Qt::LeftButton);
        ResultDialog *dialog = m_run->openResult();
        QVERIFY(dialog);
        pressed = pressAnsweringNewResults(behind, dialog);
        dialog->accept();
    } else {
        m_main->chooseLevel();
        LevelDialog *dialog = m_run->openLevelDialog();
        QVERIFY(dialog);
        pressed = pressAnsweringNewResults(behind, dialog);
        dialog->close();
    }
    QVERIFY(pressed);
    const int guesses = resultDialog ? 1 : 0;
    QCOMPARE(m_run->platform.timers.size(), guesses);
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), guesses);
}

void tst_Accessibility::mainWindowIsReadAsItIsSeen_data()
{
    QTest::addColumn<int>("level"); // -1: none chosen yet
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("unheard");
    QTest::newRow("no level chosen") << -1 << QStringLiteral("Back") << hint;
    QTest::newRow("beginner") << int(Level::Beginner) << hint << QStringLiteral("triskele");
    QTest::newRow("intermediate") << int(Level::Intermediate) << hint << QStringLiteral("waves");
    QTest::newRow("expert") << int(Level::Expert) << hint << QStringLiteral("waves");
}

// A screen reader reads out what is on the screen, each thing once: not the
// panels behind the one in front, not the branding offer behind the other,
// not the outcome that the program keeps for itself. Each choice picture in
// front is a button it can press, with a name of its own.
void tst_Accessibility::mainWindowIsReadAsItIsSeen()
{
    QFETCH(int, level);
    QFETCH(QString, heard);
    QFETCH(QString, unheard);
    if (level >= 0)
        QVERIFY(m_run->chooseLevel(Level(level)));
    const Heard read = whatAScreenReaderHears(m_main);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(QStringLiteral(", "))));
    QCOMPARE(read.names.count(heard), 1);
    QCOMPARE(read.names.count(unheard), 0);
    QCOMPARE(read.names.count(QStringLiteral("Score")), level >= 0 ? 1 : 0);
    QCOMPARE(read.names.count(control<LinkButton>(m_main, "coBrandLink")->text()) + read.names.count(control<LinkButton>(m_main, "fullBrandLink")->text()), 1);
    if (level < 0)
        return;
    QSet<QString> names;
    for (int position = 0; position < symbolCount(Level(level)); ++position) {
        PictureButton *picture = choiceOf(m_main, Level(level), position);
        QCOMPARE(accessible(picture)->role(), QAccessible::Button);
        QVERIFY(accessible(picture)->state().focusable && offersPress(picture));
        names << accessibleName(picture);
    }
    QCOMPARE(names.size(), symbolCount(Level(level)));
    QVERIFY(!names.contains(QString()));
}

void tst_Accessibility::levelDialogIsReadAsItIsSeen_data()
{
    QTest::addColumn<bool>("score"); // or the level choice
    QTest::addColumn<QString>("unheard");
    QTest::newRow("level choice") << false << QStringLiteral("Score");
    QTest::newRow("score view") << true << QStringLiteral("Select an Option");
}

void tst_Accessibility::levelDialogIsReadAsItIsSeen()
{
    QFETCH(bool, score);
    QFETCH(QString, unheard);
    if (score)
        m_main->showScore();
    else
        m_main->chooseLevel();
    LevelDialog *dialog = m_run->openLevelDialog();
    QVERIFY(dialog);
    const Heard read = whatAScreenReaderHears(dialog);
    dialog->close();
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(QStringLiteral(", "))));
    QVERIFY(!read.names.isEmpty());
    QCOMPARE(read.names.count(QStringLiteral("OK")), 1);
    QCOMPARE(read.names.count(unheard), 0);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
