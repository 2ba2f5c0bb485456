#include "fortune/PhoneReading.h"

#include "data/Statements.h"
#include "data/uShare.h"

namespace PhoneReading {

const QString emptyMessage = QStringLiteral("请输入11位手机号码！");
const QString wrongMessage = QStringLiteral("请输入正确的手机号码！");
const QString hint = QStringLiteral("请注意：手机号码是11位，请正确输入。");
const QString footer = QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
                                      "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！");

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
    if (!entry.startsWith(QLatin1String("13")) && !entry.startsWith(QLatin1String("15")))
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
