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

PictureList::PictureList(QList<QPixmap> pictures)
    : m_pictures(std::move(pictures))
{
}

int PictureList::count() const
{
    return int(m_pictures.size());
}

QPixmap PictureList::picture(int n) const
{
    if (n < 1 || n > count())
        return {};
    return m_pictures.at(n - 1);
}

SymbolPictures SymbolPictures::load()
{
    const QStringList shared{QStringLiteral("circle"), QStringLiteral("plus"), QStringLiteral("square"),
                             QStringLiteral("star")};
    SymbolPictures lists;
    lists.beginner = PictureList(loadAll(shared + QStringList{QStringLiteral("waves"), QStringLiteral("question_cube")}));
    lists.intermediate = PictureList(loadAll(shared + QStringList{QStringLiteral("triskele"), QStringLiteral("knotwork"),
                                                                  QStringLiteral("hexagram"), QStringLiteral("pyramid")}));
    lists.expert = PictureList(loadAll(shared + QStringList{QStringLiteral("compass_wheel"), QStringLiteral("knotwork"),
                                                            QStringLiteral("triquetra"), QStringLiteral("ring"),
                                                            QStringLiteral("hexagram"), QStringLiteral("pyramid")}));
    return lists;
}

const PictureList &SymbolPictures::forLevel(Level level) const
{
    switch (level) {
    case Level::Intermediate:
        return intermediate;
    case Level::Expert:
        return expert;
    case Level::Beginner:
        break;
    }
    return beginner;
}

QPixmap SymbolPictures::restingPicture() const
{
    return beginner.picture(6);
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
