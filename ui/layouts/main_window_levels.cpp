#include "ui/layouts/main_window_layout.h"

#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QFrame>

#include <span>

// The main window's controls by level, and the level panels' pictures.

PictureButton *Ui::MainWindow::levelChoice(Level level, int position) const
{
    const std::span<PictureButton *const> choices =
        ofLevel<std::span<PictureButton *const>>(level, beginnerChoices, intermediateChoices, expertChoices);
    Q_ASSERT(position >= 0 && std::size_t(position) < choices.size());
    return choices[std::size_t(position)];
}

PictureBox *Ui::MainWindow::levelResult(Level level) const
{
    return ofLevel(level, beginnerResult, intermediateResult, expertResult);
}

QFrame *Ui::MainWindow::levelPanel(Level level) const
{
    return ofLevel(level, beginnerPanel, intermediatePanel, expertPanel);
}

void Ui::MainWindow::showLevelPictures(Level level)
{
    // Every result box rests until a guess at its level; the resting picture
    // is decoded once and shared. A panel built later gets it when it is
    // first prepared.
    for (Level each : AllLevels) {
        PictureBox *result = levelResult(each);
        if (result && result->pixmap().isNull())
            result->setPicture(pictures.restingPicture());
    }
    const PictureList &list = pictures.forLevel(level);
    for (int position = 0; position < symbolCount(level); ++position) {
        PictureButton *choice = levelChoice(level, position);
        if (!choice->picture().isNull())
            continue;
        // A missing picture leaves the choice at its designed size, so that
        // the panel keeps its shape.
        const QPixmap picture = list.picture(position + 1);
        if (!picture.isNull())
            choice->setPicture(picture);
    }
}
