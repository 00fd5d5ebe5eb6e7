#include "services/history_csv.h"

#include <QDate>

#include <cstdio>

namespace {

// "2026-12-11T13:05:00.250Z", written by hand: a million of them must not
// take the time of a million QDateTime conversions.
QByteArray isoUtcTime(std::int64_t milliseconds)
{
    constexpr std::int64_t Day = 86'400'000;
    std::int64_t days = milliseconds / Day;
    std::int64_t ofDay = milliseconds % Day;
    if (ofDay < 0) {
        ofDay += Day;
        --days;
    }
    const QDate date = QDate(1970, 1, 1).addDays(days);
    char text[40];
    const int size = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", date.year(), date.month(),
                                   date.day(), int(ofDay / 3'600'000), int(ofDay / 60'000 % 60),
                                   int(ofDay / 1000 % 60), int(ofDay % 1000));
    return QByteArray(text, size);
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

QByteArray historyCsvLevelName(Level level)
{
    switch (level) {
    case Level::Beginner:
        return QByteArrayLiteral("Beginner");
    case Level::Intermediate:
        return QByteArrayLiteral("Intermediate");
    case Level::Expert:
        return QByteArrayLiteral("Expert");
    }
    return {};
}

QByteArray historyCsvHeader()
{
    return QByteArrayLiteral("time,level,guessed,drawn,right,run,program_version\r\n");
}

void appendHistoryCsvRow(QByteArray &out, std::int64_t timeMilliseconds, Level level, int guessed, int drawn,
                         bool right, const QString &runId, const QString &programVersion)
{
    out += isoUtcTime(timeMilliseconds);
    out += ',';
    out += historyCsvLevelName(level);
    out += ',';
    out += QByteArray::number(guessed);
    out += ',';
    out += QByteArray::number(drawn);
    out += right ? ",1," : ",0,";
    out += csvField(runId);
    out += ',';
    out += csvField(programVersion);
    out += "\r\n";
}
