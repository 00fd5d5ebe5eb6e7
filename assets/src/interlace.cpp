#include "artwork.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <optional>
#include <queue>

namespace {

// One passage of a band through a crossing.
struct Pass
{
    int strand = 0;
    qreal along = 0; // arc length from the strand's first point
    int other = -1;  // the pass of the other band at the same crossing
    qreal sine = 1;  // |sin| of the crossing angle
};

struct Track
{
    QList<QPointF> points;
    QList<qreal> start; // arc length at each point
    qreal length = 0;
};

Track trackOf(const QList<QPointF> &points)
{
    Track track;
    track.points = points;
    for (qsizetype i = 0; i < points.size(); ++i) {
        track.start.append(track.length);
        track.length += QLineF(points[i], points[(i + 1) % points.size()]).length();
    }
    return track;
}

QLineF segment(const Track &track, qsizetype i)
{
    return QLineF(track.points[i], track.points[(i + 1) % track.points.size()]);
}

std::optional<QPointF> crossingOf(const QLineF &a, const QLineF &b, qreal &ta, qreal &tb)
{
    const QPointF r = a.p2() - a.p1();
    const QPointF s = b.p2() - b.p1();
    const qreal denom = r.x() * s.y() - r.y() * s.x();
    if (std::abs(denom) < 1e-12)
        return std::nullopt;
    const QPointF q = b.p1() - a.p1();
    ta = (q.x() * s.y() - q.y() * s.x()) / denom;
    tb = (q.x() * r.y() - q.y() * r.x()) / denom;
    // Half-open ranges so that a crossing on a vertex is found once.
    if (ta < 0 || ta >= 1 || tb < 0 || tb >= 1)
        return std::nullopt;
    return a.p1() + ta * r;
}

QList<Pass> findPasses(const QList<Track> &tracks)
{
    QList<Pass> passes;
    for (int a = 0; a < tracks.size(); ++a) {
        for (int b = a; b < tracks.size(); ++b) {
            const qsizetype na = tracks[a].points.size();
            const qsizetype nb = tracks[b].points.size();
            for (qsizetype i = 0; i < na; ++i) {
                for (qsizetype j = (a == b ? i + 2 : 0); j < nb; ++j) {
                    if (a == b && i == 0 && j == na - 1)
                        continue; // neighbours across the closing point
                    const QLineF sa = segment(tracks[a], i);
                    const QLineF sb = segment(tracks[b], j);
                    qreal ta = 0;
                    qreal tb = 0;
                    if (!crossingOf(sa, sb, ta, tb))
                        continue;
                    const qreal sine = std::abs(std::sin(qDegreesToRadians(sa.angleTo(sb))));
                    const int first = int(passes.size());
                    passes.append({a, tracks[a].start[i] + ta * sa.length(), first + 1, sine});
                    passes.append({b, tracks[b].start[j] + tb * sb.length(), first, sine});
                }
            }
        }
    }
    return passes;
}

// Assigns over (true) or under to every pass so that each band alternates
// along its length and the two passes of a crossing disagree.
QList<bool> alternate(const QList<Pass> &passes, int strandCount)
{
    QList<QList<int>> byStrand(strandCount);
    for (int p = 0; p < passes.size(); ++p)
        byStrand[passes[p].strand].append(p);
    QList<QList<int>> neighbours(passes.size());
    for (QList<int> &list : byStrand) {
        std::sort(list.begin(), list.end(), [&](int x, int y) { return passes[x].along < passes[y].along; });
        for (qsizetype k = 0; k < list.size() && list.size() > 1; ++k) {
            const int x = list[k];
            const int y = list[(k + 1) % list.size()];
            neighbours[x].append(y);
            neighbours[y].append(x);
        }
    }
    for (int p = 0; p < passes.size(); ++p)
        neighbours[p].append(passes[p].other);

    QList<int> colour(passes.size(), -1);
    for (int seed = 0; seed < passes.size(); ++seed) {
        if (colour[seed] >= 0)
            continue;
        colour[seed] = 1;
        std::queue<int> pending;
        pending.push(seed);
        while (!pending.empty()) {
            const int p = pending.front();
            pending.pop();
            for (int n : neighbours[p]) {
                if (colour[n] < 0) {
                    colour[n] = 1 - colour[p];
                    pending.push(n);
                }
            }
        }
    }
    QList<bool> over;
    for (int c : colour)
        over.append(c == 1);
    return over;
}

QPointF pointAt(const Track &track, qreal along)
{
    along = std::fmod(along, track.length);
    if (along < 0)
        along += track.length;
    const auto it = std::upper_bound(track.start.begin(), track.start.end(), along);
    const qsizetype i = std::max<qsizetype>(0, (it - track.start.begin()) - 1);
    const QLineF seg = segment(track, i);
    return seg.pointAt(seg.length() > 0 ? (along - track.start[i]) / seg.length() : 0);
}

// The piece of a band between two arc lengths, as an open path.
QPainterPath piece(const Track &track, qreal from, qreal to)
{
    QPainterPath path(pointAt(track, from));
    const qreal step = 0.5;
    for (qreal s = from + step; s < to; s += step)
        path.lineTo(pointAt(track, s));
    path.lineTo(pointAt(track, to));
    return path;
}

QPainterPath closedPath(const QList<QPointF> &points)
{
    QPainterPath path(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    path.closeSubpath();
    return path;
}

QPen bandPen(const QColor &colour, qreal width, Qt::PenCapStyle cap, const InterlaceStyle &style)
{
    QPen pen(colour, width, Qt::SolidLine, cap, style.roundJoins ? Qt::RoundJoin : Qt::MiterJoin);
    pen.setMiterLimit(8); // sharp points stay sharp
    return pen;
}

void strokeBand(QPainter &painter, const QPainterPath &path, const QColor &colour, const InterlaceStyle &style,
                Qt::PenCapStyle cap)
{
    painter.strokePath(path, bandPen(style.edge, style.bandWidth + 2 * style.edgeWidth, cap, style));
    painter.strokePath(path, bandPen(colour, style.bandWidth, cap, style));
}

} // namespace

void drawInterlace(QPainter &painter, const QList<Strand> &strands, const InterlaceStyle &style)
{
    QList<Track> tracks;
    for (const Strand &strand : strands)
        tracks.append(trackOf(strand.points));
    const QList<Pass> passes = findPasses(tracks);
    const QList<bool> over = alternate(passes, int(strands.size()));

    for (int s = 0; s < strands.size(); ++s)
        strokeBand(painter, closedPath(strands[s].points), strands[s].colour, style, Qt::FlatCap);

    // Redraw the upper band across each crossing, edged by a gap in the ground.
    const qreal gap = style.edgeWidth * 0.5;
    for (int p = 0; p < passes.size(); ++p) {
        if (!over[p])
            continue;
        const Pass &pass = passes[p];
        const Track &track = tracks[pass.strand];
        const qreal reach = (style.bandWidth / 2 + style.edgeWidth + gap) / std::max<qreal>(pass.sine, 0.3) + 1.5;
        // Each layer reaches a little further than the one beneath it, so
        // that no layer ends where it would leave a seam across the band.
        const auto layer = [&](qreal extra, const QColor &colour, qreal width) {
            painter.strokePath(piece(track, pass.along - reach - extra, pass.along + reach + extra),
                               bandPen(colour, width, Qt::FlatCap, style));
        };
        layer(0, style.ground, style.bandWidth + 2 * (style.edgeWidth + gap));
        layer(1, style.edge, style.bandWidth + 2 * style.edgeWidth);
        layer(2, strands[pass.strand].colour, style.bandWidth);
    }
}
