#include "app/Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                              QStringLiteral("AR PL UMing CN"), QStringLiteral("DejaVu Sans")};
    const QStringList kai = {QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC"),
                             QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), sans);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), sans);
    QFont::insertSubstitutions(QStringLiteral("黑体"), sans);
    QFont::insertSubstitutions(QStringLiteral("SimHei"), sans);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("楷体"), kai);
    // No free clerical script ships with Debian; the brush-like Kai comes closest.
    QFont::insertSubstitutions(QStringLiteral("隶书"), kai);
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    // Nimbus Sans has Arial's widths, so text sized for Arial keeps its room.
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans"),
                                                         QStringLiteral("Noto Sans CJK SC")});
}
