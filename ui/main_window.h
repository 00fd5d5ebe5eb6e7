#pragma once

#include "ui/layouts/main_window_layout.h"
#include "ui/level_dialog.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

struct AppContext;

// The main window: the three level panels on which the test is played, the
// banner, the bottom bar and the menu. It asks for a level on every
// activation until one has been confirmed, and leads to the exit screen
// when it closes.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(AppContext &context, QWidget *parent = nullptr);
    ~frmMain() override;

    const Ui::frmMain &ui() const { return m_ui; }
    AppContext &context() const { return m_context; }

    // The level selection dialog, created from its design on first use.
    frmSelectOption *selectOption();
    // The dialog if it exists, without creating it.
    frmSelectOption *existingSelectOption() const { return m_selectOption; }

    // Handlers, named after their control and event.
    void Form_Activate();
    void cmdZener_Click(std::int16_t index);
    void PicIntermediate_Click(std::int16_t index);
    void picExpert_Click(std::int16_t index);
    void cmdScore_Click();
    void cmdIntermediateScore_Click();
    void cmdExpertScore_Click();
    void mnuScore_Click();
    void mnuDifficulty_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    // Shows the level dialog modally; destroys it afterwards if it was unloaded.
    void showSelectOption();
    void Form_Unload();

    AppContext &m_context;
    Ui::frmMain m_ui;
    QPointer<frmSelectOption> m_selectOption;
    bool m_activating = false;
    bool m_firstShowSeen = false;
};
