#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

// One picture of the artwork set: its file name (without extension), its
// pixel size and the routine that paints it.
struct Artwork
{
    QString name;
    QSize size;
    std::function<void(QPainter &)> paint;
};

// The symbol pictures: the simple white-on-green family and the cube.
QList<Artwork> zenerSymbols();
// The emblems of the two harder levels.
QList<Artwork> emblems();

// Renders one picture onto an opaque image of scale times its size; the
// drawing is made at that resolution, in the picture's own units.
QImage renderArtwork(const Artwork &artwork, int scale = 1);

// The program icon at the given edge length, on a transparent ground, with
// scale times as many pixels along each edge for scaled displays.
QImage renderProgramIcon(int size, int scale = 1);

// A question mark drawn in the unit square (0..1 on both axes); the caller
// maps it onto a face or a region with the painter's transform.
QPainterPath questionMarkHook();
QPointF questionMarkDot();

// A closed band of an interlace: its centre line and colour.
struct Strand
{
    QList<QPointF> points; // closed polyline, first point not repeated
    QColor colour;
};

// Draws closed bands that pass alternately over and under each other at
// every crossing, each band edged by a gap in the ground colour.
struct InterlaceStyle
{
    qreal bandWidth = 6.0;
    qreal edgeWidth = 1.5;
    QColor ground;
    QColor edge;               // thin line drawn along each band's border
    bool roundJoins = true;
};
void drawInterlace(QPainter &painter, const QList<Strand> &strands, const InterlaceStyle &style);
