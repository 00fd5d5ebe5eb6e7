#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace {

const QColor Felt(14, 86, 44);
const QColor Chalk(250, 250, 246);
constexpr qreal Stroke = 5.5;

QPen chalkPen(Qt::PenJoinStyle join = Qt::MiterJoin)
{
    return QPen(Chalk, Stroke, Qt::SolidLine, Qt::FlatCap, join);
}

void feltGround(QPainter &painter)
{
    painter.fillRect(painter.window(), Felt);
}

void paintCircle(QPainter &painter)
{
    feltGround(painter);
    painter.setPen(chalkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 50), 33, 33);
}

void paintPlus(QPainter &painter)
{
    feltGround(painter);
    painter.setPen(chalkPen());
    painter.drawLine(QPointF(50, 15), QPointF(50, 85));
    painter.drawLine(QPointF(15, 50), QPointF(85, 50));
}

void paintSquare(QPainter &painter)
{
    feltGround(painter);
    painter.setPen(chalkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(20, 20, 60, 60));
}

void paintStar(QPainter &painter)
{
    feltGround(painter);
    QPolygonF star;
    const QPointF centre(50, 53);
    for (int k = 0; k < 10; ++k) {
        const qreal radius = (k % 2 == 0) ? 37 : 15;
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * k);
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setPen(QPen(Chalk, Stroke - 0.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(star);
}

void paintWaves(QPainter &painter)
{
    feltGround(painter);
    painter.setPen(QPen(Chalk, Stroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const qreal x : {30.0, 50.0, 70.0}) {
        QPainterPath wave(QPointF(x, 14));
        for (qreal y = 14; y <= 86; y += 0.5)
            wave.lineTo(QPointF(x + 5.0 * std::sin((y - 14) / 72.0 * 3.0 * 2 * M_PI), y));
        painter.drawPath(wave);
    }
}

// The cube of the resting picture, seen from a corner: three faces, each
// with a question mark laid on it in perspective.
void paintQuestionCube(QPainter &painter)
{
    const QRectF area = painter.window();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(236, 240, 246));
    sky.setColorAt(1, QColor(198, 206, 218));
    painter.fillRect(area, sky);

    const QPointF centre(50.5, 51);
    const qreal radius = 43;
    const qreal dx = radius * std::cos(M_PI / 6);
    const QPointF top = centre + QPointF(0, -radius);
    const QPointF upperRight = centre + QPointF(dx, -radius / 2);
    const QPointF lowerRight = centre + QPointF(dx, radius / 2);
    const QPointF bottom = centre + QPointF(0, radius);
    const QPointF lowerLeft = centre + QPointF(-dx, radius / 2);
    const QPointF upperLeft = centre + QPointF(-dx, -radius / 2);

    // A soft shadow under the cube.
    QRadialGradient shadow(QPointF(50.5, 93), 40);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(50.5, 93);
    painter.scale(1, 0.18);
    painter.translate(-50.5, -93);
    painter.fillRect(area, shadow);
    painter.restore();

    struct Face
    {
        QPointF origin, across, down;
        QColor shade;
    };
    const Face faces[] = {
        {upperLeft, top - upperLeft, centre - upperLeft, QColor(255, 255, 255)},
        {upperLeft, centre - upperLeft, lowerLeft - upperLeft, QColor(236, 236, 236)},
        {centre, upperRight - centre, bottom - centre, QColor(214, 214, 216)},
    };
    const QColor edgeRed(206, 22, 28);
    for (const Face &face : faces) {
        const QTransform toFace(face.across.x(), face.across.y(), face.down.x(), face.down.y(), face.origin.x(),
                                face.origin.y());
        const QPolygonF outline = toFace.map(QPolygonF(QRectF(0, 0, 1, 1)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(face.shade);
        painter.drawPolygon(outline);

        painter.save();
        painter.setTransform(toFace, true);
        painter.setPen(QPen(edgeRed, 0.12, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(questionMarkHook());
        painter.setPen(Qt::NoPen);
        painter.setBrush(edgeRed);
        painter.drawEllipse(questionMarkDot(), 0.075, 0.075);
        painter.restore();
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edgeRed, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(QPolygonF{top, upperRight, lowerRight, bottom, lowerLeft, upperLeft});
    painter.drawLine(centre, upperLeft);
    painter.drawLine(centre, upperRight);
    painter.drawLine(centre, bottom);
}

} // namespace

QPainterPath questionMarkHook()
{
    QPainterPath hook(QPointF(0.3, 0.36));
    hook.cubicTo(QPointF(0.3, 0.16), QPointF(0.7, 0.12), QPointF(0.7, 0.34));
    hook.cubicTo(QPointF(0.7, 0.47), QPointF(0.5, 0.48), QPointF(0.5, 0.6));
    hook.lineTo(QPointF(0.5, 0.67));
    return hook;
}

QPointF questionMarkDot()
{
    return QPointF(0.5, 0.8);
}

QList<Artwork> zenerSymbols()
{
    return {
        {QStringLiteral("circle"), QSize(100, 100), paintCircle},
        {QStringLiteral("plus"), QSize(100, 100), paintPlus},
        {QStringLiteral("square"), QSize(100, 100), paintSquare},
        {QStringLiteral("star"), QSize(100, 100), paintStar},
        {QStringLiteral("waves"), QSize(100, 100), paintWaves},
        {QStringLiteral("question_cube"), QSize(101, 98), paintQuestionCube},
    };
}
