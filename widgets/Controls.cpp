#include "widgets/Controls.h"

#include "widgets/JpegImage.h"

#include <QPushButton>

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont songFont(int pixels, bool bold)
{
    return pixelFont(QStringLiteral("宋体"), pixels, bold);
}

QPushButton *pictureButton(QWidget *parent, const char *name, const QString &caption, const QString &picture,
                           const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(loadPixmap(picture)));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(geometry);
    return button;
}
