#include "fortune/LoveTest.h"

#include "data/GbkText.h"
#include "data/uShare.h"
#include "fortune/StrokeTable.h"

#include <QStringList>

#include <cstdlib>

namespace LoveTest {

const QString missingNamesMessage = QStringLiteral("请输入你们的姓名！");
const QString resultCaption = QStringLiteral("你们的缘分：");
const QString specialMan = QStringLiteral("石青岚");
const QString specialWoman = QStringLiteral("柳如眉");
const QString specialVerdict = QStringLiteral("爱在心间默默关爱 得分99分");

QString verdict(const QString &man, const QString &woman)
{
    const QString a = trimText(man);
    const QString b = trimText(woman);
    if (a == specialMan && b == specialWoman)
        return specialVerdict;
    return GetFateText(std::abs(GetNameStrokes(b) - GetNameStrokes(a)));
}

} // namespace LoveTest

namespace {

constexpr int firstLead = 0xB0;
constexpr int lastLead = 0xF7;
constexpr int firstTrail = 0xA1;
constexpr int lastTrail = 0xFE;
constexpr int cellsPerLead = 94;

const QStringList &fateTexts()
{
    static const QStringList texts = {
        QStringLiteral("亲密无间 得分88分"),
        QStringLiteral("永远和你在一起 得分98分"),
        QStringLiteral("水火不相容 得分20分"),
        QStringLiteral("知心朋友 得分70分"),
        QStringLiteral("心上人 得分96分"),
        QStringLiteral("帮你做事的人 得分70分"),
        QStringLiteral("帮你的人 得分65分"),
        QStringLiteral("面和心不合 得分30分"),
        QStringLiteral("男女关系不正常 得分89分"),
        QStringLiteral("情投意合 得分90分"),
        QStringLiteral("关系马虎 得分50分"),
        QStringLiteral("尊敬你的人 得分70分"),
        QStringLiteral("爱你的人 得分80分"),
        QStringLiteral("适合你的 得分80分"),
        QStringLiteral("说你坏话的人 得分44分"),
        QStringLiteral("克星 得分10分"),
        QStringLiteral("救星 得分80分"),
        QStringLiteral("忠心的人 得分70分"),
        QStringLiteral("狼心狗肺的人 得分30分"),
        QStringLiteral("单相思 得分60分"),
        QStringLiteral("山盟海誓 得分98分"),
        QStringLiteral("情敌 得分60分"),
        QStringLiteral("服从你的人 得分70分"),
        QStringLiteral("永远在一起 得分95分"),
        QStringLiteral("伴终生 得分96分"),
        QStringLiteral("恨你又爱你 得分99分"),
    };
    return texts;
}

} // namespace

int GetNameStrokes(const QByteArray &gbkName)
{
    int sum = 0;
    const qsizetype size = gbkName.size();
    for (qsizetype p = 0; p < size;) {
        const int c = quint8(gbkName.at(p++));
        if (c < firstLead || p == size)
            continue;
        const int t = quint8(gbkName.at(p++));
        // GBK-only characters (lead above F7, trail below A1) lie outside the
        // table; taking them at face value would read past it or another entry.
        if (c > lastLead || t < firstTrail || t > lastTrail)
            continue;
        sum += StrokeTable[std::size_t((c - firstLead) * cellsPerLead + (t - firstTrail))];
    }
    return sum;
}

int GetNameStrokes(const QString &name)
{
    return GetNameStrokes(toGbk(name));
}

QString GetFateText(int difference)
{
    if (difference < 0 || difference >= fateTexts().size())
        return QStringLiteral("只有天知道,请听下回分解");
    return fateTexts().at(difference);
}
