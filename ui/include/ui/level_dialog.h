#pragma once

#include "symboltest/level.h"
#include "ui/layouts/level_dialog_layout.h"

#include <QDialog>

struct AppContext;

// The level selection dialog, which also hosts the score view. At most one
// exists; the main window creates it on first use. OK on the level choice,
// and closing the window, unload it; OK on the score view only hides it.
class frmSelectOption : public QDialog
{
    Q_OBJECT

public:
    explicit frmSelectOption(AppContext &context, QWidget *parent = nullptr);

    const Ui::frmSelectOption &ui() const { return m_ui; }
    // Unloaded dialogs are hidden and wait to be destroyed by their owner.
    bool isUnloaded() const { return m_unloaded; }

    void cmdOk_Click();
    void cmdOkScore_Click();
    void txtTotalScore_Change();
    void txtTotalScore_Click();
    void txtTotalScore_MouseDown();
    void txtTotalScore_MouseMove();
    void txtTotalScore_MouseUp();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

signals:
    // OK on the level choice with a level selected.
    void levelChosen(Level level);

public slots:
    // Escape closes the window, as its close box does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unload();
    void emptyClipboard();

    AppContext &m_context;
    Ui::frmSelectOption m_ui;
    bool m_unloaded = false;
};
