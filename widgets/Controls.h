#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// A font of a family at a pixel height, as the windows are designed at 96 dpi;
// start-up maps the Windows family names to installed fonts.
QFont pixelFont(const QString &family, int pixels, bool bold = false);
// 宋体, the windows' usual font.
QFont songFont(int pixels = 12, bool bold = false);

// A push button with a 16 x 16 picture from the pictures folder before its caption.
QPushButton *pictureButton(QWidget *parent, const char *name, const QString &caption, const QString &picture,
                           const QRect &geometry);
