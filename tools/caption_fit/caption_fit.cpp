// Measures translated captions against the controls that show them.
//
//   caption_fit GLOSSARY.tsv           checks every row; exits 1 if a German text
//                                      does not fit or breaks a rule of its row
//   caption_fit --write GLOSSARY.tsv   also writes the verdicts into the fits column
//   caption_fit --try 'SHAPE' TEXT...   measures texts against one control (SHAPE as
//                                      in the control column), to try out wordings
//
// Runs headless (QT_QPA_PLATFORM=offscreen is set unless given) with the
// design's font, so the numbers are those of the program's own controls.

#include "caption_measure.h"
#include "control_shape.h"
#include "glossary_file.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

namespace {

QString describe(const Extent &de, const Extent &en)
{
    if (!de.bounded)
        return QStringLiteral("yes (no fixed width; de %1 px, en %2 px)").arg(de.need).arg(en.need);
    QString verdict = de.fits() ? QStringLiteral("yes") : QStringLiteral("NO");
    if (!de.fits() && !en.fits() && de.noWorseThan(en))
        verdict = QStringLiteral("as English");
    if (de.byHeight && de.visible > 0)
        return QStringLiteral("%1 (de %2 lines, %3 of %4 px high, widest line %5 of %6 px shown; en %7 lines, %8 px, widest %9 px)")
            .arg(verdict).arg(de.lines).arg(de.need).arg(de.capacity).arg(de.widest).arg(de.visible)
            .arg(en.lines).arg(en.need).arg(en.widest);
    if (de.byHeight)
        return QStringLiteral("%1 (de %2 lines, %3 of %4 px high; en %5 lines, %6 px)")
            .arg(verdict).arg(de.lines).arg(de.need).arg(de.capacity).arg(en.lines).arg(en.need);
    return QStringLiteral("%1 (de %2 of %3 px; en %4 px)").arg(verdict).arg(de.need).arg(de.capacity).arg(en.need);
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const auto &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

// Rules of a row that hold whatever the control: the same %N markers, the same
// number of line breaks, an access key exactly where the English has one.
QStringList ruleBreaks(const GlossaryRow &row, const ControlShape &shape)
{
    QStringList problems;
    if (row.german.trimmed().isEmpty())
        problems << QStringLiteral("no German text");
    if (placeholders(row.english) != placeholders(row.german))
        problems << QStringLiteral("placeholders differ");
    if (row.english.count(QLatin1Char('\n')) != row.german.count(QLatin1Char('\n'))
        || row.english.count(QLatin1Char('\r')) != row.german.count(QLatin1Char('\r')))
        problems << QStringLiteral("line breaks differ");
    const bool mnemonics = shape.kind != ControlShape::Kind::Label && shape.kind != ControlShape::Kind::LineEdit
        && shape.kind != ControlShape::Kind::ScoreLine;
    if (mnemonics && accessKey(row.english).isNull() != accessKey(row.german).isNull())
        problems << QStringLiteral("access key only in one language");
    return problems;
}

// The group whose access keys must differ: a menu ("fileMenu.score" is in
// "fileMenu"), or else the window.
QString keyGroup(const GlossaryRow &row, const ControlShape &shape)
{
    return shape.role.contains(QLatin1Char('.')) ? shape.role.section(QLatin1Char('.'), 0, 0) : row.context;
}

// The widest line of a score report that a piece takes part in: level label,
// count, " Correct Out Of ", count, " Attempts", with five-digit counts.
Extent scoreLineExtent(const QList<GlossaryRow> &rows, const QList<ControlShape> &shapes, qsizetype index,
                       bool german)
{
    const GlossaryRow &row = rows.at(index);
    QStringList labels;
    QString correct;
    QString attempts;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).context != row.context || shapes.at(i).kind != ControlShape::Kind::ScoreLine)
            continue;
        const QString &text = german ? rows.at(i).german : rows.at(i).english;
        if (shapes.at(i).role == QLatin1String("correctOutOf"))
            correct = text;
        else if (shapes.at(i).role == QLatin1String("attempts"))
            attempts = text;
        else if (i == index || !shapes.at(index).role.endsWith(QLatin1String("Label")))
            labels << text;
    }
    Extent widest;
    for (const QString &label : labels) {
        const QString line = label + QStringLiteral("32767") + correct + QStringLiteral("32767") + attempts;
        const Extent extent = measure(shapes.at(index), line);
        if (extent.need > widest.need)
            widest = extent;
    }
    return widest;
}

int tryWordings(const QStringList &arguments)
{
    ControlShape shape;
    QString error;
    if (!parseControlShape(arguments.value(0), shape, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    for (const QString &text : arguments.mid(1)) {
        const Extent extent = measure(shape, unescapeCell(text));
        QString detail;
        if (extent.byHeight)
            detail = QStringLiteral(" high, %1 lines").arg(extent.lines);
        if (extent.visible > 0)
            detail += QStringLiteral(", widest %1 of %2 px shown").arg(extent.widest).arg(extent.visible);
        std::printf("%-4s %4d of %4d px%s  %s\n", extent.fits() ? "yes" : "NO", extent.need, extent.capacity,
                    qPrintable(detail), qPrintable(text));
        if (shape.kind == ControlShape::Kind::Label && shape.wrap) {
            QStringList lines;
            wrappedLines(shape.font(), shownText(shape, unescapeCell(text)), shape.width, &lines);
            for (const QString &line : std::as_const(lines))
                std::printf("       %s\n", qPrintable(line));
        }
    }
    return 0;
}

int checkGlossary(const QString &path, bool write)
{
    QList<GlossaryRow> rows;
    QString error;
    if (!readGlossary(path, rows, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    QList<ControlShape> shapes(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!parseControlShape(rows.at(i).control, shapes[i], error)) {
            std::fprintf(stderr, "row %lld (%s): %s\n", qlonglong(i + 2), qPrintable(rows.at(i).english),
                         qPrintable(error));
            return 2;
        }
    }

    int failures = 0;
    int asEnglish = 0;
    QHash<QString, QHash<QChar, QString>> keysInGroup;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        GlossaryRow &row = rows[i];
        const ControlShape &shape = shapes.at(i);
        Extent de = measure(shape, row.german);
        Extent en = measure(shape, row.english);
        if (shape.kind == ControlShape::Kind::ScoreLine) {
            de = scoreLineExtent(rows, shapes, i, true);
            en = scoreLineExtent(rows, shapes, i, false);
        } else if (shape.kind == ControlShape::Kind::MenuBar) {
            QStringList germanBar;
            QStringList englishBar;
            for (qsizetype j = 0; j < rows.size(); ++j) {
                if (rows.at(j).context == row.context && shapes.at(j).kind == ControlShape::Kind::MenuBar) {
                    germanBar << rows.at(j).german;
                    englishBar << rows.at(j).english;
                }
            }
            de = {menuBarNeed(shape, germanBar), shape.width};
            en = {menuBarNeed(shape, englishBar), shape.width};
        }
        QStringList problems = ruleBreaks(row, shape);
        const QChar key = accessKey(row.german);
        if (!key.isNull()) {
            QHash<QChar, QString> &keys = keysInGroup[keyGroup(row, shape)];
            if (keys.contains(key) && keys.value(key) != row.german)
                problems << QStringLiteral("access key '%1' also in \"%2\"").arg(key).arg(keys.value(key));
            keys.insert(key, row.german);
        }
        const QString verdict = describe(de, en);
        // A caption that overflows no more than the English one does is left to the design.
        if ((!de.fits() && !(!en.fits() && de.noWorseThan(en))) || !problems.isEmpty())
            ++failures;
        else if (!de.fits())
            ++asEnglish;
        row.fits = verdict;
        std::printf("%-13s %-22s %s%s\n   %s\n", qPrintable(row.context), qPrintable(shape.role), qPrintable(verdict),
                    problems.isEmpty() ? "" : qPrintable(QStringLiteral("  !! ") + problems.join(QStringLiteral("; "))),
                    qPrintable(escapeCell(row.german)));
    }
    std::printf("%lld rows, %d with a German text that does not fit or breaks a rule, "
                "%d overflowing no more than the English text\n",
                qlonglong(rows.size()), failures, asEnglish);
    if (write && !writeGlossary(path, rows, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--try"))
        return tryWordings(arguments.mid(1));
    const bool write = arguments.removeAll(QStringLiteral("--write")) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: caption_fit [--write] GLOSSARY.tsv | caption_fit --try SHAPE TEXT...\n");
        return 2;
    }
    return checkGlossary(arguments.first(), write);
}
