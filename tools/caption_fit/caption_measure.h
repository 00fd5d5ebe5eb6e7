#pragma once

#include "control_shape.h"

#include <QStringList>

#include <utility>

// What a text needs in a control, and what the control offers, in pixels:
// widths, or heights for wrapping labels.
struct Extent
{
    int need = 0;
    int capacity = 0;
    int lines = 1;
    bool bounded = true;
    bool byHeight = false;
    // A wrapped label's widest line, and how much of its width the window shows.
    int widest = 0;
    int visible = 0;
    bool fits() const { return !bounded || (need <= capacity && (visible == 0 || widest <= visible)); }
    bool noWorseThan(const Extent &other) const
    {
        return need <= qMax(capacity, other.need) && (visible == 0 || widest <= qMax(visible, other.widest));
    }
};

// A caption as the control shows it: without its access-key marker, or with a
// design caption's "&&" as one "&".
QString shownText(const ControlShape &shape, const QString &text);

// The widest line of a text, in whole pixels as a label lays it out.
int advance(const QFont &font, const QString &text);

// Lines and widest line of a text wrapped at a width, as a word-wrapping label
// lays it out; the lines themselves too, if asked for.
std::pair<int, int> wrappedLines(const QFont &font, const QString &text, int width, QStringList *shown = nullptr);

// What a caption needs in its control, and what the control offers.
Extent measure(const ControlShape &shape, const QString &caption);

// The right edge of the last of a menu bar's entries, or more than the width
// when the entries do not all fit on the bar.
int menuBarNeed(const ControlShape &shape, const QStringList &captions);
