#include "ui/level_panel.h"

#include "ui/layouts/level_panel_looks.h"
#include "ui/symbol_names.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"
#include "ui_beginner_panel.h"
#include "ui_expert_panel.h"
#include "ui_intermediate_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The start of every control's name on a level's panel.
QString namePrefix(Level level)
{
    return QLatin1String(ofLevel(level, "beginner", "intermediate", "expert"));
}

template<typename Widget>
Widget *part(const QWidget *panel, const QString &name)
{
    auto *found = panel->findChild<Widget *>(name);
    Q_ASSERT_X(found, "LevelPanel", qPrintable(name));
    return found;
}

} // namespace

LevelPanel::LevelPanel(Level level, const SymbolPictures &pictures, QWidget *parent)
    : QFrame(parent)
    , m_level(level)
    , m_pictures(pictures)
{
    switch (level) {
    case Level::Beginner:
        Ui::BeginnerPanel().setupUi(this);
        break;
    case Level::Intermediate:
        Ui::IntermediatePanel().setupUi(this);
        break;
    case Level::Expert:
        Ui::ExpertPanel().setupUi(this);
        break;
    }
    // The three forms differ in layout only: the controls are found by the
    // names that every form gives them.
    const QString prefix = namePrefix(level);
    for (int position = 0; position < symbolCount(level); ++position)
        m_choices << part<PictureButton>(this, prefix + QStringLiteral("Choice") + QString::number(position));
    m_result = part<PictureBox>(this, prefix + QStringLiteral("Result"));
    m_resultFrame = part<QGroupBox>(this, prefix + QStringLiteral("ResultFrame"));
    m_hint = part<QLabel>(this, prefix + QStringLiteral("Hint"));
    m_scoreButton = part<QPushButton>(this, prefix + QStringLiteral("ScoreButton"));
    Design::dressLevelPanel(this, {m_resultFrame, m_result, m_hint, m_scoreButton, m_choices});

    // Screen readers name each choice picture after the symbol that it shows.
    for (int position = 0; position < m_choices.size(); ++position) {
        m_choices[position]->setAccessibleName(symbolName(level, position + 1));
        connect(m_choices[position], &PictureButton::clicked, this,
                [this, position] { emit choiceClicked(m_level, position); });
    }
    m_result->setAccessibleName(restingPictureName());
    connect(m_scoreButton, &QPushButton::clicked, this, &LevelPanel::scoreRequested);
}

LevelPanel::~LevelPanel() = default;

PictureButton *LevelPanel::choice(int position) const
{
    Q_ASSERT(position >= 0 && position < m_choices.size());
    return m_choices[position];
}

QList<QWidget *> LevelPanel::tabStops() const
{
    QList<QWidget *> stops;
    for (QWidget *widget = nextInFocusChain(); isAncestorOf(widget); widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops << widget;
    }
    return stops;
}

void LevelPanel::prepare()
{
    if (!m_prepared) {
        m_prepared = true;
        Design::styleLevelPanel(m_scoreButton, m_resultFrame);
    }
    restIfBlank();
    const PictureList &list = m_pictures.forLevel(m_level);
    for (int position = 0; position < m_choices.size(); ++position) {
        PictureButton *choice = m_choices[position];
        if (!choice->picture().isNull())
            continue;
        // A missing picture leaves the choice at its designed size, so that
        // the panel keeps its shape.
        const QPixmap picture = list.picture(position + 1);
        if (!picture.isNull())
            choice->setPicture(picture);
    }
}

void LevelPanel::rest()
{
    m_result->setPicture(m_pictures.restingPicture(), restingPictureName());
}

void LevelPanel::restIfBlank()
{
    // The resting picture is decoded once and shared by every panel.
    if (m_result->pixmap().isNull())
        m_result->setPicture(m_pictures.restingPicture());
}

void LevelPanel::showDrawn(int symbol)
{
    const QPixmap picture = m_pictures.forLevel(m_level).picture(symbol);
    if (!picture.isNull())
        m_result->setPicture(picture, symbolName(m_level, symbol));
}
