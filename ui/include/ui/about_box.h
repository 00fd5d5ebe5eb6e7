#pragma once

#include <QDialog>

#include <memory>

class Platform;

namespace Ui {
class AboutBox;
}

// The about box: name, version, description and two links to the maker's
// pages. It has no state of its own; every opening is a fresh instance in its
// design state, and any way of closing it (OK, Enter, Escape, close box)
// destroys it. Its window opens it with open() and keeps the one instance.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    // The links open through `platform`.
    explicit AboutBox(Platform &platform, QWidget *parent = nullptr);
    ~AboutBox() override;

public slots:
    // Escape and the close box act as OK.
    void reject() override;

private:
    Platform &m_platform;
    std::unique_ptr<Ui::AboutBox> m_ui;
};
