#include "fortune/ConstellationPair.h"

#include "data/Statements.h"
#include "data/uShare.h"


namespace ConstellationPair {

const QStringList names = {
    QStringLiteral("水瓶座"), QStringLiteral("白羊座"), QStringLiteral("金牛座"), QStringLiteral("双子座"),
    QStringLiteral("巨蟹座"), QStringLiteral("狮子座"), QStringLiteral("处女座"), QStringLiteral("天秤座"),
    QStringLiteral("天蝎座"), QStringLiteral("射手座"), QStringLiteral("摩羯座"), QStringLiteral("双鱼座"),
};

QString pairingCaption(const QString &man, const QString &woman)
{
    return man + QStringLiteral("配对") + woman;
}


bool pairingLines(Query &query, const QString &man, const QString &woman, QStringList &lines)
{
    if (!query.run(Statements::constellationPair(man, woman)))
        return false;
    lines.clear();
    if (!query.eof()) {
        addLines(lines, trimText(query.text(0)));
        lines << QString();
        addLines(lines, trimText(query.text(1)));
        lines << QString();
        addLines(lines, trimText(query.text(2)));
    }
    query.close();
    return true;
}

} // namespace ConstellationPair
