#include "control_spec.h"

#include <QApplication>
#include <QFontDatabase>
#include <QRegularExpression>

namespace {

struct KindName
{
    const char *name;
    ControlSpec::Kind kind;
};

constexpr KindName kinds[] = {
    {"greyButton", ControlSpec::Kind::GreyButton},
    {"button", ControlSpec::Kind::Button},
    {"toggleButton", ControlSpec::Kind::Button},
    {"radio", ControlSpec::Kind::Radio},
    {"groupBox", ControlSpec::Kind::GroupBox},
    {"label", ControlSpec::Kind::Label},
    {"lineEdit", ControlSpec::Kind::LineEdit},
    {"scoreLine", ControlSpec::Kind::ScoreLine},
    {"menuBar", ControlSpec::Kind::MenuBar},
};

} // namespace

QString designFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &candidate : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (families.contains(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont ControlSpec::font() const
{
    QFont result = appFont ? QApplication::font() : QFont(designFamily());
    if (!appFont)
        result.setPixelSize(fontPixels);
    result.setBold(bold);
    result.setUnderline(underline);
    return result;
}

bool parseControlSpec(const QString &column, ControlSpec &spec, QString &error)
{
    QString text = column;
    const qsizetype note = text.indexOf(QLatin1Char('('));
    if (note >= 0)
        text.truncate(note);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0) {
        error = QStringLiteral("no role before ':'");
        return false;
    }
    spec.role = text.left(colon).trimmed();
    const QStringList tokens = text.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty()) {
        error = QStringLiteral("no kind");
        return false;
    }
    spec.kindName = tokens.first();
    for (const KindName &kind : kinds) {
        if (spec.kindName == QLatin1String(kind.name))
            spec.kind = kind.kind;
    }

    static const QRegularExpression size(QStringLiteral("^(\\d+)(?:x(\\d+))?px$"));
    static const QRegularExpression pixels(QStringLiteral("^(\\d+)px$"));
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);
        const QString next = i + 1 < tokens.size() ? tokens.at(i + 1) : QString();
        if (token == QLatin1String("font") && next == QLatin1String("app")) {
            spec.appFont = true;
            ++i;
        } else if (token == QLatin1String("font") && pixels.match(next).hasMatch()) {
            spec.fontPixels = pixels.match(next).captured(1).toInt();
            ++i;
        } else if (token == QLatin1String("visible") && pixels.match(next).hasMatch()) {
            spec.visibleWidth = pixels.match(next).captured(1).toInt();
            ++i;
        } else if (token == QLatin1String("bold")) {
            spec.bold = true;
        } else if (token == QLatin1String("underline")) {
            spec.underline = true;
        } else if (token == QLatin1String("wrap")) {
            spec.wrap = true;
        } else if (token == QLatin1String("ampersands")) {
            spec.designAmpersands = true;
        } else if (const auto match = size.match(token); match.hasMatch()) {
            spec.width = match.captured(1).toInt();
            spec.height = match.captured(2).toInt();
        } else {
            error = QStringLiteral("unknown word '%1'").arg(token);
            return false;
        }
    }
    const bool needsWidth = spec.kind != ControlSpec::Kind::Unbound;
    if (needsWidth && spec.width <= 0) {
        error = QStringLiteral("%1 needs a width").arg(spec.kindName);
        return false;
    }
    if (spec.kind == ControlSpec::Kind::Label && spec.wrap && spec.height <= 0) {
        error = QStringLiteral("a wrapping label needs a height");
        return false;
    }
    return true;
}
