#include "ui/widgets/hit_rate_chart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// WCAG's contrast ratio, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The top of the rate axis and the step of its grid: the smallest scale that
// holds every point and the chance line with room to spare, so that a rate
// near chance is not squeezed into the bottom of a 0-100 % axis.
struct Scale
{
    double top;
    double step;
};

Scale scaleFor(const std::vector<HitRatePoint> &points, double chanceRate)
{
    double highest = chanceRate * 1.5;
    for (const HitRatePoint &point : points)
        highest = std::max(highest, point.hitRate);
    for (const Scale scale : {Scale{0.25, 0.05}, Scale{0.5, 0.1}})
        if (highest <= scale.top)
            return scale;
    return {1.0, 0.25};
}

} // namespace

HitRateChart::HitRateChart(QWidget *parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HitRateChart::setSeries(std::vector<HitRatePoint> points, double chanceRate)
{
    m_points = std::move(points);
    m_chanceRate = chanceRate;
    update();
}

QColor HitRateChart::chanceLineColour() const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor onLight(0xb0, 0x4a, 0x00);
    const QColor onDark(0xff, 0xa6, 0x4d);
    return contrast(onLight, base) >= contrast(onDark, base) ? onLight : onDark;
}

QColor HitRateChart::bandColour() const
{
    QColor band = chanceLineColour();
    band.setAlphaF(0.16);
    return band;
}

QColor HitRateChart::rateLineColour() const
{
    // The desktop's accent where it stands out on the base, else the text colour.
    const QColor base = palette().color(QPalette::Base);
    const QColor accent = palette().color(QPalette::Highlight);
    return contrast(accent, base) >= 3.0 ? accent : palette().color(QPalette::Text);
}

QSize HitRateChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 16, line * 8};
}

QSize HitRateChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 36, line * 13};
}

void HitRateChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::Text);
    QColor grid = text;
    grid.setAlphaF(0.18);

    const Scale scale = scaleFor(m_points, m_chanceRate);
    const auto label = [](double rate) { return tr("%1%").arg(qRound(rate * 100.0)); };
    const int gap = metrics.height() / 2;
    const int left = metrics.horizontalAdvance(label(1.0)) + gap;
    const int top = metrics.height() / 2 + 2;
    const int bottom = metrics.height() * 2 + gap * 2; // the guess numbers, then the legend
    const int right = metrics.horizontalAdvance(QStringLiteral("100,000")) / 2 + 2;
    const QRect plot(left, top, std::max(1, width() - left - right), std::max(1, height() - top - bottom));
    // Whole-pixel rows: a line of whole width on them is sharp at any ratio.
    const auto yFor = [&](double rate) { return plot.bottom() + 1 - std::round(rate / scale.top * plot.height()); };

    painter.setPen(text);
    const int ticks = int(std::lround(scale.top / scale.step));
    for (int i = 0; i <= ticks; ++i) {
        const double y = yFor(i * scale.step);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y - 0.5), QPointF(plot.right() + 1, y - 0.5));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, left - gap / 2.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label(i * scale.step));
    }

    const std::int64_t last = m_points.empty() ? 0 : m_points.back().guessNumber;
    const auto xFor = [&](std::int64_t guess) {
        return last <= 1 ? double(plot.left()) : plot.left() + double(guess - 1) / double(last - 1) * plot.width();
    };
    const QRectF numbers(plot.left(), plot.bottom() + 4, plot.width(), metrics.height());
    if (last > 0) {
        painter.drawText(numbers, Qt::AlignLeft | Qt::AlignTop, locale().toString(1));
        if (last > 1)
            painter.drawText(numbers.adjusted(0, 0, right, 0), Qt::AlignRight | Qt::AlignTop,
                             locale().toString(qint64(last)));
    }
    painter.drawText(numbers, Qt::AlignHCenter | Qt::AlignTop, tr("guesses"));

    // The band within which the verdict says nothing, from one point to the
    // next: the rate line inside it is consistent with chance.
    if (m_points.size() > 1) {
        QPolygonF band;
        for (const HitRatePoint &point : m_points)
            band << QPointF(xFor(point.guessNumber), yFor(std::min(point.noVerdict.high, scale.top * 1.05)));
        for (auto point = m_points.rbegin(); point != m_points.rend(); ++point)
            band << QPointF(xFor(point->guessNumber), yFor(point->noVerdict.low));
        painter.save();
        painter.setClipRect(plot.adjusted(0, 0, 1, 1));
        painter.setPen(Qt::NoPen);
        painter.setBrush(bandColour());
        painter.drawPolygon(band);
        painter.restore();
    }

    painter.setPen(QPen(chanceLineColour(), 2));
    const double chanceY = yFor(m_chanceRate);
    painter.drawLine(QPointF(plot.left(), chanceY), QPointF(plot.right() + 1, chanceY));

    const QPen ratePen(rateLineColour(), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ratePen);
    if (m_points.size() == 1) {
        painter.setBrush(rateLineColour());
        painter.drawEllipse(QPointF(xFor(1), yFor(m_points.front().hitRate)), 2.5, 2.5);
        painter.setBrush(Qt::NoBrush);
    } else if (!m_points.empty()) {
        QPainterPath path(QPointF(xFor(m_points.front().guessNumber), yFor(m_points.front().hitRate)));
        for (const HitRatePoint &point : m_points)
            path.lineTo(xFor(point.guessNumber), yFor(point.hitRate));
        painter.drawPath(path);
    } else {
        painter.setPen(text);
        // In the upper half, clear of the chance line.
        painter.drawText(QRect(plot.left(), plot.top(), plot.width(), plot.height() / 2), Qt::AlignCenter,
                         tr("No guesses stored at this level yet."));
    }

    // The legend under the guess numbers: a short stroke of each line and its meaning.
    const int legendY = int(numbers.bottom()) + gap;
    const int stroke = metrics.height() * 2;
    const auto legend = [&](int x, const QPen &pen, const QString &meaning) {
        const double y = legendY + metrics.height() / 2;
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + stroke, y));
        painter.setPen(text);
        const QRect place(x + stroke + gap / 2, legendY, metrics.horizontalAdvance(meaning) + 1, metrics.height());
        painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, meaning);
        return place.right() + gap * 3;
    };
    int next = legend(plot.left(), ratePen, tr("your running hit rate"));
    next = legend(next, QPen(chanceLineColour(), 2),
                  tr("chance alone (%1%)").arg(locale().toString(m_chanceRate * 100.0, 'g', 3)));
    legend(next, QPen(bandColour(), metrics.height() * 0.6), tr("no verdict inside this band"));
}
