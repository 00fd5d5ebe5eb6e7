#include "glossary_file.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QString header = QStringLiteral("context\tenglish\tgerman\tcontrol\tfits");

} // namespace

QString unescapeCell(const QString &cell)
{
    QString text;
    text.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell.at(i);
        if (c != QLatin1Char('\\') || i + 1 == cell.size()) {
            text += c;
            continue;
        }
        const QChar next = cell.at(++i);
        switch (next.unicode()) {
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        default: // "\\" and any other escaped character stand for themselves
            text += next;
            break;
        }
    }
    return text;
}

QString escapeCell(const QString &text)
{
    QString cell;
    cell.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            cell += QStringLiteral("\\\\");
            break;
        case '\n':
            cell += QStringLiteral("\\n");
            break;
        case '\r':
            cell += QStringLiteral("\\r");
            break;
        case '\t':
            cell += QStringLiteral("\\t");
            break;
        default:
            cell += c;
            break;
        }
    }
    return cell;
}

bool readGlossary(const QString &path, QList<GlossaryRow> &rows, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (lineNumber == 1 && line == header)
            continue;
        if (line.isEmpty())
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != 5) {
            error = QStringLiteral("%1:%2: %3 columns instead of 5").arg(path).arg(lineNumber).arg(cells.size());
            return false;
        }
        rows.append({cells[0], unescapeCell(cells[1]), unescapeCell(cells[2]), cells[3], cells[4]});
    }
    return true;
}

bool writeGlossary(const QString &path, const QList<GlossaryRow> &rows, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream out(&file);
    out << header << '\n';
    for (const GlossaryRow &row : rows)
        out << row.context << '\t' << escapeCell(row.english) << '\t' << escapeCell(row.german) << '\t'
            << row.control << '\t' << row.fits << '\n';
    out.flush();
    if (!file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
