#include "calendar/Holidays.h"

#include "calendar/DateCn.h"
#include "data/uShare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString headerLine = QStringLiteral("DATE\tKIND\tNAME");
const QString restMark = QStringLiteral("休");
const QString workMark = QStringLiteral("班");
constexpr int maxNameLength = 20;

bool hasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F;
    });
}

HolidayFile failure(int line, const QString &message)
{
    HolidayFile file;
    file.errorLine = line;
    file.error = message;
    return file;
}

QString weekdayName(const QDate &date)
{
    static const QString names[] = {QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                                    QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
                                    QStringLiteral("Sunday")};
    return names[date.dayOfWeek() - 1];
}

// Reads and checks one file; false with "PATH:LINE: message" (or "PATH: message") when it cannot be used.
bool readHolidayFile(const QString &path, QList<HolidayDay> &days, QString &error)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read: %2").arg(shownPath, file.errorString());
        return false;
    }
    // Read one byte past the limit so that a larger file is refused without reading it all.
    const QByteArray bytes = file.read(maxHolidayFileBytes + 1);
    const HolidayFile parsed = parseHolidayFile(bytes);
    if (!parsed.ok()) {
        error = parsed.errorLine > 0 ? QStringLiteral("%1:%2: %3").arg(shownPath).arg(parsed.errorLine).arg(parsed.error)
                                     : QStringLiteral("%1: %2").arg(shownPath, parsed.error);
        return false;
    }
    days = parsed.days;
    return true;
}

} // namespace

int arrangementYear(const HolidayDay &day)
{
    const int year = day.date.year();
    return day.date.month() == 12 && day.name == QStringLiteral("元旦") ? year + 1 : year;
}

QString holidayKindMark(HolidayKind kind)
{
    switch (kind) {
    case HolidayKind::Rest:
        return restMark;
    case HolidayKind::Work:
        return workMark;
    case HolidayKind::None:
        break;
    }
    return QString();
}

HolidayFile parseHolidayFile(QByteArrayView bytes)
{
    if (bytes.size() > maxHolidayFileBytes)
        return failure(0, QStringLiteral("the file is larger than %1 KiB; a holidays file is a few KiB")
                              .arg(maxHolidayFileBytes / 1024));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    HolidayFile result;
    QHash<qint64, int> lineOfDay;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView raw = bytes.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (raw.endsWith('\r'))
            raw.chop(1);

        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(raw);
        if (decoder.hasError())
            return failure(lineNumber, QStringLiteral("not UTF-8 text (save the file as UTF-8)"));
        if (hasControlCharacter(line))
            return failure(lineNumber, QStringLiteral("contains a control character"));
        if (lineNumber == 1) {
            if (line.trimmed() != headerLine)
                return failure(lineNumber, QStringLiteral("expected the header DATE<TAB>KIND<TAB>NAME"));
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;

        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3)
            return failure(lineNumber, QStringLiteral("expected DATE, KIND and NAME separated by tabs"));
        HolidayDay day;
        const QString dateText = fields.at(0).trimmed();
        day.date = parseIsoDate(dateText);
        if (!day.date.isValid())
            return failure(lineNumber, QStringLiteral("%1 is not a date in the form YYYY-MM-DD").arg(dateText));
        if (day.date.year() < FirstLunarYear || day.date.year() > LastLunarYear)
            return failure(lineNumber, QStringLiteral("%1 lies outside the calendar's years %2 to %3")
                                           .arg(dateText)
                                           .arg(FirstLunarYear)
                                           .arg(LastLunarYear));
        const QString kind = fields.at(1).trimmed();
        if (kind == restMark)
            day.kind = HolidayKind::Rest;
        else if (kind == workMark)
            day.kind = HolidayKind::Work;
        else
            return failure(lineNumber, QStringLiteral("unknown kind \"%1\" (expected 休 or 班)").arg(kind));
        day.name = fields.at(2).trimmed();
        if (day.name.isEmpty())
            return failure(lineNumber, QStringLiteral("the holiday's name is missing"));
        if (day.name.size() > maxNameLength)
            return failure(lineNumber, QStringLiteral("the holiday's name is longer than %1 characters").arg(maxNameLength));
        // Any weekday is a working day anyway; a 班 there is a slip in the date.
        if (day.kind == HolidayKind::Work && day.date.dayOfWeek() < 6)
            return failure(lineNumber, QStringLiteral("%1 is a %2; a make-up working day (班) falls on a weekend")
                                           .arg(dateText, weekdayName(day.date)));
        if (const int first = lineOfDay.value(day.date.toJulianDay()); first != 0)
            return failure(lineNumber, QStringLiteral("%1 is listed again (first on line %2)").arg(dateText).arg(first));
        lineOfDay.insert(day.date.toJulianDay(), lineNumber);
        result.days.append(day);
    }
    if (lineNumber == 0)
        return failure(0, QStringLiteral("the file is empty"));
    if (result.days.isEmpty())
        return failure(0, QStringLiteral("the file lists no days"));
    return result;
}

QByteArray holidayFileText(QList<HolidayDay> days)
{
    std::sort(days.begin(), days.end(), [](const HolidayDay &a, const HolidayDay &b) { return a.date < b.date; });
    QString text = headerLine + u'\n';
    for (const HolidayDay &day : days)
        text += day.date.toString(Qt::ISODate) + u'\t' + holidayKindMark(day.kind) + u'\t' + day.name + u'\n';
    return text.toUtf8();
}

void HolidayCalendar::setYears(const QList<HolidayDay> &days)
{
    QMap<int, QList<HolidayDay>> byYear;
    for (const HolidayDay &day : days)
        byYear[arrangementYear(day)].append(day);
    for (auto it = byYear.begin(); it != byYear.end(); ++it) {
        std::sort(it->begin(), it->end(), [](const HolidayDay &a, const HolidayDay &b) { return a.date < b.date; });
        m_years.insert(it.key(), *it);
    }
    m_byDay.clear();
    for (const QList<HolidayDay> &year : std::as_const(m_years)) {
        for (const HolidayDay &day : year)
            m_byDay.insert(day.date.toJulianDay(), day);
    }
}

const HolidayDay *HolidayCalendar::find(const QDate &date) const
{
    const auto it = m_byDay.constFind(date.toJulianDay());
    return it == m_byDay.cend() ? nullptr : &*it;
}

bool HolidayCalendar::hasYear(int year) const
{
    return m_years.contains(year);
}

QList<HolidayDay> HolidayCalendar::year(int year) const
{
    return m_years.value(year);
}

QList<HolidayDay> HolidayCalendar::allDays() const
{
    QList<HolidayDay> days;
    for (const QList<HolidayDay> &year : m_years)
        days += year;
    return days;
}

QString arrangementMissingText(int year)
{
    return QStringLiteral("%1年放假安排尚未收录").arg(year);
}

QString shippedHolidaysPath()
{
    return GetAppPath() + QStringLiteral("holidays.tsv");
}

QString userHolidaysPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/holidays.tsv");
}

LoadedHolidays loadHolidays(const QString &shippedPath, const QString &userPath)
{
    LoadedHolidays loaded;
    QList<HolidayDay> days;
    QString error;
    if (readHolidayFile(shippedPath, days, error))
        loaded.calendar.setYears(days);
    else
        loaded.problems.append(error);
    if (!userPath.isEmpty() && QFileInfo::exists(userPath)) {
        if (readHolidayFile(userPath, days, error))
            loaded.calendar.setYears(days);
        else
            loaded.problems.append(error);
    }
    return loaded;
}

HolidayImport importHolidayFile(const QString &sourcePath, const QString &userPath)
{
    HolidayImport result;
    QList<HolidayDay> imported;
    if (!readHolidayFile(sourcePath, imported, result.error))
        return result;
    if (userPath.isEmpty()) {
        result.error = QStringLiteral("there is no folder for the user's data");
        return result;
    }

    HolidayCalendar merged;
    if (QFileInfo::exists(userPath)) {
        QList<HolidayDay> installed;
        QString error;
        if (!readHolidayFile(userPath, installed, error)) {
            result.error = QStringLiteral("the installed file is unsound (%1); move it away and import again").arg(error);
            return result;
        }
        merged.setYears(installed);
    }
    merged.setYears(imported);

    const QString shownPath = QDir::toNativeSeparators(userPath);
    if (!QDir().mkpath(QFileInfo(userPath).absolutePath())) {
        result.error = QStringLiteral("%1: cannot create its folder").arg(shownPath);
        return result;
    }
    QSaveFile file(userPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(holidayFileText(merged.allDays())) < 0 || !file.commit()) {
        result.error = QStringLiteral("%1: cannot be written: %2").arg(shownPath, file.errorString());
        return result;
    }
    QSet<int> years;
    for (const HolidayDay &day : std::as_const(imported))
        years.insert(arrangementYear(day));
    result.years = years.values();
    std::sort(result.years.begin(), result.years.end());
    return result;
}
