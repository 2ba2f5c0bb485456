#include "fortune/PhoneReading.h"

#include "data/Statements.h"
#include "data/uShare.h"

namespace PhoneReading {

const QString emptyMessage = QStringLiteral("请输入11位手机号码！");
const QString wrongMessage = QStringLiteral("请输入正确的手机号码！");

namespace {

constexpr qsizetype readFrom = 7; // the eighth character

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool keyPasses(QChar c)
{
    return isAsciiDigit(c) || c == QChar(8) || c == QChar(13);
}

QString refusal(const QString &entry)
{
    if (entry.isEmpty())
        return emptyMessage;
    // Every mainland mobile prefix, 13 to 19, is a phone number.
    if (entry.size() < 2 || entry.at(0) != QLatin1Char('1') || entry.at(1) < QLatin1Char('3')
        || entry.at(1) > QLatin1Char('9'))
        return wrongMessage;
    // Without digits from the eighth on there is no number to read.
    if (entry.size() <= readFrom || entry.size() > maxLength)
        return wrongMessage;
    for (qsizetype i = readFrom; i < entry.size(); ++i) {
        if (!isAsciiDigit(entry.at(i)))
            return wrongMessage;
    }
    return {};
}

QString shoujiinfostr(const QString &entry)
{
    bool ok = false;
    const qlonglong n = entry.mid(readFrom).toLongLong(&ok);
    if (!ok)
        return {};
    return QString::number(n % 80);
}

bool read(Query &query, const QString &entry, Reading &reading)
{
    if (!query.run(Statements::phoneReading(shoujiinfostr(entry))))
        return false;
    reading.number = entry;
    reading.title = trimText(query.text(0));
    reading.jx = trimText(query.text(1));
    reading.content = trimText(query.text(2));
    query.close();
    return true;
}

} // namespace PhoneReading
