#include "widgets/Controls.h"

#include "widgets/JpegImage.h"

#include <QVariant>

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

void applyPixelSizes(QWidget *form)
{
    QList<QWidget *> widgets{form};
    // Parents before their children, so a child's own size is applied last.
    widgets += form->findChildren<QWidget *>();
    for (QWidget *widget : std::as_const(widgets)) {
        const QVariant pixels = widget->property("pixelSize");
        if (!pixels.isValid())
            continue;
        QFont font = widget->font();
        font.setPixelSize(pixels.toInt());
        widget->setFont(font);
    }
}

PictureLabel::PictureLabel(QWidget *parent) : QLabel(parent)
{
}

void PictureLabel::setPicture(const QString &name)
{
    m_picture = name;
    setPixmap(loadPixmap(name));
}

PictureButton::PictureButton(QWidget *parent) : QPushButton(parent)
{
}

void PictureButton::setPicture(const QString &name)
{
    m_picture = name;
    setIcon(QIcon(loadPixmap(name)));
}

PictureToolButton::PictureToolButton(QWidget *parent) : QToolButton(parent)
{
}

void PictureToolButton::setPicture(const QString &name)
{
    m_picture = name;
    setIcon(QIcon(loadPixmap(name)));
}
