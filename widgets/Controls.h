#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// 宋体 at a pixel height, as the windows are designed; start-up maps the name
// to an installed font.
QFont songFont(int pixels = 12, bool bold = false);

// A push button with a 16 x 16 picture from the pictures folder before its caption.
QPushButton *pictureButton(QWidget *parent, const char *name, const QString &caption, const QString &picture,
                           const QRect &geometry);
