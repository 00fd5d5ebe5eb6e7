#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QAbstractButton;
class QWidget;

// Helpers that dress the windows' forms in what a form cannot hold the same
// way: the design's Verdana point sizes and RGB colours.
namespace Design {

// The design's face ("Verdana"), or the closest sans the system has.
QString fontFamily();
// A design font of the given point size (8.25, 9, 9.75, 14.25, 18 ...),
// sized in pixels as it was drawn at 96 dots per inch.
QFont font(double points, bool bold = false, bool underline = false);

// The light palette the windows were designed for: black text, white text
// boxes, light grey button faces. A desktop palette (a dark theme) would
// otherwise turn designed black text white on the design's pink and white.
QPalette designPalette();
// Gives a designed top-level window the design's palette for every colour
// role; its designed per-widget colours go on top. Call before those.
void useDesignPalette(QWidget *window);

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);
// A transparent label or link lets its container's colour show through.
void makeTransparent(QWidget *widget);
// A button with a flat grey face and black text, like the design's
// graphical-style buttons.
void makeGreyButton(QAbstractButton *button, const QColor &face = QColor(128, 128, 128));

// A design caption for a label: "&&" stands for one literal ampersand.
QString labelCaption(const QString &designCaption);

// The maker's web address as captions show it: the host of the build's main
// site, so that a build for another host names that host everywhere.
QString siteCaption();

// Promotional texts that more than one window shows.
// The discussion forum's banner: three short sentences naming its web site.
QString forumPromotion();
// The co-branding offer as a label shows it: the design's "&&" already stands
// as one ampersand.
QString coBrandCaption();
// The full-branding offer with its invitation to click.
QString fullBrandCaption();

inline const QColor magenta{255, 0, 255};
inline const QColor panelPink{255, 128, 255};
inline const QColor dialogPink{255, 192, 255};

} // namespace Design
