#pragma once

#include "app/IniFile.h"

#include <QString>
#include <QStringList>

inline constexpr char settingsSection[] = "Self_Reg";
inline constexpr char skinKey[] = "skin";
inline constexpr char captionKey[] = "tite";

// The teler.dll the program writes: in the program directory of a portable
// layout, otherwise in the user's configuration folder.
QString settingsFilePath();
// The teler.dll shipped in the program directory, read until the user's own
// copy exists.
QString defaultSettingsFilePath();

// The settings window's skin list, in index order.
QStringList skinListEntries();
// The skin file of an index; for an index without a file, the program directory alone.
QString skinFileOf(int index);

// A whole decimal number with an optional sign, as the settings file holds it;
// false with the error's text otherwise.
bool toInteger(const QString &text, int &value, QString &error);

struct StartupSettings
{
    bool ok = false;
    QString error;   // set when ok is false
    int skin = 0;
    QString caption; // trimmed; empty keeps the built-in caption
};

// Reads "skin" and then "tite", from the shipped default while the file does not
// exist yet; a "skin" that is missing or not a number stops there with the error.
StartupSettings readStartupSettings(const IniFile &ini);

// Writes "skin" and then "tite", first creating a missing file from the shipped
// default; a failure on "skin" leaves "tite" unwritten.
bool saveSettings(const IniFile &ini, int skin, const QString &caption, QString &error);
