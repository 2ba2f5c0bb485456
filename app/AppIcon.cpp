#include "app/AppIcon.h"

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/velmora/icons/hicolor/%1x%1/apps/velmora.png").arg(size), QSize(size, size));
    return icon;
}
