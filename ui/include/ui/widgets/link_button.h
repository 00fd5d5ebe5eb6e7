#pragma once

#include "ui/widgets/bare_button.h"

// A web link: its text, drawn as a label draws it, pressed like a button.
// Screen readers know it as a link named by its text. A window may let it
// take the focus by Tab.
class LinkButton : public BareButton
{
    Q_OBJECT

public:
    explicit LinkButton(QWidget *parent = nullptr);

    // Sets the text as it is shown: an '&' is a character, not a shortcut.
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textFlags() const;

    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
};
