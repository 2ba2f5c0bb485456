#include "app/IniFile.h"

#include "data/GbkText.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <unistd.h>

namespace {

// One line of the file as stored, with its line break, so untouched lines are
// written back byte for byte. CR LF, LF and a bare CR each end a line: a file
// saved with old Mac breaks, or one whose last line ends in CR, must not have
// a new key joined to its last line.
QList<QByteArray> splitKeepingBreaks(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        if (end < bytes.size())
            end += bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n' ? 2 : 1;
        lines << bytes.mid(start, end - start);
        start = end;
    }
    return lines;
}

QByteArray withoutBreak(const QByteArray &line)
{
    QByteArray text = line;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return text;
}

QByteArray breakOf(const QByteArray &line)
{
    return line.mid(withoutBreak(line).size());
}

// New lines take the file's own line break; a file without one gets CR LF.
QByteArray lineBreakOf(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        if (!breakOf(line).isEmpty())
            return breakOf(line);
    }
    return "\r\n";
}

// Each line's text without its break, decoded once by one decoder: opening a
// decoder per line costs more than all the rest of a read.
QStringList decodedLines(const QList<QByteArray> &lines)
{
    QStringDecoder decoder("GBK");
    QStringList texts;
    texts.reserve(lines.size());
    for (const QByteArray &line : lines) {
        decoder.resetState();
        texts << decoder.decode(withoutBreak(line));
    }
    return texts;
}

// The section a header line opens, or a null text for other lines.
QString sectionOf(const QString &line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    return (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
}

bool isKeyLine(const QString &text, const QString &key, QString *value = nullptr)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0 || text.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = text.mid(equals + 1).trimmed();
    return true;
}

constexpr QFileDevice::Permissions storedPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
    | QFileDevice::ExeOther;

// The superuser passes every access check, so for it the write bit of the class
// it falls in decides: a file made read-only stays read-only for every user.
bool permitsWriting(const QFileInfo &info)
{
    if (!info.isWritable())
        return false;
    if (geteuid() != 0)
        return true;
    const QFileDevice::Permissions permissions = info.permissions();
    if (info.ownerId() == 0)
        return permissions.testFlag(QFileDevice::WriteOwner);
    if (info.groupId() == 0)
        return permissions.testFlag(QFileDevice::WriteGroup);
    return permissions.testFlag(QFileDevice::WriteOther);
}

bool readAll(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

QString cutToBytes(const QString &value, int limit)
{
    QByteArray bytes = toGbk(value);
    if (bytes.size() <= limit)
        return value;
    bytes.truncate(limit);
    // Never leave the first byte of a double-byte character behind.
    QString cut = fromGbk(bytes);
    while (!cut.isEmpty() && toGbk(cut).size() > limit)
        cut.chop(1);
    if (!cut.isEmpty() && cut.back() == QChar::ReplacementCharacter)
        cut.chop(1);
    return cut;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QByteArray bytes;
    if (!readAll(m_path, bytes))
        return cutToBytes(defaultValue, iniValueBytes);
    bool inSection = false;
    for (const QString &line : decodedLines(splitKeepingBreaks(bytes))) {
        const QString header = sectionOf(line);
        if (!header.isNull()) {
            inSection = header.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        if (inSection && isKeyLine(line, key, &value))
            return cutToBytes(value, iniValueBytes);
    }
    return cutToBytes(defaultValue, iniValueBytes);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    QByteArray bytes;
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !permitsWriting(info) || !readAll(m_path, bytes)))
        return false;

    // A line break inside the value would split it into lines of its own.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray entry = toGbk(key) + '=' + toGbk(flat);

    QList<QByteArray> lines = splitKeepingBreaks(bytes);
    const QStringList texts = decodedLines(lines);
    qsizetype sectionStart = -1; // the header line
    qsizetype insertAt = -1;     // after the section's last non-blank line
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QString header = sectionOf(texts.at(i));
        if (!header.isNull()) {
            if (sectionStart >= 0)
                break;
            if (header.compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(texts.at(i), key)) {
            lines[i] = entry + breakOf(lines.at(i));
            done = true;
        } else if (!withoutBreak(lines.at(i)).trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        const QByteArray lineBreak = lineBreakOf(lines);
        auto endLine = [&lines, &lineBreak](qsizetype at) {
            if (at > 0 && breakOf(lines.at(at - 1)).isEmpty())
                lines[at - 1] += lineBreak;
        };
        if (sectionStart >= 0) {
            endLine(insertAt);
            lines.insert(insertAt, entry + lineBreak);
        } else {
            endLine(lines.size());
            lines << '[' + toGbk(section) + ']' + lineBreak << entry + lineBreak;
        }
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile copies the permissions as this user sees them, which for the
    // superuser include writing; the replacement keeps the stored bits.
    if (info.exists() && !file.setPermissions(info.permissions() & storedPermissions)) {
        file.cancelWriting();
        return false;
    }
    for (const QByteArray &line : std::as_const(lines)) {
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
