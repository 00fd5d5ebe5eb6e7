#include "services/history_csv.h"

namespace {

QString defaultLevelName(Level level)
{
    return QString::fromLatin1(levelName(level));
}

void appendRow(QByteArray &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += csvField(fields[i]);
    }
    out += "\r\n";
}

} // namespace

QByteArray csvField(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\r') && !utf8.contains('\n'))
        return utf8;
    QByteArray quoted = utf8;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

QByteArray historyCsv(const std::vector<StoredGuess> &guesses, const HistoryCsvTexts &texts)
{
    const std::function<QString(Level)> levelName = texts.levelName ? texts.levelName : defaultLevelName;
    const std::function<QString(Level, int)> symbolName =
        texts.symbolName ? texts.symbolName : [](Level, int symbol) { return QString::number(symbol); };
    QByteArray out("\xEF\xBB\xBF");
    out.reserve(qsizetype(guesses.size()) * 48 + 64);
    appendRow(out, texts.header);
    for (const StoredGuess &guess : guesses) {
        appendRow(out, {guess.time.toUTC().toString(Qt::ISODateWithMs), levelName(guess.level),
                        symbolName(guess.level, guess.guessed), symbolName(guess.level, guess.drawn),
                        guess.right ? texts.right : texts.wrong});
    }
    return out;
}
