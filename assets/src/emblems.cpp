#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

QList<Artwork> wovenEmblems();

namespace {

QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// One swirling arm: a band that leaves the hub thin, widens and ends in a
// point, curving as it goes.
QPainterPath triskeleArm(const QPointF &centre, qreal startDegrees)
{
    const auto spine = [&](qreal t) {
        return polar(centre, 3 + 36 * std::pow(t, 0.85), startDegrees + 190 * std::pow(t, 0.75));
    };
    const int steps = 80;
    QList<QPointF> left;
    QList<QPointF> right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal dt = 0.005;
        QPointF along = spine(std::min<qreal>(1, t + dt)) - spine(std::max<qreal>(0, t - dt));
        along /= std::hypot(along.x(), along.y());
        const QPointF normal(-along.y(), along.x());
        const qreal width = 19 * std::pow(t, 0.7) * std::pow(1 - t, 0.55) + 2.2 * (1 - t);
        left.append(spine(t) + normal * width * 0.5);
        right.append(spine(t) - normal * width * 0.5);
    }
    QPainterPath arm(left.first());
    for (const QPointF &p : left)
        arm.lineTo(p);
    for (qsizetype i = right.size() - 1; i >= 0; --i)
        arm.lineTo(right[i]);
    arm.closeSubpath();
    return arm;
}

void paintTriskele(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::black);
    const QPointF centre(50, 48.5);
    painter.setPen(QPen(QColor(245, 245, 245), 2.0));
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 45.5, 45.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    for (int k = 0; k < 3; ++k)
        painter.drawPath(triskeleArm(centre, -90 + 120 * k));
    painter.drawEllipse(centre, 5.5, 5.5);
}

void paintPyramid(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::black);
    const QPointF apex(47, 7);
    const QPointF left(6, 76);
    const QPointF front(60, 91);
    const QPointF right(95, 64);

    QRadialGradient glow(QPointF(50, 86), 50);
    glow.setColorAt(0, QColor(40, 60, 60));
    glow.setColorAt(1, QColor(0, 0, 0));
    painter.save();
    painter.translate(50, 86);
    painter.scale(1, 0.22);
    painter.translate(-50, -86);
    painter.fillRect(painter.window(), glow);
    painter.restore();

    QLinearGradient sunlit(QPointF(10, 30), QPointF(60, 90));
    sunlit.setColorAt(0, QColor(255, 226, 64));
    sunlit.setColorAt(1, QColor(226, 172, 10));
    QLinearGradient shaded(QPointF(55, 20), QPointF(95, 70));
    shaded.setColorAt(0, QColor(18, 102, 104));
    shaded.setColorAt(1, QColor(6, 58, 62));

    painter.setPen(Qt::NoPen);
    painter.setBrush(sunlit);
    painter.drawPolygon(QPolygonF{apex, left, front});
    painter.setBrush(shaded);
    painter.drawPolygon(QPolygonF{apex, front, right});

    painter.setPen(QPen(QColor(255, 244, 190), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(apex, front);
    painter.setPen(QPen(QColor(120, 100, 30), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(left, front);
    painter.setPen(QPen(QColor(20, 80, 80), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(front, right);
}

QPolygonF arrowhead(const QPointF &centre, qreal radius, qreal degrees)
{
    const QPointF tip = polar(centre, radius + 6, degrees);
    const QPointF notch = polar(centre, radius - 1.5, degrees);
    return QPolygonF{tip, polar(centre, radius - 5, degrees - 7.5), notch, polar(centre, radius - 5, degrees + 7.5)};
}

QPolygonF triangle(const QPointF &centre, qreal radius, qreal degrees)
{
    return QPolygonF{polar(centre, radius - 4, degrees), polar(centre, radius + 4, degrees - 6),
                     polar(centre, radius + 4, degrees + 6)};
}

void paintCompassWheel(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::white);
    const QPointF centre(51, 48.5);
    const QColor colours[] = {QColor(214, 30, 36), QColor(28, 150, 62), QColor(242, 190, 0), QColor(30, 84, 196)};

    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 31, 31);

    for (int k = 0; k < 12; ++k) {
        const qreal angle = -90 + 30 * k;
        const QColor arrow = colours[k % 4];
        const QColor tri = colours[(k + 2) % 4];
        painter.setPen(QPen(arrow.darker(150), 0.8));
        painter.setBrush(arrow);
        painter.drawPolygon(arrowhead(centre, 39, angle));
        painter.setPen(QPen(tri.darker(150), 0.8));
        painter.setBrush(tri);
        painter.drawPolygon(triangle(centre, 36, angle + 15));
    }

    // The compass cross: four long points, four short ones between them,
    // each point split into a dark and a light half.
    for (int k = 0; k < 8; ++k) {
        const qreal angle = -90 + 45 * k;
        const bool cardinal = (k % 2 == 0);
        const qreal length = cardinal ? 26 : 14;
        const qreal width = cardinal ? 5.5 : 4;
        const QPointF tip = polar(centre, length, angle);
        const QPointF side1 = polar(centre, width, angle - 45);
        const QPointF side2 = polar(centre, width, angle + 45);
        painter.setPen(QPen(QColor(30, 30, 30), 0.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(cardinal ? QColor(30, 30, 30) : QColor(110, 110, 110));
        painter.drawPolygon(QPolygonF{centre, side1, tip});
        painter.setBrush(cardinal ? QColor(235, 235, 235) : QColor(200, 200, 200));
        painter.drawPolygon(QPolygonF{centre, tip, side2});
    }
    painter.setPen(QPen(QColor(30, 30, 30), 1.0));
    painter.setBrush(QColor(214, 30, 36));
    painter.drawEllipse(centre, 2.6, 2.6);
}

void paintRing(QPainter &painter)
{
    painter.fillRect(painter.window(), Qt::white);
    const QPointF centre(50.5, 49);
    painter.setPen(QPen(Qt::black, 15));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 32, 32);
}

} // namespace

QList<Artwork> emblems()
{
    QList<Artwork> all{
        {QStringLiteral("triskele"), QSize(100, 97), paintTriskele},
        {QStringLiteral("pyramid"), QSize(101, 98), paintPyramid},
        {QStringLiteral("compass_wheel"), QSize(102, 97), paintCompassWheel},
        {QStringLiteral("ring"), QSize(101, 98), paintRing},
    };
    return all + wovenEmblems();
}
