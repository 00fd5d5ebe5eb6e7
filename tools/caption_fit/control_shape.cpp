#include "control_shape.h"

#include <QApplication>
#include <QFontDatabase>
#include <QRegularExpression>

namespace {

struct KindName
{
    const char *name;
    ControlShape::Kind kind;
};

constexpr KindName kinds[] = {
    {"greyButton", ControlShape::Kind::GreyButton},
    {"button", ControlShape::Kind::Button},
    {"toggleButton", ControlShape::Kind::Button},
    {"radio", ControlShape::Kind::Radio},
    {"groupBox", ControlShape::Kind::GroupBox},
    {"label", ControlShape::Kind::Label},
    {"lineEdit", ControlShape::Kind::LineEdit},
    {"scoreLine", ControlShape::Kind::ScoreLine},
    {"menuBar", ControlShape::Kind::MenuBar},
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

QFont ControlShape::font() const
{
    QFont result = appFont ? QApplication::font() : QFont(designFamily());
    if (!appFont)
        result.setPixelSize(fontPixels);
    result.setBold(bold);
    result.setUnderline(underline);
    return result;
}

bool parseControlShape(const QString &column, ControlShape &shape, QString &error)
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
    shape.role = text.left(colon).trimmed();
    const QStringList tokens = text.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty()) {
        error = QStringLiteral("no kind");
        return false;
    }
    shape.kindName = tokens.first();
    for (const KindName &kind : kinds) {
        if (shape.kindName == QLatin1String(kind.name))
            shape.kind = kind.kind;
    }

    static const QRegularExpression size(QStringLiteral("^(\\d+)(?:x(\\d+))?px$"));
    static const QRegularExpression pixels(QStringLiteral("^(\\d+)px$"));
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);
        const QString next = i + 1 < tokens.size() ? tokens.at(i + 1) : QString();
        if (token == QLatin1String("font") && next == QLatin1String("app")) {
            shape.appFont = true;
            ++i;
        } else if (token == QLatin1String("font") && pixels.match(next).hasMatch()) {
            shape.fontPixels = pixels.match(next).captured(1).toInt();
            ++i;
        } else if (token == QLatin1String("visible") && pixels.match(next).hasMatch()) {
            shape.visibleWidth = pixels.match(next).captured(1).toInt();
            ++i;
        } else if (token == QLatin1String("bold")) {
            shape.bold = true;
        } else if (token == QLatin1String("underline")) {
            shape.underline = true;
        } else if (token == QLatin1String("wrap")) {
            shape.wrap = true;
        } else if (token == QLatin1String("ampersands")) {
            shape.designAmpersands = true;
        } else if (const auto match = size.match(token); match.hasMatch()) {
            shape.width = match.captured(1).toInt();
            shape.height = match.captured(2).toInt();
        } else {
            error = QStringLiteral("unknown word '%1'").arg(token);
            return false;
        }
    }
    const bool needsWidth = shape.kind != ControlShape::Kind::Unbound;
    if (needsWidth && shape.width <= 0) {
        error = QStringLiteral("%1 needs a width").arg(shape.kindName);
        return false;
    }
    if (shape.kind == ControlShape::Kind::Label && shape.wrap && shape.height <= 0) {
        error = QStringLiteral("a wrapping label needs a height");
        return false;
    }
    return true;
}
