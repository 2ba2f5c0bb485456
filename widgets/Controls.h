#pragma once

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

// A picture of the program's pictures folder, shown scaled or at its size.
class PictureLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit PictureLabel(QWidget *parent = nullptr);
    const QString &picture() const { return m_picture; }
    void setPicture(const QString &name);

private:
    QString m_picture;
};

// A push button with a picture of the pictures folder before its caption.
class PictureButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit PictureButton(QWidget *parent = nullptr);
    const QString &picture() const { return m_picture; }
    void setPicture(const QString &name);

private:
    QString m_picture;
};

// A tool button with a picture of the pictures folder.
class PictureToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit PictureToolButton(QWidget *parent = nullptr);
    const QString &picture() const { return m_picture; }
    void setPicture(const QString &name);

private:
    QString m_picture;
};
