#pragma once

#include <QString>

// The program's settings file: INI text in GBK, opened and closed around each
// use. Reading never fails (a missing file or key gives the default); a write
// goes through a temporary file that replaces the old one only when complete.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    // Section and key names compare without regard to letter case. A value
    // longer than 2047 bytes comes back cut to that length.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Creates the file, section or key as needed; every other line stays as it
    // was, and new lines take the file's line break. False when the file cannot
    // be written, or when its permissions forbid writing, even to the superuser.
    bool writeString(const QString &section, const QString &key, const QString &value) const;

private:
    QString m_path;
};

inline constexpr int iniValueBytes = 2047;
