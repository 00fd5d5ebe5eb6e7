#pragma once

#include "ui/layouts/main_window_layout.h"
#include "ui/level_dialog.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

struct AppContext;
class frmNagScreen2;

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

    // Brings the level's panel forward, so that the test is played on it.
    void showLevel(Level level);
    // Brings forward the promotional label that the run's banner number
    // picks: 1, 3, 5 the co-branding offer, 2, 4, 6 the full-branding one;
    // any other number leaves the design's order.
    void showBanner(std::int16_t number);

signals:
    // The exit screen has been made and is about to be shown; whoever runs
    // the program connects its request to end.
    void exitScreenOpened(frmNagScreen2 *screen);

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
