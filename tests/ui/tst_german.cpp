#include "fakes/tallies.h"
#include "fakes/test_run.h"
#include "find_control.h"
#include "shown_texts.h"
#include "window_scenes.h"

#include "app/translation.h"
#include "services/app_info.h"
#include "services/web_links.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/refer_a_friend.h"
#include "ui/result_dialog.h"
#include "ui/statistics_texts.h"
#include "ui/statistics_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>
#include <QUrlQuery>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

enum class Language { English, German };
enum class Window { Main, LevelChoice, Score, ResultRight, ResultWrong, About, Exit, Statistics };

// The program in the given language for as long as this lives; German as a
// German desktop gets it.
struct InLanguage
{
    explicit InLanguage(Language language)
    {
        if (language == Language::German)
            installed = installTranslation(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany));
    }
    ~InLanguage() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }
    bool installed = false;
};

std::unique_ptr<QWidget> makeWindow(Window kind, TestRun &run)
{
    switch (kind) {
    case Window::Main: {
        run.test.setLevelChosen(true);
        auto main = std::make_unique<MainWindow>(run.context);
        // Every level's panel, each with its own form; Beginner's in front.
        for (Level level : {Level::Expert, Level::Intermediate, Level::Beginner})
            main->showLevel(level);
        control<QFrame>(main.get(), "waitPanel")->show();
        return main;
    }
    case Window::LevelChoice:
        return std::make_unique<LevelDialog>(run.platform, run.test);
    case Window::Score: {
        // Counts of a long evening's test.
        for (Level level : AllLevels)
            recordTally(run.test, level, 120, 1000);
        auto dialog = std::make_unique<LevelDialog>(run.platform, run.test);
        dialog->showScoreView();
        return dialog;
    }
    case Window::ResultRight:
    case Window::ResultWrong: {
        auto result = std::make_unique<ResultDialog>();
        result->setMessage(kind == Window::ResultRight ? Outcome::Right : Outcome::Wrong);
        return result;
    }
    case Window::About:
        return std::make_unique<AboutBox>(run.platform);
    case Window::Exit:
        return std::make_unique<ExitScreen>(run.platform, run.random, run.windows);
    case Window::Statistics:
        return std::make_unique<StatisticsWindow>(run.platform, run.windows);
    }
    return nullptr;
}

// The part of the control that its containers leave on the screen.
QRect seenPart(const QWidget *control)
{
    QRect seen = control->rect();
    for (const QWidget *outer = control->parentWidget(); outer && !control->isWindow(); outer = outer->parentWidget()) {
        seen &= QRect(control->mapFrom(outer, QPoint(0, 0)), outer->size());
        if (outer->isWindow())
            break;
    }
    return seen;
}

// Why the control's caption does not fit the part of it the user sees, by
// the control's own font; empty when it fits.
QString misfit(const QWidget *control)
{
    const QFontMetrics metrics(control->font());
    const QRect seen = seenPart(control);
    QString caption;
    QSize needed;
    QSize room = seen.size();
    if (auto *button = qobject_cast<const QPushButton *>(control)) {
        caption = button->text();
        caption.remove(QRegularExpression(QStringLiteral("&(?=.)")));
        needed = QSize(metrics.horizontalAdvance(caption) + 8, metrics.height());
    } else if (auto *option = qobject_cast<const QRadioButton *>(control)) {
        caption = option->text();
        needed = option->sizeHint();
    } else if (auto *group = qobject_cast<const QGroupBox *>(control)) {
        // From where the style puts the caption up to the box's right border.
        caption = group->title();
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = caption;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        needed = QSize(title.left() + metrics.horizontalAdvance(caption) + 1, metrics.height());
    } else if (auto *edit = qobject_cast<const QLineEdit *>(control)) {
        caption = edit->text();
        needed = QSize(metrics.horizontalAdvance(caption) + 4, metrics.height());
    } else if (auto *box = qobject_cast<const QPlainTextEdit *>(control)) {
        // A report box must show its whole report without scrolling.
        if (box->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && box->verticalScrollBar()->maximum() > 0)
            return QStringLiteral("%1 needs scrolling").arg(control->objectName());
        return {};
    } else if (qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control)) {
        auto *label = qobject_cast<const QLabel *>(control);
        caption = label ? label->text() : static_cast<const QAbstractButton *>(control)->text();
        if (label && label->textFormat() == Qt::RichText)
            return {};
        const bool wraps = !label || label->wordWrap();
        // A label for another control shows its "&" as the access key.
        const int mnemonic = label && label->buddy() ? Qt::TextShowMnemonic : 0;
        const QRect inside = control->contentsRect();
        room = (seen & inside).size();
        needed = metrics.boundingRect(QRect(0, 0, inside.width(), 100000), (wraps ? Qt::TextWordWrap : 0) | mnemonic, caption).size();
        // The last line's descent, blank below most letters, may lose a pixel.
        needed.rheight() -= 1;
    }
    if (caption.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height()))
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
        .arg(control->objectName(), caption)
        .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
}

QStringList misfitsOnScreen(QWidget *window)
{
    QStringList misfits;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisible() && !control->isWindow() && !seenPart(control).isEmpty())
            misfits << misfit(control);
    }
    // The menu bar holds all its entries in one line.
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        const QList<QAction *> entries = bar->actions();
        if (!entries.isEmpty() && bar->actionGeometry(entries.last()).right() >= bar->width())
            misfits << QStringLiteral("the menu bar's entries run past its end");
    }
    misfits.removeAll(QString());
    return misfits;
}

} // namespace

Q_DECLARE_METATYPE(Window)
using window_scenes::Scene;
Q_DECLARE_METATYPE(Scene)

// German is longer than English; every caption must still be read whole.
class tst_German : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void everyVisibleTextIsGerman_data();
    void everyVisibleTextIsGerman();
    void germanPlaceholderCountsAsEmpty();
    void referralAddressIsTheSameInEveryLanguage();
    void largeOddsAgreeWithTheirFigure_data();
    void largeOddsAgreeWithTheirFigure();
};

void tst_German::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(QCoreApplication::instance()->findChildren<QTranslator *>().isEmpty());
}

// In English the reference pictures show every caption whole.
void tst_German::everyCaptionFitsItsControl_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<float>("draw"); // the exit screen's pick of its message
    QTest::newRow("main window") << Window::Main << 0.0f;
    QTest::newRow("level choice") << Window::LevelChoice << 0.0f;
    QTest::newRow("score") << Window::Score << 0.0f;
    QTest::newRow("result, right") << Window::ResultRight << 0.0f;
    QTest::newRow("result, wrong") << Window::ResultWrong << 0.0f;
    QTest::newRow("about box") << Window::About << 0.0f;
    for (int message = 0; message < 4; ++message)
        QTest::addRow("exit screen, message %d", message) << Window::Exit << message / 4.0f;
    QTest::newRow("statistics") << Window::Statistics << 0.0f;
}

void tst_German::everyCaptionFitsItsControl()
{
    QFETCH(Window, window);
    QFETCH(float, draw);
    const InLanguage shownIn(Language::German);
    QVERIFY(shownIn.installed);
    TestRun run;
    run.random.push(draw);
    const std::unique_ptr<QWidget> shown = makeWindow(window, run);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    // Every page of every stack (the level panels, the branding offers, ...)
    // in turn, the others as they are.
    QStringList misfits = misfitsOnScreen(shown.get());
    for (QStackedWidget *stack : shown->findChildren<QStackedWidget *>()) {
        const int current = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            stack->setCurrentIndex(page);
            misfits << misfitsOnScreen(stack);
        }
        stack->setCurrentIndex(current);
    }
    misfits.removeDuplicates();
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral("; "))));
}

// A text the German file has no entry for under the context it is looked up
// in shows in English: a window whose form class was renamed, a text looked
// up under another window's name. Each window and dialog is opened as the
// program opens it, in English and in German, and every text it shows must
// differ, but for those the German file itself keeps as they are and those
// with no words (figures, addresses).
void tst_German::everyVisibleTextIsGerman_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::newRow("main window, each level after a guess, with its result") << Scene::LevelsAndResults;
    QTest::newRow("level dialog, level choice") << Scene::LevelChoice;
    QTest::newRow("level dialog, score view") << Scene::ScoreView;
    QTest::newRow("about box") << Scene::About;
    QTest::newRow("Statistics window") << Scene::Statistics;
    QTest::newRow("storage notice") << Scene::StorageNotice;
    QTest::newRow("exit screen") << Scene::Exit;
    QTest::newRow("messages") << Scene::Messages;
}

void tst_German::everyVisibleTextIsGerman()
{
    QFETCH(Scene, scene);
    const QList<QRegularExpression> kept = shown_texts::keptAsTheyAre(QStringLiteral(CORVELLA_GERMAN_TS));
    QVERIFY2(!kept.isEmpty(), "the German translation file cannot be read");
    const QMap<QString, QString> english = window_scenes::textsOfScene(scene);
    QVERIFY(!english.isEmpty());
    QMap<QString, QString> german;
    {
        const InLanguage shownIn(Language::German);
        QVERIFY(shownIn.installed);
        german = window_scenes::textsOfScene(scene);
    }

    QCOMPARE(german.keys(), english.keys());
    const QStringList sameEverywhere{AppInfo::name(), AppInfo::title()};
    QStringList stillEnglish;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QString text = shown_texts::withoutAccessKey(it.value());
        const bool keptAsItIs = std::any_of(kept.cbegin(), kept.cend(), [&text](const QRegularExpression &pattern) {
            return pattern.match(text).hasMatch();
        });
        if (german.value(it.key()) == it.value() && !keptAsItIs && !sameEverywhere.contains(text)
            && !shown_texts::hasNoWords(text))
            stillEnglish << QStringLiteral("%1 \"%2\"").arg(it.key(), it.value());
    }
    QVERIFY2(stillEnglish.isEmpty(), qPrintable(stillEnglish.join(QStringLiteral(";\n"))));
}

void tst_German::germanPlaceholderCountsAsEmpty()
{
    const InLanguage shownIn(Language::German);
    TestRun run;
    ExitScreen screen(run.platform, run.random, run.windows);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QLineEdit *name = control<QLineEdit>(&screen, "yourNameBox");
    const QString placeholder = name->text();
    QVERIFY2(placeholder != QLatin1String("Your Name"), "the placeholder is still English");
    QCOMPARE(placeholder, ReferAFriend::yourNamePlaceholder());

    // It leaves when the box takes the focus and comes back when left empty.
    name->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(name->text(), QString());
    control<QPushButton>(&screen, "referButton")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control<QPushButton>(&screen, "referButton")->hasFocus());
    QCOMPARE(name->text(), placeholder);

    // A form left with its German placeholders is refused as empty.
    const ReferAFriend::Fields untouched{ReferAFriend::yourNamePlaceholder(), QStringLiteral("me@example.org"),
                                         QStringLiteral("Hello"), QStringLiteral("Kim"),
                                         QStringLiteral("kim@example.org")};
    const QString refusal = ReferAFriend::fieldCheckFailure(untouched);
    QVERIFY(!refusal.isEmpty());
    ReferAFriend::Fields named = untouched;
    named.yourName = QStringLiteral("Alex");
    QVERIFY(ReferAFriend::fieldCheckFailure(named).isEmpty());
}

// The page that receives a referral reads the same keys and values whatever
// the language of the desktop that sends it.
void tst_German::referralAddressIsTheSameInEveryLanguage()
{
    const ReferAFriend::Fields fields{QStringLiteral("Jörg"), QStringLiteral("joerg@example.de"),
                                      QStringLiteral("Hallo & tschüss"), QStringLiteral("Kim"),
                                      QStringLiteral("kim@example.org")};
    const QString english = ReferAFriend::referUrl(fields);
    QString german;
    {
        const InLanguage shownIn(Language::German);
        QVERIFY(shownIn.installed);
        german = ReferAFriend::referUrl(fields);
    }
    QCOMPARE(german, english);
    const QUrlQuery query(QUrl(german).query());
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), fields.yourName);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded), programPageAddress());
}

void tst_German::largeOddsAgreeWithTheirFigure_data()
{
    QTest::addColumn<double>("log10Tail");
    QTest::newRow("1 in a million") << -6.0;
    QTest::newRow("1 in 999,999") << std::log10(1.0 / 999999.0);
    QTest::newRow("1 in a billion") << -9.0;
    QTest::newRow("1 in a trillion") << -12.0;
    QTest::newRow("1 in 3.1 million") << std::log10(1.0 / 3.14e6);
    QTest::newRow("1 in 20 billion") << std::log10(1.0 / 2e10);
}

// "1 Million", but "3,1 Millionen": the word for the scale agrees with the
// figure before it.
void tst_German::largeOddsAgreeWithTheirFigure()
{
    QFETCH(double, log10Tail);
    const InLanguage shownIn(Language::German);
    QVERIFY(shownIn.installed);
    const QString odds = StatisticsTexts(QLocale(QLocale::German, QLocale::Germany)).odds(log10Tail);
    static const QRegularExpression figureAndScale(QStringLiteral("(\\S+) (Million|Milliarde|Billion)(e?n)?$"));
    const QRegularExpressionMatch match = figureAndScale.match(odds);
    QVERIFY2(match.hasMatch(), qPrintable(odds));
    QVERIFY2(match.captured(3).isEmpty() == (match.captured(1) == QLatin1String("1")), qPrintable(odds));
}

QTEST_MAIN(tst_German)
#include "tst_german.moc"
