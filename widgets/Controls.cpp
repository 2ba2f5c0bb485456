#include "widgets/Controls.h"

#include "widgets/JpegImage.h"

#include <QPainter>
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

void PictureLabel::setStretchedToWidth(bool stretched)
{
    m_stretchedToWidth = stretched;
    update();
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    if (!m_stretchedToWidth || pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QRect(0, 0, width(), pixmap().height()), pixmap());
}

