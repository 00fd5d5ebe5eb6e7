#include "main_window_access.h"

#include "services/web_links.h"
#include "ui/widgets/link_label.h"

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(PageRole)

namespace {

QString accessibleName(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

const QString resting = QStringLiteral("no symbol drawn yet");

} // namespace

// What screen readers get from the main window: names, roles and presses.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void choicePictureIsAButtonNamedAfterItsSymbol_data();
    void choicePictureIsAButtonNamedAfterItsSymbol();
    void resultPictureIsNamedAfterWhatItShows_data();
    void resultPictureIsNamedAfterWhatItShows();
    void linkLabelIsALinkThatOpensItsPage_data();
    void linkLabelIsALinkThatOpensItsPage();
    void unseenControlsCannotBePressed();

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

void tst_Accessibility::choicePictureIsAButtonNamedAfterItsSymbol_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    const QStringList shared{"circle", "plus", "square", "star"};
    const QList<QPair<Level, QStringList>> levels{
        {Level::Beginner, shared + QStringList{"waves"}},
        {Level::Intermediate, shared + QStringList{"triskele", "knotwork square", "hexagram", "pyramid"}},
        {Level::Expert, shared + QStringList{"compass wheel", "knotwork square", "triquetra", "ring", "hexagram",
                                             "pyramid"}}};
    for (const auto &[level, names] : levels) {
        for (int position = 0; position < names.size(); ++position)
            QTest::addRow("%s %d %s", levelName(level), position, qPrintable(names.at(position)))
                << level << position << names.at(position);
    }
}

void tst_Accessibility::choicePictureIsAButtonNamedAfterItsSymbol()
{
    QFETCH(Level, level);
    QFETCH(int, position);
    QFETCH(QString, name);
    QVERIFY(m_run->chooseLevel(level));
    PictureBox *picture = m_main->ui().levelChoice(level, position);
    QAccessibleInterface *face = accessible(picture);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), name);
    QVERIFY(face->state().focusable);
    QVERIFY(!face->state().offscreen);
    QVERIFY(offersPress(picture));
}

void tst_Accessibility::resultPictureIsNamedAfterWhatItShows_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("name");
    QTest::newRow("beginner waves") << Level::Beginner << 5 << QStringLiteral("waves");
    QTest::newRow("beginner circle") << Level::Beginner << 1 << QStringLiteral("circle");
    QTest::newRow("intermediate triskele") << Level::Intermediate << 5 << QStringLiteral("triskele");
    QTest::newRow("intermediate pyramid") << Level::Intermediate << 8 << QStringLiteral("pyramid");
    QTest::newRow("expert compass wheel") << Level::Expert << 5 << QStringLiteral("compass wheel");
    QTest::newRow("expert hexagram") << Level::Expert << 9 << QStringLiteral("hexagram");
}

void tst_Accessibility::resultPictureIsNamedAfterWhatItShows()
{
    QFETCH(Level, level);
    QFETCH(int, drawn);
    QFETCH(QString, name);
    QVERIFY(m_run->chooseLevel(level));
    PictureBox *shown = m_main->ui().levelResult(level);
    QCOMPARE(accessible(shown)->role(), QAccessible::Graphic);
    QCOMPARE(accessibleName(shown), resting);
    QVERIFY(accessible(shown)->state().focusable);

    m_run->random.push(ScriptedRandom::forSymbol(drawn, symbolCount(level)));
    MainWindowRun::answerResult();
    QTest::mouseClick(m_main->ui().levelChoice(level, 0), Qt::LeftButton);
    QCOMPARE(accessibleName(shown), name);
    // The result and the choice that shows the same picture have one name.
    QCOMPARE(accessibleName(shown), accessibleName(m_main->ui().levelChoice(level, drawn - 1)));

    // Back puts the resting picture into every result picture.
    whenModal<LevelDialog>([](LevelDialog *dialog) { dialog->confirmLevel(); });
    m_main->chooseLevel();
    for (Level each : AllLevels)
        QCOMPARE(accessibleName(m_main->ui().levelResult(each)), resting);
}

void tst_Accessibility::linkLabelIsALinkThatOpensItsPage_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<PageRole>("page");
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << PageRole::HomePage;
    QTest::newRow("coBrandLink") << QStringLiteral("coBrandLink") << PageRole::CoBrandInfoPage;
    QTest::newRow("fullBrandLink") << QStringLiteral("fullBrandLink") << PageRole::FullBrandInfoPage;
}

void tst_Accessibility::linkLabelIsALinkThatOpensItsPage()
{
    QFETCH(QString, label);
    QFETCH(PageRole, page);
    auto *link = m_main->findChild<LinkLabel *>(label);
    QVERIFY(link);
    link->raise(); // the banner pick may put either branding label in front
    QAccessibleInterface *face = accessible(link);
    QCOMPARE(face->role(), QAccessible::Link);
    QVERIFY(!link->text().isEmpty());
    QCOMPARE(face->text(QAccessible::Name), link->text());

    QVERIFY(offersPress(link));
    press(link);
    QCOMPARE(m_run->platform.openedAddresses, QStringList{pageAddress(page)});

    // From the keyboard, Enter opens it too.
    link->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    QCOMPARE(m_run->platform.openedAddresses, QStringList(2, pageAddress(page)));
}

// A control under another one that the user sees can't be pressed by a
// screen reader either, just as the mouse can't reach it.
void tst_Accessibility::unseenControlsCannotBePressed()
{
    // No level chosen yet: the cover lies over every panel.
    for (Level level : AllLevels) {
        PictureBox *picture = m_main->ui().levelChoice(level, 0);
        QVERIFY(accessible(picture)->state().offscreen);
        QVERIFY(!offersPress(picture));
        press(picture);
    }
    QVERIFY(m_run->platform.timers.isEmpty());

    m_main->ui().coBrandLink->raise();
    QVERIFY(!offersPress(m_main->ui().fullBrandLink));
    press(m_main->ui().fullBrandLink);
    QVERIFY(m_run->platform.openedAddresses.isEmpty());

    QVERIFY(m_run->chooseLevel(Level::Intermediate));
    QVERIFY(offersPress(m_main->ui().levelChoice(Level::Intermediate, 0)));
    QVERIFY(!offersPress(m_main->ui().levelChoice(Level::Beginner, 0)));
    QVERIFY(!offersPress(m_main->ui().levelChoice(Level::Expert, 0)));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
