#include "caption_measure.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextLayout>

#include <cmath>

namespace {

// A caption as shown: "&&" is one ampersand, a single "&" marks the access key.
QString withoutMnemonic(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

// A label on one line needs its width; a wrapping one the height of its lines.
Extent measureLabel(const ControlShape &shape, const QString &text)
{
    Extent extent;
    const QFont font = shape.font();
    if (!shape.wrap) {
        extent.need = advance(font, text);
        extent.capacity = shape.visibleWidth > 0 ? qMin(shape.width, shape.visibleWidth) : shape.width;
        return extent;
    }
    QLabel label;
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setFont(font);
    label.setText(text);
    extent.byHeight = true;
    extent.need = label.heightForWidth(shape.width);
    extent.capacity = shape.height;
    const auto [lines, widest] = wrappedLines(font, text, shape.width);
    extent.lines = lines;
    // A label wider than its window is clipped: a line may not reach past what shows.
    extent.widest = widest;
    extent.visible = shape.visibleWidth;
    return extent;
}

} // namespace

QString shownText(const ControlShape &shape, const QString &text)
{
    switch (shape.kind) {
    case ControlShape::Kind::Label:
    case ControlShape::Kind::LineEdit:
    case ControlShape::Kind::ScoreLine:
        return shape.designAmpersands ? QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")) : text;
    default:
        return withoutMnemonic(text);
    }
}

int advance(const QFont &font, const QString &text)
{
    int widest = 0;
    for (const QString &line : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n')))
        widest = qMax(widest, int(std::ceil(QFontMetricsF(font).horizontalAdvance(line))));
    return widest;
}

// Lines and widest line of a text wrapped at a width, as a word-wrapping label
// lays it out; the lines themselves too, if asked for.
std::pair<int, int> wrappedLines(const QFont &font, const QString &text, int width, QStringList *shown)
{
    int lines = 0;
    int widest = 0;
    for (const QString &paragraph : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            widest = qMax(widest, int(std::ceil(line.naturalTextWidth())));
            ++lines;
            if (shown)
                shown->append(QStringLiteral("%1 px | %2").arg(int(std::ceil(line.naturalTextWidth())), 3)
                                  .arg(paragraph.mid(line.textStart(), line.textLength())));
        }
        layout.endLayout();
    }
    return {lines, widest};
}

Extent measure(const ControlShape &shape, const QString &caption)
{
    const QString text = shownText(shape, caption);
    const QFont font = shape.font();
    Extent extent;
    extent.capacity = shape.width;
    switch (shape.kind) {
    case ControlShape::Kind::GreyButton:
        extent.need = advance(font, text) + 2 * 2; // the stylesheet's 2 px border
        break;
    case ControlShape::Kind::Button: {
        QStyleOptionButton option;
        const QStyle *style = QApplication::style();
        extent.need = advance(font, text) + style->pixelMetric(QStyle::PM_ButtonMargin, &option)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option);
        break;
    }
    case ControlShape::Kind::Radio: {
        QRadioButton radio(caption);
        radio.setFont(font);
        extent.need = radio.sizeHint().width();
        break;
    }
    case ControlShape::Kind::GroupBox: {
        // Where the style puts the caption in a box of the control's width;
        // the caption may reach up to the box's right border line.
        QGroupBox box(caption);
        box.setFont(font);
        box.resize(shape.width, 100);
        QStyleOptionGroupBox option;
        option.initFrom(&box);
        option.text = caption;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = Qt::AlignLeft;
        const QRect label = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
        extent.need = label.left() + advance(font, text) + 1;
        break;
    }
    case ControlShape::Kind::Label:
        return measureLabel(shape, text);
    case ControlShape::Kind::LineEdit:
        // 1 px border and 1 px padding each side, and the line edit's own 2 px margin.
        extent.need = advance(font, text) + 2 * (1 + 1 + 2);
        break;
    case ControlShape::Kind::ScoreLine:
        // 1 px frame and the document's 4 px margin each side, and the cursor.
        extent.need = advance(font, text) + 2 * (1 + 4) + 1;
        break;
    case ControlShape::Kind::MenuBar:
    case ControlShape::Kind::Unbound:
        extent.need = advance(font, text);
        extent.bounded = false;
        break;
    }
    return extent;
}

// The right edge of the last of a menu bar's entries, or more than the width
// when the entries do not all fit on the bar.
int menuBarNeed(const ControlShape &shape, const QStringList &captions)
{
    QMenuBar bar;
    bar.setFont(shape.font());
    QList<QAction *> actions;
    for (const QString &caption : captions)
        actions.append(bar.addAction(caption));
    bar.resize(shape.width, bar.sizeHint().height());
    int right = 0;
    for (QAction *action : actions) {
        const QRect geometry = bar.actionGeometry(action);
        if (!geometry.isValid())
            return shape.width + 1;
        right = qMax(right, geometry.right() + 1);
    }
    return right;
}
