#include "ui/symbol_pictures.h"

#include "assets/load_picture.h"

namespace {

QStringList symbolPaths(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(QStringLiteral(":/symbols/%1.jpg").arg(name));
    return paths;
}

QString iconPath(int size)
{
    return QStringLiteral(":/icons/corvella-%1.png").arg(size);
}

} // namespace

PictureList::PictureList(QStringList paths, qreal devicePixelRatio)
    : m_paths(std::move(paths))
    , m_devicePixelRatio(devicePixelRatio)
    , m_loaded(m_paths.size())
{
}

int PictureList::count() const
{
    return int(m_paths.size());
}

QPixmap PictureList::picture(int n) const
{
    if (n < 1 || n > count())
        return {};
    QPixmap &picture = m_loaded[n - 1];
    if (picture.isNull())
        picture = loadPicture(m_paths.at(n - 1), m_devicePixelRatio);
    return picture;
}

SymbolPictures SymbolPictures::load(qreal devicePixelRatio)
{
    const QStringList shared{QStringLiteral("circle"), QStringLiteral("plus"), QStringLiteral("square"),
                             QStringLiteral("star")};
    SymbolPictures lists;
    lists.beginner = PictureList(symbolPaths(shared + QStringList{QStringLiteral("waves"), QStringLiteral("question_cube")}),
                                 devicePixelRatio);
    lists.intermediate = PictureList(symbolPaths(shared + QStringList{QStringLiteral("triskele"), QStringLiteral("knotwork"),
                                                                      QStringLiteral("hexagram"), QStringLiteral("pyramid")}),
                                     devicePixelRatio);
    lists.expert = PictureList(symbolPaths(shared + QStringList{QStringLiteral("compass_wheel"), QStringLiteral("knotwork"),
                                                                QStringLiteral("triquetra"), QStringLiteral("ring"),
                                                                QStringLiteral("hexagram"), QStringLiteral("pyramid")}),
                               devicePixelRatio);
    return lists;
}

const PictureList &SymbolPictures::forLevel(Level level) const
{
    return *ofLevel(level, &beginner, &intermediate, &expert);
}

QPixmap SymbolPictures::restingPicture() const
{
    return beginner.picture(6);
}

QIcon programIcon(qreal devicePixelRatio)
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(loadPicture(iconPath(size), devicePixelRatio));
    return icon;
}

QPixmap programIconPicture(qreal devicePixelRatio)
{
    return loadPicture(iconPath(32), devicePixelRatio);
}
