#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Decodes a JPEG file with libjpeg; a null image when it cannot be read.
QImage loadJpeg(const QString &path);
// A picture of the program directory's "pictures" folder; JPEGs go through libjpeg.
QImage loadPicture(const QString &name);
// The same picture, ready to show.
QPixmap loadPixmap(const QString &name);
