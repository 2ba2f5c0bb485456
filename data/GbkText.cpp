#include "data/GbkText.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

bool gbkAvailable()
{
    return QStringEncoder("GBK").isValid() && QStringDecoder("GBK").isValid();
}

QByteArray toGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

bool representableInGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && fromGbk(bytes) == text;
}

bool writeGbkLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toGbk(line);
        bytes += "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}
