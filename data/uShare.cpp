#include "data/uShare.h"

#include "data/GbkText.h"
#include "data/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString &appPathOverride()
{
    static QString path;
    return path;
}

bool &overrideIsPortable()
{
    static bool portable = true;
    return portable;
}

QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

int hexDigit(char16_t u)
{
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

bool isTrimmed(QChar c) { return c.unicode() <= 32; }

} // namespace

QString programDirFor(const QString &executableDir)
{
    const QDir beside(executableDir);
    if (beside.exists(QStringLiteral("dream.dll")))
        return withSeparator(beside.absolutePath());
    return withSeparator(QDir::cleanPath(beside.absoluteFilePath(QStringLiteral("../share/velmora"))));
}

QString GetAppPath()
{
    if (!appPathOverride().isEmpty())
        return appPathOverride();
    const QString executableDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    // Every picture and query asks; the layout cannot change while the program runs.
    static QString cachedFor;
    static QString cached;
    if (executableDir != cachedFor) {
        cached = programDirFor(executableDir);
        cachedFor = executableDir;
    }
    return cached;
}

void setAppPath(const QString &path, bool portable)
{
    appPathOverride() = path.isEmpty() ? QString() : withSeparator(path);
    overrideIsPortable() = portable;
}

QString writableFilePath(const QString &fileName)
{
    const QString programDir = GetAppPath();
    const bool portable = !appPathOverride().isEmpty()
                              ? overrideIsPortable()
                              : !QCoreApplication::instance()
                                    || programDir == withSeparator(QCoreApplication::applicationDirPath());
    if (portable && QFileInfo(programDir).isWritable())
        return programDir + fileName;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + fileName;
}

QString GetConnStr()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + GetAppPath()
           + QStringLiteral("dream.dll;Persist Security Info=True");
}

QString dataSourceOf(const QString &connectionString)
{
    static const QString key = QStringLiteral("Data Source=");
    const qsizetype start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype from = start + key.size();
    const qsizetype end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

void ShowInfoMsg(const QString &text)
{
    messages().show(text, QStringLiteral("提示"), MessageIcon::Information);
}

QString trimText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

void addLines(QStringList &lines, const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    lines << text.split(lineBreak);
}

QString quoted(const QString &value)
{
    QString result;
    result.reserve(value.size() + 2);
    result += QLatin1Char('\'');
    for (QChar c : value) {
        result += c;
        if (c == QLatin1Char('\''))
            result += c;
    }
    result += QLatin1Char('\'');
    return result;
}

QByteArray HexToStr(const QString &hex)
{
    QByteArray bytes(hex.size() / 2, Qt::Uninitialized);
    const auto *text = reinterpret_cast<const char16_t *>(hex.utf16());
    qsizetype written = 0;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            beeper().beep();
            continue;
        }
        bytes[written++] = char(high * 16 + low);
    }
    bytes.truncate(written);
    return bytes;
}

QByteArray decodeContentBytes(QByteArray bytes, quint16 key, int rounds)
{
    const auto high = quint8(key >> 8);
    const auto low = quint8(key & 0xFF);
    auto *b = reinterpret_cast<quint8 *>(bytes.data());
    const qsizetype n = bytes.size();
    if (n < 2)
        return bytes;
    // The carried value stays in a register; through memory every byte would
    // wait for its neighbour's store.
    for (int round = 0; round < rounds; ++round) {
        quint8 carry = b[0];
        for (qsizetype i = 1; i < n; ++i)
            b[i] = carry = quint8(carry + b[i]) ^ high;
        for (qsizetype i = n - 2; i >= 0; --i)
            b[i] = carry = quint8(carry + b[i]) ^ low;
    }
    return bytes;
}

QString DecodeContent(const QString &encoded, quint16 key, int rounds)
{
    const QByteArray bytes = HexToStr(encoded);
    if (bytes.isEmpty())
        return {};
    return fromGbk(decodeContentBytes(bytes, key, rounds));
}

QByteArray encodeContentBytes(QByteArray bytes, quint16 key, int rounds)
{
    const auto high = quint8(key >> 8);
    const auto low = quint8(key & 0xFF);
    auto *b = reinterpret_cast<quint8 *>(bytes.data());
    const qsizetype n = bytes.size();
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype i = 0; i + 1 < n; ++i)
            b[i] = quint8((b[i] ^ low) - b[i + 1]);
        for (qsizetype i = n - 1; i >= 1; --i)
            b[i] = quint8((b[i] ^ high) - b[i - 1]);
    }
    return bytes;
}

QString StrToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString EncodeContent(const QString &text, quint16 key, int rounds)
{
    return StrToHex(encodeContentBytes(toGbk(text), key, rounds));
}
