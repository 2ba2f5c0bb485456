#include "app/IniFile.h"

#include "data/GbkText.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

// One line of the file as stored, with its line break, so untouched lines are
// written back byte for byte.
QList<QByteArray> splitKeepingBreaks(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
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

// The section a header line opens, or a null text for other lines.
QString sectionOf(const QByteArray &line)
{
    const QString text = fromGbk(withoutBreak(line)).trimmed();
    if (!text.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    return (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
}

bool isKeyLine(const QByteArray &line, const QString &key, QString *value = nullptr)
{
    const QString text = fromGbk(withoutBreak(line));
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
    for (const QByteArray &line : splitKeepingBreaks(bytes)) {
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
    if (info.exists() && (!info.isFile() || !info.isWritable() || !readAll(m_path, bytes)))
        return false;

    // A line break inside the value would split it into lines of its own.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray entry = toGbk(key) + '=' + toGbk(flat);

    QList<QByteArray> lines = splitKeepingBreaks(bytes);
    qsizetype sectionStart = -1; // the header line
    qsizetype insertAt = -1;     // after the section's last non-blank line
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QString header = sectionOf(lines.at(i));
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
        if (isKeyLine(lines.at(i), key)) {
            lines[i] = entry + breakOf(lines.at(i));
            done = true;
        } else if (!withoutBreak(lines.at(i)).trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!done) {
        auto endLine = [&lines](qsizetype at) {
            if (at > 0 && breakOf(lines.at(at - 1)).isEmpty())
                lines[at - 1] += "\r\n";
        };
        if (sectionStart >= 0) {
            endLine(insertAt);
            lines.insert(insertAt, entry + "\r\n");
        } else {
            endLine(lines.size());
            lines << '[' + toGbk(section) + "]\r\n" << entry + "\r\n";
        }
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : std::as_const(lines)) {
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
