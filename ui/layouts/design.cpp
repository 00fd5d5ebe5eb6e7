#include "ui/layouts/design.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>
#include <QWidget>

#include "services/web_links.h"

#include <cmath>
#include <memory>

namespace Design {

QString fontFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &candidate : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (families.contains(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont font(double points, bool bold, bool underline)
{
    QFont result(fontFamily());
    result.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    result.setBold(bold);
    result.setUnderline(underline);
    return result;
}

QPalette designPalette()
{
    // Fusion's standard palette is the light one Qt itself falls back on when
    // the desktop names none; it is built into Qt Widgets, so always there.
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(QColor(0xef, 0xef, 0xef));
    }();
    return palette;
}

void useDesignPalette(QWidget *window)
{
    window->setPalette(designPalette());
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void makeTransparent(QWidget *widget)
{
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_TranslucentBackground);
}

void makeGreyButton(QAbstractButton *button, const QColor &face)
{
    button->setStyleSheet(QStringLiteral(
        "QAbstractButton { background-color: %1; color: black; border: 2px outset %2; }"
        "QAbstractButton:pressed { border-style: inset; }"
        "QAbstractButton:focus { outline: 1px dotted black; }")
                              .arg(face.name(), face.lighter(130).name()));
}

QString labelCaption(const QString &designCaption)
{
    QString caption = designCaption;
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return caption;
}

QString siteCaption()
{
    return QUrl(pageAddress(PageRole::HomePage)).host();
}

QString forumPromotion()
{
    return QCoreApplication::translate("Branding", "Join the friendly Quendrel forum! Share your psychic experiences. "
                                                   "Visit %1/forum today.")
        .arg(siteCaption());
}

QString coBrandCaption()
{
    return labelCaption(QCoreApplication::translate(
        "Branding", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on co-branding."));
}

QString fullBrandCaption()
{
    return QCoreApplication::translate("Branding",
                                       "Home Business Opportunity. Start your own Internet business and make "
                                       "money online. Get this software fully branded for your website. "
                                       "Click here for more details.");
}

} // namespace Design
