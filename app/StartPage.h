#pragma once

#include "data/Platform.h"

#include <QString>

inline constexpr char startPageKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr char startPageValue[] = "Start Page";

// Where there is no registry, the current user's values live in a small file
// of our own where the program writes its files (writableFilePath). It keeps each value's type,
// as the registry does; one value a line:
//     key TAB name TAB type TAB data
// with type "sz" (text), "dword" or "binary", and backslash, tab, CR and LF in
// the data written as \\, \t, \r and \n.
class StartPageFile final : public StartPageStore
{
public:
    explicit StartPageFile(const QString &path);

    bool read(QString &page, QString &error) override;
    bool write(const QString &page, QString &error) override;

    // user-registry beside a portable program, otherwise ~/.config/Velmora/user-registry.
    static QString defaultPath();

private:
    QString m_path;
};

#ifdef Q_OS_WIN
// The browser's home page in the current user's registry hive.
class RegistryStartPage final : public StartPageStore
{
public:
    bool read(QString &page, QString &error) override;
    bool write(const QString &page, QString &error) override;
};
#endif

QString invalidDataType(const QString &valueName);
QString failedToSetData(const QString &valueName);
