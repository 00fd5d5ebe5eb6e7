#include "ui/statistics_window.h"

#include "services/history_keeper.h"
#include "services/platform.h"
#include "ui/layouts/statistics_window_looks.h"
#include "ui/statistics_texts.h"
#include "ui/symbol_names.h"
#include "ui/widgets/hit_rate_chart.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>

#include "ui_statistics_window.h"

#include <algorithm>

namespace {

// Every row of both tables shows and no column is cut: the tables ask for
// the room their contents take, and the window grows to give it. The two
// tables share their column widths, so that they read as one.
void fitToContents(std::initializer_list<QTableWidget *> tables)
{
    QList<int> widths;
    for (QTableWidget *table : tables) {
        table->resizeColumnsToContents();
        table->resizeRowsToContents();
        widths.resize(table->columnCount());
        for (int column = 0; column < table->columnCount(); ++column)
            widths[column] = std::max(widths[column], table->columnWidth(column));
    }
    for (QTableWidget *table : tables) {
        const int frame = table->frameWidth() * 2;
        int width = frame;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (table->isColumnHidden(column))
                continue;
            table->setColumnWidth(column, widths[column]);
            width += widths[column];
        }
        // The header's own height is not known before the table is first shown.
        int height = frame + table->horizontalHeader()->sizeHint().height();
        for (int row = 0; row < table->rowCount(); ++row)
            height += table->rowHeight(row);
        table->setMinimumWidth(width);
        table->setFixedHeight(height);
    }
}

} // namespace

StatisticsWindow::StatisticsWindow(Platform &platform, WindowRegistry &windows, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::StatisticsWindow>())
{
    m_ui->setupUi(this);
    Design::dressStatisticsWindow(this, *m_ui);
    // Numbers as the user writes them, in the tables and the chart alike.
    setLocale(platform.locale());
    windows.add(this);

    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &StatisticsWindow::reject);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &StatisticsWindow::exportHistory);
    connect(m_ui->forgetButton, &QPushButton::clicked, this, &StatisticsWindow::forgetHistory);
    connect(m_ui->chartLevel, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showChart);
    refresh();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::showUpToDate(HistoryKeeper *history)
{
    follow(history);
    refresh();
    show();
    raise();
    activateWindow();
    tellAboutTheHistoryOnce();
}

void StatisticsWindow::showEvent(QShowEvent *event)
{
    // Sized for the figures it first shows, before it reaches the screen.
    if (!m_shownBefore) {
        m_shownBefore = true;
        fitToScreen();
    }
    QDialog::showEvent(event);
}

void StatisticsWindow::fitToScreen()
{
    // All of it where the screen has the room, else as much as fits, the
    // rest scrolling; not the two thirds of the screen that a window gets by
    // default, which would leave a normal window scrolling.
    // The page asks for the whole of its contents, which it does not tell
    // its window by itself when they change.
    m_ui->page->updateGeometry();
    QSize size = sizeHint();
    if (const QScreen *place = screen()) {
        const int titleBar = 2 * fontMetrics().height();
        size = size.boundedTo(place->availableGeometry().size() - QSize(titleBar / 2, titleBar));
    }
    resize(size);
}

void StatisticsWindow::follow(HistoryKeeper *history)
{
    // The history opens once the main window is on screen, so a window made
    // before then starts following it when next shown.
    if (!history || history == m_history)
        return;
    m_history = history;
    // Each guess costs O(1) here; only a change of the whole history (read
    // at last, or forgotten) is gathered anew.
    connect(history, &HistoryKeeper::guessAdded, this, &StatisticsWindow::addGuess);
    connect(history, &HistoryKeeper::notYetSavedChanged, this, &StatisticsWindow::setNotYetSaved);
    connect(history, &HistoryKeeper::loaded, this, &StatisticsWindow::refresh);
    connect(history, &HistoryKeeper::cleared, this, &StatisticsWindow::refresh);
}

void StatisticsWindow::refresh()
{
    const HistoryKeeper *history = m_history.data();
    showSnapshot(history ? history->snapshot() : HistorySnapshot{});
}

void StatisticsWindow::showSnapshot(const HistorySnapshot &snapshot)
{
    m_statistics = gatherHistoryStatistics(snapshot);
    for (Level level : AllLevels)
        fillRow(level);
    fitTables();
    showNotes();

    const bool anyStored = enableHistoryActions();
    // The chart first shows the level with the most stored guesses, then
    // stays with the user's choice.
    if (!m_chartLevelChosen && anyStored) {
        const auto &levels = m_statistics.levels;
        const auto most = std::max_element(levels.begin(), levels.end(), [](const auto &a, const auto &b) {
            return a.allTime.guesses < b.allTime.guesses;
        });
        const QSignalBlocker quiet(m_ui->chartLevel);
        m_ui->chartLevel->setCurrentIndex(int(most - levels.begin()));
    }
    showChart(m_ui->chartLevel->currentIndex());
}

void StatisticsWindow::addGuess(Level level, bool right)
{
    m_statistics[level].addGuess(right);
    fillRow(level);
    fitTables();
    m_ui->tailsNote->setText(StatisticsTexts(locale()).fixedSampleTails(m_statistics));
    enableHistoryActions();
    if (m_ui->chartLevel->currentIndex() == levelIndex(level))
        showChart(levelIndex(level));
}

void StatisticsWindow::setNotYetSaved(std::int64_t count)
{
    m_statistics.notYetSaved = count;
    showNotes();
}

void StatisticsWindow::fillRow(Level level)
{
    const StatisticsTexts texts(locale());
    const int row = levelIndex(level);
    const LevelHistory &history = m_statistics[level];
    for (QTableWidget *table : {m_ui->thisRunTable, m_ui->allTimeTable}) {
        const LevelStatistics &figures = table == m_ui->allTimeTable ? history.allTime : history.thisRun;
        const auto set = [&](int column, const QString &text) { table->item(row, column)->setText(text); };
        set(GuessesColumn, texts.count(figures.guesses));
        set(RightColumn, texts.count(figures.rights));
        set(HitRateColumn, texts.hitRate(figures));
        set(IntervalColumn, texts.interval(figures));
        set(ChanceColumn, texts.chanceAlone(level));
        set(DifferenceColumn, texts.differenceFromChance(figures));
        // This run is told as it is; only the whole history has a verdict.
        set(VerdictColumn,
            table == m_ui->allTimeTable ? texts.verdict(figures.verdict) : QString());
    }
}

bool StatisticsWindow::enableHistoryActions()
{
    bool anyGuesses = false;
    for (const LevelHistory &level : m_statistics.levels)
        anyGuesses = anyGuesses || level.allTime.guesses > 0;
    // Guesses not yet saved are counted, but only a readable file can be
    // exported or forgotten.
    const HistoryKeeper *history = m_history.data();
    const bool fileReadable = history && history->isAvailable();
    m_ui->exportButton->setEnabled(anyGuesses && fileReadable);
    m_ui->forgetButton->setEnabled(anyGuesses && fileReadable);
    return anyGuesses;
}

void StatisticsWindow::fitTables()
{
    fitToContents({m_ui->thisRunTable, m_ui->allTimeTable});
}

void StatisticsWindow::showNotes()
{
    const StatisticsTexts texts(locale());
    QStringList notes;
    const HistoryKeeper *history = m_history.data();
    if (history && history->isLoaded() && !history->isAvailable())
        notes << tr("The history cannot be read just now, so only this run's guesses are shown: %1")
                     .arg(history->unavailableReason());
    if (m_statistics.ignoredRows > 0)
        notes << tr("Rows in the history that cannot be real guesses, ignored: %1.")
                     .arg(texts.count(m_statistics.ignoredRows));
    if (m_statistics.notYetSaved > 0)
        notes << tr("Guesses not yet saved: %1. They count here, and are saved as soon as the history can be "
                    "written again.")
                     .arg(texts.count(m_statistics.notYetSaved));
    m_ui->historyNote->setText(notes.join(QLatin1Char('\n')));
    m_ui->historyNote->setVisible(!notes.isEmpty());
    m_ui->tailsNote->setText(texts.fixedSampleTails(m_statistics));
    m_ui->powerNote->setText(texts.powerLine());
}

void StatisticsWindow::showChart(int level)
{
    if (level < 0 || level >= int(m_statistics.levels.size()))
        return;
    m_chartLevelChosen = m_chartLevelChosen || sender() == m_ui->chartLevel;
    const LevelHistory &history = m_statistics.levels[std::size_t(level)];
    const Level shown = AllLevels[std::size_t(level)];
    m_ui->chart->setSeries(history.runningHitRate.points(), 1.0 / symbolCount(shown));
    m_ui->chart->setAccessibleDescription(StatisticsTexts(locale()).chartSummary(history));
}

void StatisticsWindow::tellAboutTheHistoryOnce()
{
    const HistoryKeeper *history = m_history.data();
    if (m_toldAboutTheHistory || !history || !history->isLoaded())
        return;
    m_toldAboutTheHistory = true;
    switch (history->state()) {
    case GuessHistory::State::StartedAfresh:
        m_platform.showMessage(this,
                               tr("The history of your guesses could not be read. It was moved aside to %1 and a "
                                  "new history has begun.")
                                   .arg(QDir::toNativeSeparators(history->setAsidePath())),
                               Platform::Buttons::Ok, Platform::Icon::Information, windowTitle());
        break;
    case GuessHistory::State::Unavailable: {
        QString reason = history->unavailableReason();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        m_platform.showMessage(
            this,
            tr("Your history cannot be read or written: %1. The test goes on: the guesses of this run are kept "
               "in memory and saved as soon as the history can be written.")
                .arg(reason),
            Platform::Buttons::Ok, Platform::Icon::Warning, windowTitle());
        break;
    }
    case GuessHistory::State::Ready:
        break;
    }
}

void StatisticsWindow::exportHistory()
{
    if (!m_history)
        return;
    m_platform.askSaveFileName(this, tr("Export History"), tr("corvella-history.csv"),
                               tr("CSV files (*.csv);;All files (*)"), [this](const QString &path) {
                                   if (!path.isEmpty())
                                       exportHistoryTo(path);
                               });
}

void StatisticsWindow::exportHistoryTo(const QString &path)
{
    // The history may have gone while the user chose the place.
    HistoryKeeper *history = m_history.data();
    if (!history)
        return;
    // The history's thread writes the file row by row; the window stays
    // responsive, and cancelling leaves no file behind.
    auto *progress = new QProgressDialog(tr("Exporting the history to %1 ...").arg(QDir::toNativeSeparators(path)),
                                         tr("Cancel"), 0, 0, this);
    progress->setObjectName(QStringLiteral("exportProgress"));
    progress->setWindowTitle(tr("Export History"));
    progress->setMinimumDuration(0);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress, &QProgressDialog::canceled, history, &HistoryKeeper::cancelExport);
    connect(history, &HistoryKeeper::exportProgress, progress, [progress](std::int64_t written, std::int64_t total) {
        // QProgressDialog counts in int; a thousand steps are plenty.
        progress->setMaximum(1000);
        progress->setValue(total > 0 ? int(std::min<std::int64_t>(1000, written * 1000 / total)) : 0);
    });
    connect(history, &HistoryKeeper::exportFinished, progress,
            [this, progress, path](bool exported, bool cancelled, const QString &error) {
                progress->close();
                if (!exported && !cancelled)
                    m_platform.showMessage(
                        this,
                        tr("The history could not be exported to %1: %2").arg(QDir::toNativeSeparators(path), error),
                        Platform::Buttons::Ok, Platform::Icon::Critical, windowTitle());
            });
    progress->open();
    history->exportCsv(path);
}

void StatisticsWindow::forgetHistory()
{
    if (!m_history)
        return;
    m_platform.showMessage(
        this,
        tr("Forget every guess in your history? They are deleted from the history file and from its log, so that "
           "they cannot be read back, and the verdict starts over with no evidence. This cannot be undone. The "
           "score of this run stays as it is."),
        Platform::Buttons::YesNo, Platform::Icon::Warning, tr("Forget History"), [this](Platform::Answer answer) {
            if (answer == Platform::Answer::Yes)
                forgetHistoryNow();
        });
}

void StatisticsWindow::forgetHistoryNow()
{
    // The history may have gone while the user answered.
    HistoryKeeper *history = m_history.data();
    if (!history)
        return;
    connect(
        history, &HistoryKeeper::forgetFinished, this,
        [this, history](GuessHistory::ForgetResult result, const QString &error) {
            switch (result) {
            case GuessHistory::ForgetResult::Forgotten:
                break;
            case GuessHistory::ForgetResult::LogNotEmptied:
                m_platform.showMessage(
                    this,
                    tr("Your guesses were deleted from the history file, but its log %1 could not be emptied (%2): "
                       "copies of them may remain there until the program next writes to the history.")
                        .arg(QDir::toNativeSeparators(history->filePath() + QStringLiteral("-wal")), error),
                    Platform::Buttons::Ok, Platform::Icon::Warning, windowTitle());
                break;
            case GuessHistory::ForgetResult::Failed:
                m_platform.showMessage(this, tr("The history could not be deleted: %1").arg(error),
                                       Platform::Buttons::Ok, Platform::Icon::Critical, windowTitle());
                break;
            }
            refresh();
        },
        Qt::SingleShotConnection);
    history->forget();
}
