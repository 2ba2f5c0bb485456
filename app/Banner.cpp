#include "app/Banner.h"

#include "data/GbkText.h"
#include "data/uShare.h"

#include <QRegularExpression>
#include <QUrl>

#include <limits>

namespace {

// Text before the first ">", empty when there is none.
QString beforeMark(const QString &text)
{
    const qsizetype mark = text.indexOf(QLatin1Char('>'));
    return mark < 0 ? QString() : text.left(mark);
}

// Text after the first ">"; all of it when there is none.
QString afterMark(const QString &text)
{
    const qsizetype mark = text.indexOf(QLatin1Char('>'));
    return mark < 0 ? text : text.mid(mark + 1);
}

// The digit a character of the flag file stands for, or -1.
int flagDigit(const std::optional<QByteArray> &flag, qsizetype at)
{
    if (!flag || flag->size() <= at || flag->at(at) < '0' || flag->at(at) > '9')
        return -1;
    return flag->at(at) - '0';
}

bool isWebAddress(const QString &address)
{
    const QString scheme = QUrl(address).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

QStringList memoLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void BannerRotation::prepare(const Received &received, BannerBrowser &browser)
{
    // Whatever the list fetch received stays, even when the flag fetches fail.
    m_text = received.list ? fromGbk(*received.list) : QString();
    m_lines = memoLines(m_text);
    // The first character must be a digit, though only the second is the switch.
    const int second = flagDigit(received.secondFlag, 1);
    BannerOn = !received.list || flagDigit(received.firstFlag, 0) < 0 || second < 0 ? 0 : second;
    BannerPos = 0;
    BannerLast = int(m_lines.size()) - 1;
    if (BannerLast < 0)
        browser.setBrowserVisible(false);
    if (BannerOn == 0) {
        browser.setBrowserVisible(false);
        browser.setTop(browserTopWhenOff);
    }
}

QString BannerRotation::GetBannerField(int kind, int line) const
{
    if (line < 0 || line >= m_lines.size())
        return {};
    const QString text = trimText(m_lines.at(line));
    switch (kind) {
    case 0: return beforeMark(text);
    case 1: return beforeMark(afterMark(text));
    case 2: return trimText(afterMark(afterMark(text)));
    default: return {};
    }
}

bool BannerRotation::isEntry(int line) const
{
    // Only web pages are shown; a file, script or data address counts as a disabled line.
    return GetBannerField(0, line) == QLatin1String("1") && isWebAddress(GetBannerField(2, line));
}

int BannerRotation::tick(BannerBrowser &browser)
{
    if (trimText(m_text).isEmpty() || BannerOn == 0)
        return -1;
    int found = -1;
    for (int i = BannerPos; i <= BannerLast; ++i) {
        if (isEntry(i)) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return -1;
    BannerPos = found;
    browser.navigate(GetBannerField(2, BannerPos));
    bool whole = false;
    const int seconds = trimText(GetBannerField(1, BannerPos)).toInt(&whole, 10);
    const bool usable = whole && seconds >= 0 && seconds <= std::numeric_limits<int>::max() / 1000;
    ++BannerPos;
    if (BannerPos == BannerLast)
        BannerPos = 0;
    return usable ? seconds * 1000 : fallbackIntervalMs;
}
