#pragma once

#include "widgets/JpegImage.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QToolButton>

class QWidget;

// A font of a family at a pixel height, as the windows are designed at 96 dpi;
// start-up maps the Windows family names to installed free fonts.
QFont pixelFont(const QString &family, int pixels, bool bold = false);
// 宋体, the windows' usual font.
QFont songFont(int pixels = 12, bool bold = false);

// Designer's font property knows only whole points, while the windows are drawn
// in pixels; a form gives a control's character height in a "pixelSize"
// property, which this applies to the form and its controls.
void applyPixelSizes(QWidget *form);

// A picture of the program's pictures folder, shown scaled or at its size, or
// stretched to the label's width at its own height (a strip behind a tool bar).
class PictureLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretchedToWidth READ stretchedToWidth WRITE setStretchedToWidth)
public:
    explicit PictureLabel(QWidget *parent = nullptr);
    const QString &picture() const { return m_picture; }
    void setPicture(const QString &name);
    bool stretchedToWidth() const { return m_stretchedToWidth; }
    void setStretchedToWidth(bool stretched);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    bool m_stretchedToWidth = false;
};

// A button of some kind whose icon is a picture of the pictures folder, named
// by its "picture" property (a dynamic property where a form sets it).
template <class Button>
class PictureOn : public Button
{
public:
    explicit PictureOn(QWidget *parent = nullptr) : Button(parent) {}
    QString picture() const { return this->property("picture").toString(); }
    void setPicture(const QString &name) { this->setProperty("picture", name); }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange
            && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == "picture")
            this->setIcon(QIcon(loadPixmap(picture())));
        return Button::event(event);
    }
};

using PictureButton = PictureOn<QPushButton>;
using PictureToolButton = PictureOn<QToolButton>;
