#pragma once

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringList>

// The pictures compiled into the program, found by walking the resources
// rather than copied from a list: the path of every 1x file
// (":/symbols/circle.jpg"), not of its @Nx variants.
inline QStringList compiledPictures()
{
    static const QRegularExpression variantName(QStringLiteral("@[0-9]+x\\.[^./]+$"));
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    QStringList paths;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Qt keeps resources of its own under this prefix.
        if (path.startsWith(QLatin1String(":/qt-project.org/")))
            continue;
        if (!formats.contains(it.fileInfo().suffix().toLower().toLatin1()))
            continue;
        if (!variantName.match(path).hasMatch())
            paths.append(path);
    }
    paths.sort();
    return paths;
}

// The @Nx variant of a picture, named as Qt names them.
inline QString scaledVariant(const QString &path, int scale)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}
