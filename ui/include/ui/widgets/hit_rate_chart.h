#pragma once

#include "symboltest/hit_rate_series.h"

#include <QWidget>

#include <vector>

// The running hit rate of one level's stored guesses against the line of
// pure chance and the band around it within which the verdict says nothing, drawn with QPainter straight onto the widget: at any device
// pixel ratio every line and letter is drawn at the screen's own resolution.
// All colours come from the palette, except the chance line's, which is one
// of two oranges, whichever stands out more on the palette's base.
class HitRateChart : public QWidget
{
    Q_OBJECT

public:
    explicit HitRateChart(QWidget *parent = nullptr);

    // The points in the order of the guesses (see RunningHitRate), with their
    // bands, and the rate that chance alone gives.
    void setSeries(std::vector<HitRatePoint> points, double chanceRate);

    QColor chanceLineColour() const;
    QColor rateLineColour() const;
    // A light tint of the chance line's colour, for the band of no verdict.
    QColor bandColour() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<HitRatePoint> m_points;
    double m_chanceRate = 0.0;
};
