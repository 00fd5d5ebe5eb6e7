#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Siblings that share one place, of which the user sees only the one in
// front. This keeps the keyboard focus out of the others: their controls
// drop out of the Tab chain, and one that held the focus gives it up, so
// no key can press a control the user cannot see. It follows every change
// of the stacking order (raise, lower) of the siblings.
class FrontOnlyFocus final : public QObject
{
    Q_OBJECT

public:
    explicit FrontOnlyFocus(const QList<QWidget *> &stack, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *front() const;
    void update();

    QList<QPointer<QWidget>> m_stack;
};
