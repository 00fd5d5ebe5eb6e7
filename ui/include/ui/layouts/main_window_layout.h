#pragma once

#include "ui/symbol_pictures.h"

#include <array>

class LinkLabel;
class PictureBox;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace Ui {

// The design of the main window: every control under its design name.
// Children are created so that Qt's stacking order matches the design's.
// Every widget's objectName is its design name; an element of a control
// array is named as the design writes it, "cmdZener(0)", "picExpert(9)".
// Every menu and menu entry (and separator) carries its design name too.
// Buttons, symbol pictures and links take the keyboard focus by Tab, in the
// design's tab order; every symbol picture is named after its symbol.
struct frmMain
{
    QWidget *clientArea = nullptr; // the central widget, 633 x 481 px

    PictureBox *picMessage = nullptr; // wait panel, hidden at creation
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;

    QFrame *Frame2 = nullptr; // top banner
    LinkLabel *Label61 = nullptr;

    QFrame *Frame5 = nullptr; // bottom bar
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;

    QFrame *raCover = nullptr;
    QFrame *fraBeginner = nullptr;
    QFrame *fraIntermediate = nullptr;
    QFrame *fraExpert = nullptr;

    QLabel *lblScore = nullptr; // outcome carrier, never seen

    // Beginner panel
    QPushButton *cmdScore = nullptr;
    QGroupBox *Frame6 = nullptr;
    PictureBox *picZenerSymbol = nullptr;
    QLabel *Label1 = nullptr;
    std::array<PictureBox *, 5> cmdZener{};

    // Intermediate panel
    QPushButton *cmdIntermediateScore = nullptr;
    QGroupBox *Frame7 = nullptr;
    PictureBox *PicIntermediateResult = nullptr;
    QLabel *Label2 = nullptr;
    std::array<PictureBox *, 8> PicIntermediate{};

    // Expert panel
    QPushButton *cmdExpertScore = nullptr;
    QGroupBox *Frame8 = nullptr;
    PictureBox *picExpertResult = nullptr;
    QLabel *Label3 = nullptr;
    std::array<PictureBox *, 10> picExpert{};

    // Picture lists (no visible presence)
    SymbolPictures pictures;
    const ImageList &IMGBiggener() const { return pictures.IMGBiggener; }
    const ImageList &IMGIntermediate() const { return pictures.IMGIntermediate; }
    const ImageList &IMGExpert() const { return pictures.IMGExpert; }

    // Menu
    QMenu *mnuFile = nullptr;
    QAction *mnuScore = nullptr;
    QAction *mnuDifficulty = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuOnline = nullptr;
    QAction *mnuVisit = nullptr;
    QAction *mnuHelp1 = nullptr;
    QAction *mnuUpdate = nullptr;
    QAction *mnuHelp2 = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mkmoney = nullptr;

    // The level's choice picture at a 0-based position, and its result picture.
    PictureBox *levelChoice(Level level, int position) const;
    PictureBox *levelResult(Level level) const;

    void setupUi(QMainWindow *window);

private:
    void setupMenu(QMainWindow *window);
};

} // namespace Ui
