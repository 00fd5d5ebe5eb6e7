#include "artwork.h"

#include <QPainter>

#include <cmath>

QList<Artwork> wovenEmblems();

namespace {

QPointF polar(const QPointF &centre, qreal radius, qreal radians)
{
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

QList<QPointF> rose(const QPointF &centre, qreal mean, qreal swing, qreal phase)
{
    QList<QPointF> points;
    const int steps = 480;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        points.append(polar(centre, mean + swing * std::cos(4 * a + phase), a));
    }
    return points;
}

QList<QPointF> roundedSquare(const QPointF &centre, qreal half, qreal corner)
{
    QList<QPointF> points;
    const qreal inner = half - corner;
    const QPointF corners[] = {{inner, inner}, {-inner, inner}, {-inner, -inner}, {inner, -inner}};
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i <= 24; ++i) {
            const qreal a = M_PI / 2 * c + (M_PI / 2) * i / 24;
            points.append(centre + corners[c] + QPointF(corner * std::cos(a), corner * std::sin(a)));
        }
        // Straight sides in small steps so that crossings are found on them.
        const QPointF from = points.last();
        const QPointF to = centre + corners[(c + 1) % 4]
                         + QPointF(corner * std::cos(M_PI / 2 * (c + 1)), corner * std::sin(M_PI / 2 * (c + 1)));
        for (int i = 1; i < 40; ++i)
            points.append(from + (to - from) * (qreal(i) / 40));
    }
    return points;
}

void paintKnotwork(QPainter &painter)
{
    const QRectF area = painter.window();
    const QColor ground(22, 24, 30);
    painter.fillRect(area, ground);
    const QPointF centre(50.5, 49);
    const QColor teal(22, 170, 160);
    const QColor blue(44, 96, 210);
    const QColor orange(240, 128, 24);

    InterlaceStyle style;
    style.bandWidth = 5.2;
    style.edgeWidth = 1.2;
    style.ground = ground;
    style.edge = QColor(8, 8, 10);
    drawInterlace(painter,
                  {
                      {roundedSquare(centre, 38, 9), orange},
                      {rose(centre, 27, 14, 0), blue},
                      {rose(centre, 27, 14, M_PI), teal},
                  },
                  style);
}

QList<QPointF> triangleBand(const QPointF &centre, qreal radius, qreal startRadians)
{
    QList<QPointF> points;
    for (int k = 0; k < 3; ++k) {
        const QPointF from = polar(centre, radius, startRadians + k * 2 * M_PI / 3);
        const QPointF to = polar(centre, radius, startRadians + (k + 1) * 2 * M_PI / 3);
        for (int i = 0; i < 60; ++i)
            points.append(from + (to - from) * (qreal(i) / 60));
    }
    return points;
}

void paintHexagram(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::white);
    const QPointF centre(50.5, 49);
    InterlaceStyle style;
    style.bandWidth = 6;
    style.edgeWidth = 1.6;
    style.ground = Qt::white;
    style.edge = Qt::white;
    style.roundJoins = false;
    drawInterlace(painter,
                  {{triangleBand(centre, 38, -M_PI / 2), Qt::black}, {triangleBand(centre, 38, M_PI / 2), Qt::black}},
                  style);
}

// The arc of a circle round centre c between two points, going the long way,
// away from the side that faces outward.
void appendLongArc(QList<QPointF> &points, const QPointF &c, qreal radius, const QPointF &from, const QPointF &to,
                   qreal outward)
{
    const qreal a1 = std::atan2(from.y() - c.y(), from.x() - c.x());
    const qreal a2 = std::atan2(to.y() - c.y(), to.x() - c.x());
    qreal sweep = std::fmod(a2 - a1 + 4 * M_PI, 2 * M_PI);
    const qreal toOutward = std::fmod(outward - a1 + 4 * M_PI, 2 * M_PI);
    if (toOutward < sweep)
        sweep -= 2 * M_PI;
    const int steps = 160;
    for (int i = 0; i < steps; ++i)
        points.append(polar(c, radius, a1 + sweep * i / steps));
}

// Three circles whose long arcs meet in the three points of the knot.
QList<QPointF> triquetraBand(const QPointF &centre, qreal radius, qreal offset)
{
    QPointF centres[3];
    qreal directions[3];
    for (int j = 0; j < 3; ++j) {
        directions[j] = M_PI / 2 + j * 2 * M_PI / 3;
        centres[j] = polar(centre, offset, directions[j]);
    }
    const qreal reach = (offset + std::sqrt(4 * radius * radius - 3 * offset * offset)) / 2;
    const auto tip = [&](int j, int k) {
        return polar(centre, reach, std::atan2(std::sin(directions[j]) + std::sin(directions[k]),
                                               std::cos(directions[j]) + std::cos(directions[k])));
    };
    QList<QPointF> points;
    for (int j = 0; j < 3; ++j)
        appendLongArc(points, centres[j], radius, tip((j + 2) % 3, j), tip(j, (j + 1) % 3), directions[j]);
    return points;
}

void paintTriquetra(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::white);
    const QPointF centre(51, 54);
    InterlaceStyle style;
    style.bandWidth = 4.3;
    style.edgeWidth = 1.4;
    style.ground = Qt::white;
    style.edge = Qt::white;
    style.roundJoins = false;
    QList<QPointF> circle;
    for (int i = 0; i < 360; ++i)
        circle.append(polar(centre, 30.5, 2 * M_PI * i / 360));
    drawInterlace(painter, {{triquetraBand(centre, 36, 21), Qt::black}, {circle, Qt::black}}, style);
}

} // namespace

QList<Artwork> wovenEmblems()
{
    return {
        {QStringLiteral("knotwork"), QSize(101, 98), paintKnotwork},
        {QStringLiteral("hexagram"), QSize(101, 98), paintHexagram},
        {QStringLiteral("triquetra"), QSize(102, 98), paintTriquetra},
    };
}
