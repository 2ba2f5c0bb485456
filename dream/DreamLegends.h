#pragma once

#include <QStringList>

// The legends window's fixed text, one entry per line, with the tags that
// choose the scrolling text's fonts.
QStringList dreamLegendLines();
