#include "ui/about_box.h"

#include "services/web_links.h"
#include "ui/layouts/about_box_looks.h"
#include "ui/widgets/link_button.h"

#include <QPushButton>

#include "ui_about_box.h"

AboutBox::AboutBox(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::AboutBox>())
{
    m_ui->setupUi(this);
    Design::dressAboutBox(this, *m_ui);
    // Closing destroys the box, so the next opening starts from the design.
    setAttribute(Qt::WA_DeleteOnClose);

    // OK is the default button; Escape reaches it through reject().
    m_ui->okButton->setDefault(true);
    connect(m_ui->okButton, &QPushButton::clicked, this, &AboutBox::accept);
    connect(m_ui->homePageLink, &LinkButton::clicked, this,
            [this] { WebLinks(m_platform).open(PageRole::HomePage); });
    // The about box offers the fully branded edition, not co-branding.
    connect(m_ui->fullBrandLink, &LinkButton::clicked, this,
            [this] { WebLinks(m_platform).open(PageRole::FullBrandInfoPage); });
}

AboutBox::~AboutBox() = default;

void AboutBox::reject()
{
    accept();
}
