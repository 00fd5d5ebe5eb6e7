#include "ui/about_box.h"

#include "services/app_context.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "ui/widgets/link_label.h"

#include <QPointer>
#include <QPushButton>

frmAbout::frmAbout(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    // Closing destroys the box, so the next opening starts from the design.
    setAttribute(Qt::WA_DeleteOnClose);
    context.windows.add(this);

    // cmdOk is the default button; Escape reaches it through reject().
    m_ui.cmdOk->setDefault(true);
    connect(m_ui.cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    connect(m_ui.lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(m_ui.lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

void frmAbout::showModal(AppContext &context, QWidget *parent)
{
    for (QWidget *window : context.windows.openWindows()) {
        if (auto *open = qobject_cast<frmAbout *>(window)) {
            open->raise();
            open->activateWindow();
            return;
        }
    }
    QPointer<frmAbout> about = new frmAbout(context, parent);
    about->exec();
    // Closing has only scheduled the deletion; finish it before returning.
    delete about.data();
}

void frmAbout::cmdOk_Click()
{
    done(QDialog::Accepted);
}

void frmAbout::lblHomePage_Click()
{
    modHelp(m_context.platform).OpenHomePage();
}

void frmAbout::lblCobrand_Click()
{
    // The about box offers the fully branded edition, not co-branding.
    modHelp(m_context.platform).OpenFullBrandInfoPage();
}

void frmAbout::reject()
{
    cmdOk_Click();
}
