#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The icon is designed on a 256-unit square; outlines never get thinner
// than about one pixel of the unscaled icon so that small sizes keep their
// shapes.
struct IconPens
{
    qreal unitsPerPixel;
    QColor ink{58, 38, 28};

    QPen outline(qreal width) const
    {
        return QPen(ink, std::max(width, 0.9 * unitsPerPixel), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
};

void paintGround(QPainter &painter, const IconPens &pens)
{
    QLinearGradient green(QPointF(0, 0), QPointF(0, 256));
    green.setColorAt(0, QColor(120, 226, 60));
    green.setColorAt(1, QColor(46, 170, 28));
    painter.setPen(QPen(QColor(28, 110, 20), std::max<qreal>(4, pens.unitsPerPixel)));
    painter.setBrush(green);
    const qreal inset = std::max<qreal>(2, pens.unitsPerPixel / 2);
    painter.drawRoundedRect(QRectF(inset, inset, 256 - 2 * inset, 256 - 2 * inset), 40, 40);
}

QPainterPath bubble()
{
    QPainterPath path;
    path.addEllipse(QPointF(128, 134), 110, 108);
    return path;
}

void paintHead(QPainter &painter, const IconPens &pens, bool detailed)
{
    const QColor skin(252, 206, 160);
    const QColor hair(120, 72, 36);

    // Shoulders in a blue shirt.
    QPainterPath shoulders(QPointF(40, 260));
    shoulders.cubicTo(QPointF(44, 214), QPointF(86, 206), QPointF(120, 206));
    shoulders.cubicTo(QPointF(160, 206), QPointF(206, 214), QPointF(214, 260));
    shoulders.closeSubpath();
    painter.setPen(pens.outline(5));
    painter.setBrush(QColor(56, 110, 200));
    painter.drawPath(shoulders);

    // Ears, face and hair.
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(76, 156), 12, 17);
    painter.drawEllipse(QPointF(170, 156), 12, 17);
    painter.drawEllipse(QPointF(123, 154), 47, 55);
    QPainterPath cap(QPointF(76, 148));
    cap.cubicTo(QPointF(66, 96), QPointF(110, 86), QPointF(132, 96));
    cap.cubicTo(QPointF(160, 92), QPointF(184, 112), QPointF(170, 148));
    cap.cubicTo(QPointF(164, 126), QPointF(150, 116), QPointF(130, 120));
    cap.cubicTo(QPointF(112, 112), QPointF(88, 118), QPointF(76, 148));
    painter.setBrush(hair);
    painter.drawPath(cap);

    if (detailed) {
        // Eyes glancing up towards the question mark; one brow raised.
        painter.setPen(pens.outline(3));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(104, 150), 10, 12);
        painter.drawEllipse(QPointF(142, 150), 10, 12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pens.ink);
        painter.drawEllipse(QPointF(107, 145), 5, 5.5);
        painter.drawEllipse(QPointF(145, 145), 5, 5.5);
        painter.setPen(pens.outline(5));
        painter.setBrush(Qt::NoBrush);
        QPainterPath raised(QPointF(92, 128));
        raised.quadTo(QPointF(104, 114), QPointF(118, 126));
        painter.drawPath(raised);
        painter.drawLine(QPointF(131, 133), QPointF(154, 130));
        // Nose and a doubtful, crooked mouth.
        QPainterPath nose(QPointF(124, 156));
        nose.quadTo(QPointF(118, 174), QPointF(128, 174));
        painter.drawPath(nose);
        QPainterPath mouth(QPointF(108, 190));
        mouth.cubicTo(QPointF(116, 184), QPointF(124, 196), QPointF(140, 186));
        painter.drawPath(mouth);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(pens.ink);
        painter.drawEllipse(QPointF(106, 148), 8, 10);
        painter.drawEllipse(QPointF(142, 148), 8, 10);
    }

    // The hand at the chin: a loose fist with the index finger on the chin,
    // the forearm coming up from below.
    QPainterPath forearm(QPointF(150, 262));
    forearm.lineTo(QPointF(148, 222));
    forearm.lineTo(QPointF(180, 222));
    forearm.lineTo(QPointF(190, 262));
    forearm.closeSubpath();
    painter.setPen(pens.outline(5));
    painter.setBrush(QColor(40, 88, 176));
    painter.drawPath(forearm);
    painter.setBrush(skin);
    painter.drawRoundedRect(QRectF(138, 190, 46, 40), 16, 16);
    QPainterPath finger(QPointF(144, 198));
    finger.cubicTo(QPointF(132, 194), QPointF(126, 200), QPointF(128, 206));
    finger.cubicTo(QPointF(130, 212), QPointF(140, 210), QPointF(148, 208));
    painter.drawPath(finger);
    if (detailed) {
        painter.setPen(pens.outline(3));
        painter.drawLine(QPointF(156, 210), QPointF(176, 210));
        painter.drawLine(QPointF(156, 220), QPointF(176, 220));
    }
}

void paintQuestionMark(QPainter &painter, const IconPens &pens, bool detailed)
{
    const QRectF box = detailed ? QRectF(134, 0, 96, 100) : QRectF(118, -2, 130, 140);
    QTransform toBox = QTransform::fromTranslate(box.x(), box.y());
    toBox.scale(box.width(), box.height());
    painter.save();
    painter.setTransform(toBox, true);
    const qreal unit = 1.0 / box.width();
    const qreal stroke = 0.13;
    const qreal outline = std::max(6.0, 1.6 * pens.unitsPerPixel) * unit;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(pens.ink, stroke + 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(questionMarkHook());
    painter.setPen(QPen(QColor(226, 36, 40), stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(questionMarkHook());
    painter.setPen(QPen(pens.ink, outline * 2));
    painter.setBrush(QColor(226, 36, 40));
    painter.drawEllipse(questionMarkDot(), 0.08, 0.08);
    painter.restore();
}

} // namespace

QImage renderProgramIcon(int size, int scale)
{
    const int pixels = size * scale;
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / 256.0, pixels / 256.0);
    // A scaled display shows the icon at the same size on the screen, only
    // finer: the outlines' least widths and the features left out of a small
    // icon follow its size, not its pixel count.
    const IconPens pens{256.0 / size};
    const bool detailed = size >= 32;

    paintGround(painter, pens);
    const QPainterPath round = bubble();
    QRadialGradient pale(QPointF(108, 100), 150);
    pale.setColorAt(0, QColor(255, 255, 246));
    pale.setColorAt(1, QColor(236, 240, 210));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pale);
    painter.drawPath(round);

    painter.save();
    painter.setClipPath(round);
    paintHead(painter, pens, detailed);
    painter.restore();
    painter.setPen(QPen(QColor(28, 110, 20), std::max<qreal>(5, 1.0 * pens.unitsPerPixel)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(round);

    paintQuestionMark(painter, pens, detailed);
    return image;
}
