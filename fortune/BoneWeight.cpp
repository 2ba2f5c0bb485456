#include "fortune/BoneWeight.h"

#include "data/Statements.h"
#include "data/uShare.h"

#include <QRegularExpression>

#include <cmath>

namespace BoneWeight {

const QStringList monthNames = {
    QStringLiteral("正"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
    QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"), QStringLiteral("八"),
    QStringLiteral("九"), QStringLiteral("十"), QStringLiteral("十一"), QStringLiteral("腊"),
};

const QStringList dayNames = {
    QStringLiteral("初一"), QStringLiteral("初二"), QStringLiteral("初三"), QStringLiteral("初四"),
    QStringLiteral("初五"), QStringLiteral("初六"), QStringLiteral("初七"), QStringLiteral("初八"),
    QStringLiteral("初九"), QStringLiteral("初十"), QStringLiteral("十一"), QStringLiteral("十二"),
    QStringLiteral("十三"), QStringLiteral("十四"), QStringLiteral("十五"), QStringLiteral("十六"),
    QStringLiteral("十七"), QStringLiteral("十八"), QStringLiteral("十九"), QStringLiteral("二十"),
    QStringLiteral("廿一"), QStringLiteral("廿二"), QStringLiteral("廿三"), QStringLiteral("廿四"),
    QStringLiteral("廿五"), QStringLiteral("廿六"), QStringLiteral("廿七"), QStringLiteral("廿八"),
    QStringLiteral("廿九"), QStringLiteral("三十"),
};

const QString noYearMessage = QStringLiteral("请选择年！");

QStringList yearNames()
{
    QStringList years;
    for (int year = firstYear; year <= lastYear; ++year)
        years << QString::number(year);
    return years;
}

QStringList hourNames()
{
    QStringList hours;
    for (int hour = 0; hour < 24; ++hour)
        hours << QString::number(hour);
    return hours;
}

QString totalText(double total)
{
    return QString::number(total, 'g', 15);
}

QString weightCode(double total)
{
    // Only one integer digit from 1 to 9 and at most one decimal digit make a key.
    static const QRegularExpression keyed(QStringLiteral("^[1-9](\\.[0-9])?$"));
    const QString text = totalText(total);
    if (!keyed.match(text).hasMatch())
        return {};
    if (text.size() == 1)
        return text + QLatin1Char('0');
    return QString(text.at(0)) + text.at(2);
}

QString weightLine(const QString &code)
{
    if (code.size() != 2)
        return {};
    QString line = QStringLiteral("你的骨重为：") + code.at(0) + QStringLiteral("两");
    if (code.at(1) != QLatin1Char('0'))
        line += code.at(1) + QStringLiteral("钱");
    return line;
}

QString weightLineOfTotal(double total)
{
    if (!std::isfinite(total))
        return {};
    // In 钱, with the noise of double arithmetic rounded off.
    QString qian = QString::number(std::fabs(total) * 10.0, 'f', 6);
    while (qian.endsWith(QLatin1Char('0')))
        qian.chop(1);
    if (qian.endsWith(QLatin1Char('.')))
        qian.chop(1);
    const qsizetype point = qian.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? qian : qian.left(point);
    const QString fraction = point < 0 ? QString() : qian.mid(point);
    const QString liang = whole.size() > 1 ? whole.left(whole.size() - 1) : QStringLiteral("0");
    const QString qianDigit = whole.right(1) + fraction;

    QString line = QStringLiteral("你的骨重为：");
    if (total < 0)
        line += QLatin1Char('-');
    line += liang + QStringLiteral("两");
    if (qianDigit != QLatin1String("0"))
        line += qianDigit + QStringLiteral("钱");
    return line;
}

bool read(Query &query, const QString &year, const QString &month, const QString &day, const QString &hour,
          Reading &reading)
{
    double total = 0.0;
    for (const QString &sql : {Statements::yearWeight(year), Statements::monthWeight(month),
                               Statements::dayWeight(day), Statements::hourWeight(hour)}) {
        if (!query.run(sql))
            return false;
        // A missing row reads as 0 and so adds nothing.
        total += query.number(0);
    }
    query.close();

    reading = {};
    reading.total = total;
    reading.code = weightCode(total);
    if (reading.code.isEmpty()) {
        reading.line = weightLineOfTotal(total);
        return true;
    }
    if (!query.run(Statements::boneVerse(reading.code)))
        return false;
    if (!query.eof()) {
        reading.hasVerse = true;
        reading.verse = trimText(query.text(0));
        reading.line = weightLine(reading.code);
    }
    query.close();
    return true;
}

} // namespace BoneWeight
