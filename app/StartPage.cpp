#include "app/StartPage.h"

#include "data/uShare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QString escaped(const QString &data)
{
    QString out;
    for (QChar c : data) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        default: out += c;
        }
    }
    return out;
}

QString unescaped(const QString &data)
{
    QString out;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data.at(i) != QLatin1Char('\\') || i + 1 == data.size()) {
            out += data.at(i);
            continue;
        }
        const QChar next = data.at(++i);
        out += next == QLatin1Char('t') ? QChar(u'\t')
             : next == QLatin1Char('r') ? QChar(u'\r')
             : next == QLatin1Char('n') ? QChar(u'\n')
                                        : next;
    }
    return out;
}

struct Entry
{
    QString key;
    QString name;
    QString type;
    QString data;
};

// Lines that are not entries are kept as they are.
bool parse(const QString &line, Entry &entry)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 4)
        return false;
    entry = {fields.at(0), fields.at(1), fields.at(2), unescaped(fields.at(3))};
    return true;
}

bool sameEntry(const Entry &entry, const QString &key, const QString &name)
{
    // Registry keys and value names ignore letter case.
    return entry.key.compare(key, Qt::CaseInsensitive) == 0 && entry.name.compare(name, Qt::CaseInsensitive) == 0;
}

bool readLines(const QString &path, QStringList &lines)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return true;
}

} // namespace

QString invalidDataType(const QString &valueName)
{
    return QStringLiteral("Invalid data type for '%1'").arg(valueName);
}

QString failedToSetData(const QString &valueName)
{
    return QStringLiteral("Failed to set data for '%1'").arg(valueName);
}

StartPageFile::StartPageFile(const QString &path) : m_path(path) {}

QString StartPageFile::defaultPath()
{
    return writableFilePath(QStringLiteral("user-registry"));
}

bool StartPageFile::read(QString &page, QString &error)
{
    const QString key = QLatin1String(startPageKey);
    const QString name = QLatin1String(startPageValue);
    page.clear();
    QStringList lines;
    // An unreadable store is like a key that cannot be opened: nothing stored.
    if (!readLines(m_path, lines))
        return true;
    for (const QString &line : std::as_const(lines)) {
        Entry entry;
        if (!parse(line, entry) || !sameEntry(entry, key, name))
            continue;
        if (entry.type != QLatin1String("sz")) {
            error = invalidDataType(name);
            return false;
        }
        page = entry.data;
        return true;
    }
    return true;
}

bool StartPageFile::write(const QString &page, QString &error)
{
    const QString key = QLatin1String(startPageKey);
    const QString name = QLatin1String(startPageValue);
    error = failedToSetData(name);
    QStringList lines;
    if (!readLines(m_path, lines) || !QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    const QString stored = key + QLatin1Char('\t') + name + QStringLiteral("\tsz\t") + escaped(page);
    bool replaced = false;
    for (QString &line : lines) {
        Entry entry;
        if (parse(line, entry) && sameEntry(entry, key, name)) {
            line = stored;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        lines << stored;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        return false;
    error.clear();
    return true;
}

#ifdef Q_OS_WIN
bool RegistryStartPage::read(QString &page, QString &error)
{
    page.clear();
    HKEY key = nullptr;
    const std::wstring path = QString::fromLatin1(startPageKey).toStdWString();
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return true;
    const std::wstring name = QString::fromLatin1(startPageValue).toStdWString();
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    bool ok = true;
    if (status == ERROR_SUCCESS) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            error = invalidDataType(QLatin1String(startPageValue));
            ok = false;
        } else {
            std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
            status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size);
            if (status == ERROR_SUCCESS)
                page = QString::fromWCharArray(data.c_str());
        }
    }
    RegCloseKey(key);
    return ok;
}

bool RegistryStartPage::write(const QString &page, QString &error)
{
    HKEY key = nullptr;
    const std::wstring path = QString::fromLatin1(startPageKey).toStdWString();
    bool ok = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)
              == ERROR_SUCCESS;
    if (ok) {
        const std::wstring name = QString::fromLatin1(startPageValue).toStdWString();
        const std::wstring data = page.toStdWString();
        ok = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                            DWORD((data.size() + 1) * sizeof(wchar_t)))
             == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    if (!ok)
        error = failedToSetData(QLatin1String(startPageValue));
    return ok;
}
#endif
