#include "window_test_support.h"

#include "app/web_links.h"
#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QAccessible>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(PageRole)

namespace {

PictureBox *choice(const Ui::frmMain &ui, Level level, int position)
{
    switch (level) {
    case Level::Intermediate:
        return ui.PicIntermediate[position];
    case Level::Expert:
        return ui.picExpert[position];
    case Level::Beginner:
        break;
    }
    return ui.cmdZener[position];
}

PictureBox *result(const Ui::frmMain &ui, Level level)
{
    switch (level) {
    case Level::Intermediate:
        return ui.PicIntermediateResult;
    case Level::Expert:
        return ui.picExpertResult;
    case Level::Beginner:
        break;
    }
    return ui.picZenerSymbol;
}

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleName(QWidget *widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

bool offersPress(QWidget *widget)
{
    QAccessibleActionInterface *actions = accessible(widget)->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

void press(QWidget *widget)
{
    if (QAccessibleActionInterface *actions = accessible(widget)->actionInterface())
        actions->doAction(QAccessibleActionInterface::pressAction());
}

const QString resting = QStringLiteral("no symbol drawn yet");

} // namespace

// What screen readers and keyboard users get from the main window.
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

    void tabReachesOnlyWhatLiesInFront_data();
    void tabReachesOnlyWhatLiesInFront();
    void focusLeavesAPanelThatGoesBehind();
    void firstFocusIsTheBeginnerScoreButton();

    void keyOnAChoicePictureGuessesLikeAClick_data();
    void keyOnAChoicePictureGuessesLikeAClick();
    void heldKeyMakesOneGuess();
    void keyThatClosesTheResultMakesNoNewGuess();
    void keysDuringThePauseAreDropped();
    void resultPictureTakesTheFocusButGuessesNothing();
    void focusFrameShowsOnlyForTheKeyboard();

private:
    void chooseLevel(Level level);
    // Answers the next result dialog, keeping its message.
    void answerResult(QString *message = nullptr);

    std::unique_ptr<TestRun> m_run;
    frmMain *m_main = nullptr;
};

void tst_Accessibility::init()
{
    m_run = std::make_unique<TestRun>();
    m_run->test.blnLevelChosen = true;
    m_main = new frmMain(m_run->context);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void tst_Accessibility::cleanup()
{
    delete m_main;
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Chooses the level in the level dialog, as the user does.
void tst_Accessibility::chooseLevel(Level level)
{
    whenModal<frmSelectOption>([level](frmSelectOption *dialog) {
        QRadioButton *options[] = {dialog->ui().optBeginner, dialog->ui().optIntermediate, dialog->ui().optExpert};
        options[LevelIndex(level)]->setChecked(true);
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    // The offscreen platform hands the activation back only when asked.
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void tst_Accessibility::answerResult(QString *message)
{
    whenModal<frmResult>([message](frmResult *dialog) {
        if (message)
            *message = dialog->ui().lblResult->text();
        dialog->cmdTry_Click();
    });
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
            QTest::addRow("%s %d %s", LevelName(level), position, qPrintable(names.at(position)))
                << level << position << names.at(position);
    }
}

void tst_Accessibility::choicePictureIsAButtonNamedAfterItsSymbol()
{
    QFETCH(Level, level);
    QFETCH(int, position);
    QFETCH(QString, name);
    chooseLevel(level);
    PictureBox *picture = choice(m_main->ui(), level, position);
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
    chooseLevel(level);
    PictureBox *shown = result(m_main->ui(), level);
    QCOMPARE(accessible(shown)->role(), QAccessible::Graphic);
    QCOMPARE(accessibleName(shown), resting);
    QVERIFY(accessible(shown)->state().focusable);

    m_run->random.push(ScriptedRandom::forSymbol(drawn, SymbolCount(level)));
    answerResult();
    QTest::mouseClick(choice(m_main->ui(), level, 0), Qt::LeftButton);
    QCOMPARE(accessibleName(shown), name);
    // The result and the choice that shows the same picture have one name.
    QCOMPARE(accessibleName(shown), accessibleName(choice(m_main->ui(), level, drawn - 1)));

    // Back puts the resting picture into every result picture.
    whenModal<frmSelectOption>([](frmSelectOption *dialog) { dialog->cmdOk_Click(); });
    m_main->cmdBack_Click();
    for (Level each : AllLevels)
        QCOMPARE(accessibleName(result(m_main->ui(), each)), resting);
}

void tst_Accessibility::linkLabelIsALinkThatOpensItsPage_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<PageRole>("page");
    QTest::newRow("Label61") << QStringLiteral("Label61") << PageRole::HomePage;
    QTest::newRow("lblCobrand") << QStringLiteral("lblCobrand") << PageRole::CoBrandInfoPage;
    QTest::newRow("lblFullBrand") << QStringLiteral("lblFullBrand") << PageRole::FullBrandInfoPage;
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
    QCOMPARE(m_run->platform.openedAddresses, QStringList{PageAddress(page)});

    // From the keyboard, Enter opens it too.
    link->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    QCOMPARE(m_run->platform.openedAddresses, QStringList(2, PageAddress(page)));
}

// A control under another one that the user sees can't be pressed by a
// screen reader either, just as the mouse can't reach it.
void tst_Accessibility::unseenControlsCannotBePressed()
{
    // No level chosen yet: the cover lies over every panel.
    for (Level level : AllLevels) {
        PictureBox *picture = choice(m_main->ui(), level, 0);
        QVERIFY(accessible(picture)->state().offscreen);
        QVERIFY(!offersPress(picture));
        press(picture);
    }
    QVERIFY(m_run->platform.sleeps.isEmpty());

    m_main->ui().lblCobrand->raise();
    QVERIFY(!offersPress(m_main->ui().lblFullBrand));
    press(m_main->ui().lblFullBrand);
    QVERIFY(m_run->platform.openedAddresses.isEmpty());

    chooseLevel(Level::Intermediate);
    QVERIFY(offersPress(choice(m_main->ui(), Level::Intermediate, 0)));
    QVERIFY(!offersPress(choice(m_main->ui(), Level::Beginner, 0)));
    QVERIFY(!offersPress(choice(m_main->ui(), Level::Expert, 0)));
}

void tst_Accessibility::tabReachesOnlyWhatLiesInFront_data()
{
    QTest::addColumn<int>("level"); // -1: none chosen yet
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("no level chosen") << -1 << QStringList{"cmdExit", "cmdBack", "Label61", "lblCobrand"};
    QTest::newRow("beginner") << int(Level::Beginner)
                              << QStringList{"cmdZener(0)", "cmdZener(2)", "cmdZener(3)", "cmdZener(1)",
                                             "picZenerSymbol", "cmdExit", "cmdBack", "cmdZener(4)", "cmdScore",
                                             "Label61", "lblCobrand"};
    QTest::newRow("intermediate")
        << int(Level::Intermediate)
        << QStringList{"PicIntermediate(0)", "PicIntermediate(2)", "PicIntermediate(3)", "PicIntermediate(1)",
                       "PicIntermediate(4)", "PicIntermediate(5)", "PicIntermediate(6)", "PicIntermediate(7)",
                       "PicIntermediateResult", "cmdExit", "cmdBack", "cmdIntermediateScore", "Label61",
                       "lblCobrand"};
    QTest::newRow("expert") << int(Level::Expert)
                            << QStringList{"picExpert(0)", "picExpert(2)", "picExpert(3)", "picExpert(1)",
                                           "picExpert(4)", "picExpert(5)", "picExpert(6)", "picExpert(7)",
                                           "picExpert(8)", "picExpert(9)", "picExpertResult", "cmdExit",
                                           "cmdBack", "cmdExpertScore", "Label61", "lblCobrand"};
}

// Tab goes round the controls the user can see and no others: not those of
// the panels behind, nor the banner label behind the one in front.
void tst_Accessibility::tabReachesOnlyWhatLiesInFront()
{
    QFETCH(int, level);
    QFETCH(QStringList, cycle);
    if (level >= 0)
        chooseLevel(Level(level));
    QWidget *first = m_main->findChild<QWidget *>(cycle.first());
    first->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QStringList reached{first->objectName()};
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, cycle + QStringList{cycle.first()});
}

// A keyboard user on a Beginner picture who switches to Expert must not be
// left on the Beginner picture, now out of sight.
void tst_Accessibility::focusLeavesAPanelThatGoesBehind()
{
    chooseLevel(Level::Beginner);
    PictureBox *picture = m_main->ui().cmdZener[2];
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    chooseLevel(Level::Expert);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused != picture);
    QVERIFY(!m_main->ui().fraBeginner->isAncestorOf(focused));
}

// The window has always started there, and shows it once Beginner is chosen;
// the keyboard goes on from there to what lies in front.
void tst_Accessibility::firstFocusIsTheBeginnerScoreButton()
{
    chooseLevel(Level::Beginner);
    QCOMPARE(QApplication::focusWidget(), m_main->ui().cmdScore);
    QTest::keyClick(m_main->ui().cmdScore, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_main->ui().Label61);
}

void tst_Accessibility::keyOnAChoicePictureGuessesLikeAClick_data()
{
    QTest::addColumn<int>("key"); // 0: the screen reader's press
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("drawn");
    QTest::newRow("Space, right") << int(Qt::Key_Space) << Level::Beginner << 4 << 5;
    QTest::newRow("Space, wrong") << int(Qt::Key_Space) << Level::Expert << 8 << 10;
    QTest::newRow("Return, right") << int(Qt::Key_Return) << Level::Expert << 8 << 9;
    QTest::newRow("Return, wrong") << int(Qt::Key_Return) << Level::Intermediate << 0 << 2;
    QTest::newRow("keypad Enter, right") << int(Qt::Key_Enter) << Level::Intermediate << 6 << 7;
    QTest::newRow("screen reader press, right") << 0 << Level::Expert << 3 << 4;
    QTest::newRow("screen reader press, wrong") << 0 << Level::Beginner << 1 << 3;
}

void tst_Accessibility::keyOnAChoicePictureGuessesLikeAClick()
{
    QFETCH(int, key);
    QFETCH(Level, level);
    QFETCH(int, position);
    QFETCH(int, drawn);
    chooseLevel(level);
    PictureBox *picture = choice(m_main->ui(), level, position);
    PictureBox *shown = result(m_main->ui(), level);

    QString byKey;
    m_run->random.push(ScriptedRandom::forSymbol(drawn, SymbolCount(level)));
    answerResult(&byKey);
    if (key == 0) {
        press(picture);
    } else {
        picture->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(picture->hasFocus());
        QTest::keyClick(picture, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QCOMPARE(m_run->platform.sleeps, QList<int>{1500});
    QCOMPARE(int(m_run->test.AttemptsCount(level)), 1);
    const QPixmap afterKey = shown->pixmap();
    const int correctAfterKey = m_run->test.CorrectCount(level);

    QString byClick;
    m_run->random.push(ScriptedRandom::forSymbol(drawn, SymbolCount(level)));
    answerResult(&byClick);
    QTest::mouseClick(picture, Qt::LeftButton);

    QVERIFY(!byKey.isEmpty());
    QCOMPARE(byKey, byClick);
    QCOMPARE(byKey, QString::fromUtf8(ResultMessage(drawn == position + 1 ? Outcome::Right : Outcome::Wrong)));
    QVERIFY(samePicture(afterKey, shown->pixmap()));
    QCOMPARE(int(m_run->test.CorrectCount(level)), 2 * correctAfterKey);
    QCOMPARE(m_run->platform.sleeps, QList<int>({1500, 1500}));
}

// Holding Space or Enter down repeats the key; the picture still makes one guess.
void tst_Accessibility::heldKeyMakesOneGuess()
{
    chooseLevel(Level::Beginner);
    PictureBox *picture = m_main->ui().cmdZener[1];
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        m_run->random.push(ScriptedRandom::forSymbol(2, 5));
        answerResult();
        auto send = [picture, key](QEvent::Type type, bool repeated) {
            QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"),
                            repeated);
            QCoreApplication::sendEvent(picture, &event);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 5; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        QVERIFY(m_run->platform.sleeps.size() < 2); // nothing while the key is held
        send(QEvent::KeyRelease, false);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTRY_VERIFY(picture->hasFocus());
    }
    QCOMPARE(m_run->platform.sleeps, QList<int>({1500, 1500}));
    QCOMPARE(int(m_run->test.AttemptsCount(Level::Beginner)), 2);
}

// Enter closes the result dialog when it goes down; when it comes up the
// focus is back on the picture, which must not take it for a new guess.
void tst_Accessibility::keyThatClosesTheResultMakesNoNewGuess()
{
    chooseLevel(Level::Expert);
    PictureBox *picture = m_main->ui().picExpert[5];
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    m_run->random.push(ScriptedRandom::forSymbol(6, 10));
    bool closedByKey = false;
    whenModal<frmResult>([&closedByKey](frmResult *dialog) {
        // TRY AGAIN has the focus in the dialog; Enter goes down on it.
        QTest::keyPress(dialog->ui().cmdTry, Qt::Key_Return);
        closedByKey = !dialog->isVisible();
        if (!closedByKey)
            dialog->cmdTry_Click();
    });
    QTest::keyClick(picture, Qt::Key_Return);
    QVERIFY(closedByKey);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QTRY_VERIFY(picture->hasFocus());
    QTest::keyRelease(picture, Qt::Key_Return);
    QCOMPARE(m_run->platform.sleeps, QList<int>{1500});
    QCOMPARE(int(m_run->test.AttemptsCount(Level::Expert)), 1);
}

// Keys pressed while the program pauses are dropped, as clicks are.
void tst_Accessibility::keysDuringThePauseAreDropped()
{
    chooseLevel(Level::Beginner);
    PictureBox *picture = m_main->ui().cmdZener[0];
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    m_run->platform.duringSleep = [&] {
        m_run->platform.duringSleep = nullptr;
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            QCoreApplication::postEvent(picture, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            QCoreApplication::postEvent(picture, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        }
    };
    m_run->random.push(ScriptedRandom::forSymbol(1, 5));
    answerResult();
    QTest::keyClick(picture, Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(m_run->platform.sleeps, QList<int>{1500});
    QCOMPARE(int(m_run->test.AttemptsCount(Level::Beginner)), 1);
}

void tst_Accessibility::resultPictureTakesTheFocusButGuessesNothing()
{
    chooseLevel(Level::Intermediate);
    PictureBox *shown = m_main->ui().PicIntermediateResult;
    QVERIFY(!offersPress(shown));
    shown->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(shown->hasFocus());
    QTest::keyClick(shown, Qt::Key_Space);
    QTest::keyClick(shown, Qt::Key_Return);
    QTest::mouseClick(shown, Qt::LeftButton);
    QVERIFY(m_run->platform.sleeps.isEmpty());
}

// The focus frame is for the keyboard: a click leaves the picture as it
// was, and the frame goes when the focus moves on. The box keeps its size.
void tst_Accessibility::focusFrameShowsOnlyForTheKeyboard()
{
    chooseLevel(Level::Beginner);
    PictureBox *picture = m_main->ui().cmdZener[3];
    const QSize size = picture->size();
    const QImage plain = picture->grab().toImage();

    m_run->random.push(ScriptedRandom::forSymbol(4, 5));
    answerResult();
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(m_run->platform.sleeps.size(), 1);
    QVERIFY(!picture->hasFocus());
    QCOMPARE(picture->grab().toImage(), plain);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    // The window's own choice of a focus widget shows no frame either.
    picture->setFocus(Qt::ActiveWindowFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    QCOMPARE(picture->grab().toImage(), plain);

    m_main->ui().cmdZener[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_main->ui().cmdZener[2], Qt::Key_Tab);
    QTRY_VERIFY(picture->hasFocus());
    QVERIFY(picture->grab().toImage() != plain);
    QCOMPARE(picture->size(), size);

    QTest::keyClick(picture, Qt::Key_Tab);
    QTRY_VERIFY(!picture->hasFocus());
    QCOMPARE(picture->grab().toImage(), plain);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
