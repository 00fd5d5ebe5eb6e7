#include "main_window_access.h"

#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/level_dialog.h"
#include "ui/result_dialog.h"
#include "ui/widgets/link_button.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTextStream>

#include <cstring>

// At the scales a desktop offers, no control shows less of its text or its
// picture than at 1x, and none reaches out of its window further. Each scale
// needs a process of its own: the test runs itself with QT_SCALE_FACTOR set
// and the option below, which lists what is cut off in every window state.
namespace {

constexpr char listOption[] = "--list-cut-off";

QString pathOf(const QWidget *widget)
{
    QStringList names;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names.join(u'/');
}

// The room the control's text or picture takes, or an empty size if it
// shows neither.
QSize need(const QWidget *widget)
{
    const QRect room = widget->contentsRect();
    if (auto *picture = qobject_cast<const PictureButton *>(widget))
        return picture->picture().deviceIndependentSize().toSize();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (!label->pixmap().isNull())
            return label->pixmap().deviceIndependentSize().toSize();
        if (label->text().isEmpty())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->fontMetrics().boundingRect(room, flags, label->text()).size();
    }
    if (auto *link = qobject_cast<const LinkButton *>(widget)) {
        const int flags = int(link->alignment()) | (link->wordWrap() ? Qt::TextWordWrap : 0);
        return link->fontMetrics().boundingRect(room, flags, link->text()).size();
    }
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->fontMetrics().size(Qt::TextShowMnemonic, box->title());
    if (qobject_cast<const QAbstractButton *>(widget))
        return widget->minimumSizeHint();
    return {};
}

// Every visible control of the window that shows less than it holds or
// reaches out of its parent: "path: text" or "path: outside".
QStringList cutOff(const QWidget *window)
{
    QStringList found;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        const QSize needed = need(widget);
        const QSize room = widget->contentsRect().size();
        if (needed.width() > room.width() || needed.height() > room.height())
            found.append(pathOf(widget) + QStringLiteral(": text or picture"));
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            found.append(pathOf(widget) + QStringLiteral(": outside"));
    }
    return found;
}

void listState(QTextStream &out, const QString &state, QWidget *window)
{
    window->show();
    QCoreApplication::processEvents();
    for (const QString &line : cutOff(window))
        out << state << ' ' << line << '\n';
}

// Lists what is cut off in each window state, at this process's scale.
int listCutOff()
{
    QTextStream out(stdout);
    TestRun run;
    run.test.setLevelChosen(true);
    MainWindow main(run.context);
    listState(out, QStringLiteral("cover"), &main);
    for (Level level : AllLevels) {
        main.showLevel(level);
        listState(out, QString::fromLatin1(levelName(level)), &main);
    }
    control<QFrame>(&main, "waitPanel")->show();
    control<QFrame>(&main, "waitPanel")->raise();
    listState(out, QStringLiteral("wait"), &main);

    LevelDialog levels(run.platform, run.test);
    listState(out, QStringLiteral("level choice"), &levels);
    levels.showScoreView();
    listState(out, QStringLiteral("score"), &levels);
    ResultDialog result;
    listState(out, QStringLiteral("result"), &result);
    AboutBox about(run.platform);
    listState(out, QStringLiteral("about"), &about);
    ExitScreen exit(run.platform, run.random, run.windows);
    listState(out, QStringLiteral("exit"), &exit);
    return 0;
}

// What the test itself lists at a scale, as a set of lines.
QSet<QString> cutOffAt(const QString &scale, QString *error)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(listOption)});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("the listing at %1 failed: %2").arg(scale, QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return QSet<QString>(lines.begin(), lines.end());
}

} // namespace

class tst_ScaledLayout : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsCutOffThatIsWholeAt1x_data();
    void nothingIsCutOffThatIsWholeAt1x();
};

void tst_ScaledLayout::nothingIsCutOffThatIsWholeAt1x_data()
{
    QTest::addColumn<QString>("scale");
    for (const char *scale : {"1.25", "1.5", "2"})
        QTest::newRow(scale) << QString::fromLatin1(scale);
}

void tst_ScaledLayout::nothingIsCutOffThatIsWholeAt1x()
{
    QFETCH(QString, scale);
    QString error;
    const QSet<QString> atOnce = cutOffAt(QStringLiteral("1"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QSet<QString> scaled = cutOffAt(scale, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList worse = (scaled - atOnce).values();
    worse.sort();
    QVERIFY2(worse.isEmpty(), qPrintable(QStringLiteral("cut off at %1 but not at 1x:\n%2").arg(scale, worse.join(u'\n'))));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], listOption) == 0)
        return listCutOff();
    tst_ScaledLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaled_layout.moc"
