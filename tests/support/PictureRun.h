#pragma once

#include "app/Fonts.h"
#include "app/Translations.h"
#include "data/uShare.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QDir>

// How the tools that photograph windows start, once the application object exists:
// the program's fonts, Chinese dialogs and shipped data, the maker's server out of
// reach. Returns the output folder named by the first argument, created.
inline QString startPictureRun(int argc, char **argv)
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    installFontSubstitutes();
    installChineseTranslations();
    QApplication::setFont(songFont());
    setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
    return folder;
}
