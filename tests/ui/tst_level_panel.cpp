#include "window_test_support.h"

#include "ui/level_panel.h"
#include "ui/symbol_names.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Level)

// A level's panel on its own: each of its forms gives every level the same
// behaviour, whatever its layout.
class tst_LevelPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyChoiceTellsItsLevelAndPosition_data();
    void everyChoiceTellsItsLevelAndPosition();
    void preparedPanelShowsEveryChoiceAndARestingResult_data();
    void preparedPanelShowsEveryChoiceAndARestingResult();
    void drawnSymbolShowsUntilThePanelRests_data();
    void drawnSymbolShowsUntilThePanelRests();

private:
    static void addLevels();

    SymbolPictures m_pictures;
};

void tst_LevelPanel::initTestCase()
{
    m_pictures = SymbolPictures::load();
}

void tst_LevelPanel::addLevels()
{
    QTest::addColumn<Level>("level");
    for (Level level : AllLevels)
        QTest::newRow(levelName(level)) << level;
}

void tst_LevelPanel::everyChoiceTellsItsLevelAndPosition_data()
{
    addLevels();
}

void tst_LevelPanel::everyChoiceTellsItsLevelAndPosition()
{
    QFETCH(Level, level);
    LevelPanel panel(level, m_pictures);
    QSignalSpy clicked(&panel, &LevelPanel::choiceClicked);
    QSignalSpy score(&panel, &LevelPanel::scoreRequested);
    for (int position = 0; position < symbolCount(level); ++position) {
        PictureButton *choice = panel.choice(position);
        QVERIFY(panel.isAncestorOf(choice));
        QTest::mouseClick(choice, Qt::LeftButton);
        QCOMPARE(clicked.size(), position + 1);
        QCOMPARE(clicked.last().at(0).value<Level>(), level);
        QCOMPARE(clicked.last().at(1).toInt(), position);
    }
    QCOMPARE(score.size(), 0);
}

void tst_LevelPanel::preparedPanelShowsEveryChoiceAndARestingResult_data()
{
    addLevels();
}

// Built, a panel has decoded no picture; prepared, each choice shows its
// symbol, named for screen readers, and the result the resting picture.
void tst_LevelPanel::preparedPanelShowsEveryChoiceAndARestingResult()
{
    QFETCH(Level, level);
    LevelPanel panel(level, m_pictures);
    for (int position = 0; position < symbolCount(level); ++position)
        QVERIFY(panel.choice(position)->picture().isNull());
    QVERIFY(panel.result()->pixmap().isNull());

    panel.prepare();
    QSet<QString> names;
    for (int position = 0; position < symbolCount(level); ++position) {
        PictureButton *choice = panel.choice(position);
        QVERIFY(samePicture(choice->picture(), m_pictures.forLevel(level).picture(position + 1)));
        names << choice->accessibleName();
    }
    QCOMPARE(names.size(), symbolCount(level));
    QVERIFY(!names.contains(QString()));
    QVERIFY(samePicture(panel.result()->pixmap(), m_pictures.restingPicture()));
    QCOMPARE(panel.result()->accessibleName(), restingPictureName());
}

void tst_LevelPanel::drawnSymbolShowsUntilThePanelRests_data()
{
    addLevels();
}

void tst_LevelPanel::drawnSymbolShowsUntilThePanelRests()
{
    QFETCH(Level, level);
    LevelPanel panel(level, m_pictures);
    panel.prepare();
    const int drawn = symbolCount(level);
    panel.showDrawn(drawn);
    QVERIFY(samePicture(panel.result()->pixmap(), panel.choice(drawn - 1)->picture()));
    QCOMPARE(panel.result()->accessibleName(), panel.choice(drawn - 1)->accessibleName());

    // Preparing again, as each showing does, keeps the drawn symbol.
    panel.prepare();
    panel.restIfBlank();
    QVERIFY(samePicture(panel.result()->pixmap(), panel.choice(drawn - 1)->picture()));

    panel.rest();
    QVERIFY(samePicture(panel.result()->pixmap(), m_pictures.restingPicture()));
    QCOMPARE(panel.result()->accessibleName(), restingPictureName());
}

QTEST_MAIN(tst_LevelPanel)
#include "tst_level_panel.moc"
