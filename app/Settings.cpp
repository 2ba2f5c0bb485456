#include "app/Settings.h"

#include "data/uShare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct Skin
{
    const char *entry;
    const char *file;
};

// UTF-8 literals: the names are shown, the files are looked up.
const Skin skins[] = {
    {"默认风格", "skin/mxskin24.dll"},
    {"蓝色风情", "skin/mxp1.dll"},
    {"秋天童话", "skin/mxp3.dll"},
    {"深情摇篮", "skin/mxskin56.dll"},
    {"飞扬天空", "skin/mxp2.dll"},
};

QString notInteger(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString unableToWrite(const QString &path)
{
    return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
}

// The user's copy starts as the shipped file, so keys the program never writes survive.
void createFromDefault(const QString &path)
{
    const QString shipped = defaultSettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(shipped).absoluteFilePath() || !QFile::copy(shipped, path))
        return;
    // The shipped file may be read-only; the copy is the user's to change.
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

QString settingsFilePath()
{
    return writableFilePath(QStringLiteral("teler.dll"));
}

QString defaultSettingsFilePath()
{
    return GetAppPath() + QStringLiteral("teler.dll");
}

QStringList skinListEntries()
{
    QStringList entries;
    for (const Skin &skin : skins)
        entries << QString::fromUtf8(skin.entry);
    return entries;
}

QString skinFileOf(int index)
{
    if (index < 0 || index >= int(std::size(skins)))
        return GetAppPath();
    return GetAppPath() + QString::fromUtf8(skins[index].file);
}

bool toInteger(const QString &text, int &value, QString &error)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    // QString::toInt allows surrounding blanks; the settings value must be the number alone.
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace()) {
        error = notInteger(text);
        return false;
    }
    value = number;
    return true;
}

StartupSettings readStartupSettings(const IniFile &ini)
{
    StartupSettings settings;
    const IniFile source = QFileInfo::exists(ini.path()) ? ini : IniFile(defaultSettingsFilePath());
    const QString skin = trimText(source.readString(QLatin1String(settingsSection), QLatin1String(skinKey), QString()));
    if (!toInteger(skin, settings.skin, settings.error))
        return settings;
    settings.caption = trimText(source.readString(QLatin1String(settingsSection), QLatin1String(captionKey), QString()));
    settings.ok = true;
    return settings;
}

bool saveSettings(const IniFile &ini, int skin, const QString &caption, QString &error)
{
    if (!QFileInfo::exists(ini.path()))
        createFromDefault(ini.path());
    if (!ini.writeString(QLatin1String(settingsSection), QLatin1String(skinKey), QString::number(skin))
        || !ini.writeString(QLatin1String(settingsSection), QLatin1String(captionKey), trimText(caption))) {
        error = unableToWrite(ini.path());
        return false;
    }
    return true;
}
