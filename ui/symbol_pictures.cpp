#include "ui/symbol_pictures.h"

#include <QStringList>

namespace {

QList<QPixmap> loadAll(const QStringList &names)
{
    QList<QPixmap> pictures;
    for (const QString &name : names)
        pictures.append(QPixmap(QStringLiteral(":/symbols/%1.jpg").arg(name)));
    return pictures;
}

} // namespace

ImageList::ImageList(QList<QPixmap> pictures)
    : m_pictures(std::move(pictures))
{
}

int ImageList::Count() const
{
    return int(m_pictures.size());
}

QPixmap ImageList::ListImage(int n) const
{
    if (n < 1 || n > Count())
        return {};
    return m_pictures.at(n - 1);
}

SymbolPictures SymbolPictures::load()
{
    const QStringList shared{QStringLiteral("circle"), QStringLiteral("plus"), QStringLiteral("square"),
                             QStringLiteral("star")};
    SymbolPictures lists;
    lists.IMGBiggener = ImageList(loadAll(shared + QStringList{QStringLiteral("waves"), QStringLiteral("question_cube")}));
    lists.IMGIntermediate = ImageList(loadAll(shared + QStringList{QStringLiteral("triskele"), QStringLiteral("knotwork"),
                                                                   QStringLiteral("hexagram"), QStringLiteral("pyramid")}));
    lists.IMGExpert = ImageList(loadAll(shared + QStringList{QStringLiteral("compass_wheel"), QStringLiteral("knotwork"),
                                                             QStringLiteral("triquetra"), QStringLiteral("ring"),
                                                             QStringLiteral("hexagram"), QStringLiteral("pyramid")}));
    return lists;
}

const ImageList &SymbolPictures::forLevel(Level level) const
{
    switch (level) {
    case Level::Intermediate:
        return IMGIntermediate;
    case Level::Expert:
        return IMGExpert;
    case Level::Beginner:
        break;
    }
    return IMGBiggener;
}

QPixmap SymbolPictures::restingPicture() const
{
    return IMGBiggener.ListImage(6);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/corvella-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programIconPicture()
{
    return QPixmap(QStringLiteral(":/icons/corvella-32.png"));
}
