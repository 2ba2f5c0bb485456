#include "cli/Cli.h"

#include "data/Query.h"
#include "data/uShare.h"
#include "fortune/BoneWeight.h"
#include "fortune/ConstellationPair.h"
#include "fortune/LoveTest.h"
#include "fortune/PhoneReading.h"

namespace {

// The same refusal a window shows in its message box.
int refused(const QString &message)
{
    printErr(message + QLatin1Char('\n'));
    return 2;
}

// A list item by its text or by its 1-based place in the list.
QString listItem(const QStringList &items, const QString &text)
{
    if (items.contains(text))
        return text;
    bool ok = false;
    const int place = text.toInt(&ok);
    if (ok && place >= 1 && place <= items.size())
        return items.at(place - 1);
    return {};
}

QString constellation(const QString &text)
{
    const QString name = trimText(text);
    if (ConstellationPair::names.contains(name))
        return name;
    const QString withSuffix = name + QStringLiteral("座");
    return ConstellationPair::names.contains(withSuffix) ? withSuffix : QString();
}

} // namespace

int cliBone(const QStringList &args)
{
    const QString note =
        QStringLiteral("YEAR 1900-2050, MONTH 正 ... 腊 or 1-12, DAY 初一 ... 三十 or 1-30, HOUR 0-23 (lunar date)");
    if (args.size() != 4)
        return badUsage(note);
    const QString year = trimText(args.at(0));
    if (year.isEmpty())
        return refused(BoneWeight::noYearMessage);
    const QString month = listItem(BoneWeight::monthNames, trimText(args.at(1)));
    const QString day = listItem(BoneWeight::dayNames, trimText(args.at(2)));
    bool hourOk = false;
    const int hourNumber = trimText(args.at(3)).toInt(&hourOk);
    if (!BoneWeight::yearNames().contains(year) || month.isEmpty() || day.isEmpty() || !hourOk
        || hourNumber < 0 || hourNumber > 23)
        return badUsage(note);

    Query query = connectedQuery();
    BoneWeight::Reading reading;
    if (!BoneWeight::read(query, year, month, day, QString::number(hourNumber), reading))
        return unreadableDatabase(query);
    if (reading.line.isEmpty()) {
        printErr(QStringLiteral("velmora-cli: no verse for the weight code %1\n").arg(reading.code));
        return 1;
    }
    printOut(reading.line + QLatin1Char('\n'));
    if (!reading.hasVerse) {
        printErr(QStringLiteral("velmora-cli: no verse for a total of %1\n").arg(BoneWeight::totalText(reading.total)));
        return 1;
    }
    printOut(reading.verse + QLatin1Char('\n'));
    return 0;
}

int cliPhone(const QStringList &args)
{
    if (args.size() != 1)
        return badUsage();
    const QString entry = trimText(args.at(0));
    const QString refusal = PhoneReading::refusal(entry);
    if (!refusal.isEmpty())
        return refused(refusal);
    Query query = connectedQuery();
    PhoneReading::Reading reading;
    if (!PhoneReading::read(query, entry, reading))
        return unreadableDatabase(query);
    printOut(QStringLiteral("手机号码是：%1\n状态：%2\n吉凶：%3\n具体表现：%4\n")
                 .arg(reading.number, reading.title, reading.jx, reading.content));
    const bool found = !(reading.title.isEmpty() && reading.jx.isEmpty() && reading.content.isEmpty());
    return found ? 0 : 1;
}

int cliPair(const QStringList &args)
{
    const QString note = QStringLiteral("MAN, WOMAN one of: ") + ConstellationPair::names.join(QLatin1Char(' '));
    if (args.size() != 2)
        return badUsage(note);
    const QString man = constellation(args.at(0));
    const QString woman = constellation(args.at(1));
    if (man.isEmpty() || woman.isEmpty())
        return badUsage(note);
    Query query = connectedQuery();
    QStringList lines;
    if (!ConstellationPair::pairingLines(query, man, woman, lines))
        return unreadableDatabase(query);
    if (lines.isEmpty()) {
        printErr(QStringLiteral("velmora-cli: no pairing stored for %1\n")
                     .arg(ConstellationPair::pairingCaption(man, woman)));
        return 1;
    }
    printLines(lines);
    return 0;
}

int cliLove(const QStringList &args)
{
    if (args.size() != 2)
        return badUsage();
    // As in the window, only an empty name is refused; blanks count nothing.
    if (args.at(0).isEmpty() || args.at(1).isEmpty())
        return refused(LoveTest::missingNamesMessage);
    printOut(QStringLiteral("男方笔画：%1\n女方笔画：%2\n%3%4\n")
                 .arg(GetNameStrokes(trimText(args.at(0))))
                 .arg(GetNameStrokes(trimText(args.at(1))))
                 .arg(LoveTest::resultCaption, LoveTest::verdict(args.at(0), args.at(1))));
    return 0;
}
