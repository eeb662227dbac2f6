#include "editor/shell/PictureFiles.h"

namespace PictureFiles {

namespace {

QStringList endings(Kind kind)
{
    QStringList list{QStringLiteral("bmp"), QStringLiteral("gif"),  QStringLiteral("jpg"), QStringLiteral("jpeg"),
                     QStringLiteral("png"), QStringLiteral("wmf"), QStringLiteral("emf")};
    if (kind == Kind::Area)
        list << QStringLiteral("ico") << QStringLiteral("cur");
    return list;
}

}  // namespace

QStringList patterns(Kind kind)
{
    QStringList list;
    for (const QString& ending : endings(kind))
        list << QStringLiteral("*.") + ending;
    return list;
}

QString filter(Kind kind)
{
    return QStringLiteral("Graphic files (") + patterns(kind).join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool isPicture(const QString& path, Kind kind)
{
    for (const QString& ending : endings(kind)) {
        if (path.endsWith(QLatin1Char('.') + ending, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

}  // namespace PictureFiles
