#include "ui/layouts/level_panel_looks.h"

#include "ui/layouts/design.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Design {

void dressLevelPanel(QFrame *panel, const LevelPanelParts &parts)
{
    setBackground(panel, panelPink);
    const QColor windowBackground = designPalette().color(QPalette::Base);

    parts.scoreButton->setFont(font(8.25, true));
    // The "Result" frame's caption in 8.25 bold.
    parts.resultFrame->setFont(font(8.25, true));
    setBackground(parts.resultFrame, panelPink);
    // The result picture and the choices, without border on the window's
    // background, keep their designed size until their picture is set.
    setBackground(parts.result, windowBackground);
    parts.hint->setFont(font(8.25, true));
    makeTransparent(parts.hint);
    for (PictureButton *choice : parts.choices)
        setBackground(choice, windowBackground);
}

void styleLevelPanel(QPushButton *scoreButton, QGroupBox *resultFrame)
{
    makeGreyButton(scoreButton);
    // An etched line with the caption set into it at the top left; the
    // style's own group box would tint the pink inside.
    // A style sheet takes its text colour from the desktop's palette, not the
    // window's, so the caption's colour is named here too.
    resultFrame->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: %1; color: %2; border: 2px groove #a0a0a0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " padding: 0px 2px; background-color: %1; }")
                                   .arg(panelPink.name(), designPalette().color(QPalette::WindowText).name()));
}

} // namespace Design
