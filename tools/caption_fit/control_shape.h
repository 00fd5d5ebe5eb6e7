#pragma once

#include <QFont>
#include <QString>

// What a caption has to fit into, as the glossary's control column writes it:
//   role: kind [WxHpx | Wpx] [font Npx|app [bold] [underline]] [wrap] [visible Vpx] [ampersands]
// for example "backButton: greyButton 73x25px font 11px bold". Sizes are the
// control's own, in pixels; "visible" is the part of a clipped label that its
// window shows; "ampersands" marks a label caption in which "&&" stands for one
// "&". A note in parentheses may follow and is ignored. A menu entry's role
// names its menu ("fileMenu.exit"), so that access keys are checked per menu.
// Score-report pieces (scoreLine) are checked as whole lines: the level labels
// have roles ending in "Label", the two other pieces are "correctOutOf" and
// "attempts".
struct ControlShape
{
    enum class Kind {
        GreyButton,  // push button with the design's 2 px stylesheet border
        Button,      // push button drawn by the style
        Radio,       // option button
        GroupBox,    // group box caption
        Label,       // label: wrapped within width and height, or one line
        LineEdit,    // single-line text box (placeholder text)
        ScoreLine,   // piece of a score-report line in a multi-line text box
        MenuBar,     // menu-bar entry; all of a context's entries share the width
        Unbound,     // menu entry, message box, title, screen-reader name ...
    };

    QString role;
    QString kindName;
    Kind kind = Kind::Unbound;
    int width = 0;
    int height = 0;
    int fontPixels = 11;
    bool appFont = false;
    bool bold = false;
    bool underline = false;
    bool wrap = false;
    int visibleWidth = 0;
    bool designAmpersands = false;

    // The font the control draws its caption in.
    QFont font() const;
};

// Parses a control column; on failure returns false with a reason.
bool parseControlShape(const QString &column, ControlShape &shape, QString &error);

// The family the program's design uses: Verdana where installed, else DejaVu Sans.
QString designFamily();
