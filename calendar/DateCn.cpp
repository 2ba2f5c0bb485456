#include "calendar/DateCn.h"

#include "calendar/DateCnTables.h"

#include <QStringView>

#include <cstdlib>

namespace {

// Names are handed out as views of static text, so naming a day allocates nothing.
QString staticText(QStringView text)
{
    return QString::fromRawData(text.data(), text.size());
}

constexpr QStringView monthNames[] = {
    u"", u"正月", u"二月", u"三月", u"四月", u"五月", u"六月", u"七月", u"八月", u"九月", u"十月", u"冬月", u"腊月",
};

constexpr QStringView leapMonthNames[] = {
    u"", u"闰正", u"闰二", u"闰三", u"闰四", u"闰五", u"闰六", u"闰七", u"闰八", u"闰九", u"闰十", u"闰冬", u"闰腊",
};

constexpr QStringView dayNames[] = {
    u"",     u"初一", u"初二", u"初三", u"初四", u"初五", u"初六", u"初七", u"初八", u"初九", u"初十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"廿一", u"廿二", u"廿三", u"廿四", u"廿五", u"廿六", u"廿七", u"廿八", u"廿九", u"三十",
};

constexpr QStringView animalNames[] = {
    u"子鼠", u"丑牛", u"寅虎", u"卯兔", u"辰龙", u"巳蛇", u"午马", u"未羊", u"申猴", u"酉鸡", u"戌狗", u"亥猪",
};
constexpr int animalAnchorYear = 1972;

constexpr char16_t stems[] = u"甲乙丙丁戊己庚辛壬癸";
constexpr char16_t branches[] = u"子丑寅卯辰巳午未申酉戌亥";

struct SexagenaryNames
{
    char16_t text[60][2];
};

constexpr SexagenaryNames makeSexagenaryNames()
{
    SexagenaryNames names{};
    for (int i = 0; i < 60; ++i) {
        names.text[i][0] = stems[i % 10];
        names.text[i][1] = branches[i % 12];
    }
    return names;
}

constexpr SexagenaryNames sexagenaryNames = makeSexagenaryNames();

// 1984 began a cycle (甲子), and so did 1949-10-01, Julian day 2433191.
constexpr int cycleYear = 1984;
constexpr qint64 cycleDay = 2433191;

constexpr QStringView termNames[] = {
    u"",     u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨", u"立夏", u"小满", u"芒种", u"夏至",
    u"小暑", u"大暑", u"立秋", u"处暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至",
};

struct GregorianFestival
{
    int month;
    int day;       // 0 for a weekday rule
    int weekday;   // 1 = Sunday ... 7 = Saturday
    int weekIndex; // (day - 1) div 7
    QStringView name;
};

constexpr GregorianFestival gregorianFestivals[] = {
    {1, 1, 0, 0, u"元旦节"},   {2, 14, 0, 0, u"情人节"},  {3, 8, 0, 0, u"妇女节"},  {4, 1, 0, 0, u"愚人节"},
    {5, 1, 0, 0, u"劳动节"},   {5, 4, 0, 0, u"青年节"},   {5, 0, 1, 1, u"母亲节"},  {6, 1, 0, 0, u"儿童节"},
    {6, 0, 1, 2, u"父亲节"},   {7, 1, 0, 0, u"建党节"},   {8, 1, 0, 0, u"建军节"},  {9, 10, 0, 0, u"教师节"},
    {10, 1, 0, 0, u"国庆节"},  {10, 6, 0, 0, u"老人节"},  {10, 31, 0, 0, u"万圣节"}, {11, 8, 0, 0, u"记者日"},
    {11, 0, 5, 3, u"感恩节"},  {12, 25, 0, 0, u"圣诞节"},
};

struct ConstellationSpan
{
    int lastDayOfFirst;
    QStringView first;
    QStringView second;
};

// August 23 goes to Virgo, as in the common table.
constexpr ConstellationSpan constellations[] = {
    {0, u"", u""},
    {19, u"摩羯座", u"水瓶座"}, {18, u"水瓶座", u"双鱼座"}, {20, u"双鱼座", u"白羊座"}, {19, u"白羊座", u"金牛座"},
    {20, u"金牛座", u"双子座"}, {21, u"双子座", u"巨蟹座"}, {22, u"巨蟹座", u"狮子座"}, {22, u"狮子座", u"处女座"},
    {22, u"处女座", u"天秤座"}, {23, u"天秤座", u"天蝎座"}, {21, u"天蝎座", u"射手座"}, {21, u"射手座", u"摩羯座"},
};

constexpr int daysBeforeMonth[] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int yearLength(int year)
{
    return isGregorianLeapYear(year) ? 366 : 365;
}

bool inLunarRange(int year)
{
    return year >= FirstLunarYear && year <= LastLunarYear;
}

struct Ymd
{
    int year = 0;
    int month = 0;
    int day = 0;
};

Ymd decode(const QDate &date)
{
    Ymd ymd;
    if (date.isValid())
        date.getDate(&ymd.year, &ymd.month, &ymd.day);
    return ymd;
}

int encodeCode(int month, int day)
{
    return month > 0 ? month * 100 + day : month * 100 - day;
}

int nextSlotMonth(int month, int leapAfter)
{
    if (month == leapAfter)
        return -leapAfter;
    const int next = std::abs(month) + 1;
    return next > 12 ? 1 : next;
}

// dayIndex counts from 0 on January 1; one past the last day is January 1 of the next year.
int codeAt(int year, int dayIndex)
{
    if (dayIndex >= yearLength(year)) {
        ++year;
        dayIndex = 0;
    }
    if (!inLunarRange(year))
        return 0;
    const quint32 row = LunarYearTable[year - FirstLunarYear];
    const int byte0 = int(row >> 24);
    const quint32 lengthMask = (row >> 8) & 0xFFFF;
    const int leapAfter = int(row & 0xFF);
    const int firstDay = byte0 & 0x7F;
    const auto slotLength = [lengthMask](int slot) { return (lengthMask >> (15 - slot)) & 1 ? 30 : 29; };

    int month = byte0 & 0x80 ? 12 : 11;
    const int lastInFirstSlot = slotLength(0) - firstDay;
    if (dayIndex <= lastInFirstSlot) {
        // A year that opens inside a leap month says so only through the year before.
        if (year > FirstLunarYear && codeAt(year - 1, yearLength(year - 1) - 1) < 0)
            month = -month;
        return encodeCode(month, firstDay + dayIndex);
    }
    int elapsed = lastInFirstSlot;
    int slot = 1;
    month = nextSlotMonth(month, leapAfter);
    while (slot < 15 && dayIndex > elapsed + slotLength(slot)) {
        elapsed += slotLength(slot);
        ++slot;
        month = nextSlotMonth(month, leapAfter);
    }
    return encodeCode(month, dayIndex - elapsed);
}

int dayIndexOf(const Ymd &ymd)
{
    return daysBeforeMonth[ymd.month] + ymd.day - 1 + (ymd.month > 2 && isGregorianLeapYear(ymd.year) ? 1 : 0);
}

int codeOf(const Ymd &ymd)
{
    return inLunarRange(ymd.year) ? codeAt(ymd.year, dayIndexOf(ymd)) : 0;
}

int lunarMonthOf(int code)
{
    return code / 100;
}

int lunarDayOf(int code)
{
    return std::abs(code) % 100;
}

QString monthNameOf(int code)
{
    const int month = lunarMonthOf(code);
    if (month > 0)
        return staticText(monthNames[month]);
    if (month < 0)
        return staticText(leapMonthNames[-month]);
    return QString();
}

QString dayNameOf(int code)
{
    return code == 0 ? QString() : staticText(dayNames[lunarDayOf(code)]);
}

QString lunarFestivalOf(const Ymd &ymd, int code)
{
    if (code == 0)
        return QString();
    const int month = lunarMonthOf(code);
    switch (lunarDayOf(code)) {
    case 1:
        return month == 1 ? staticText(u"春节") : QString();
    case 5:
        return month == 5 ? staticText(u"端午节") : QString();
    case 7:
        return month == 7 ? staticText(u"七夕节") : QString();
    case 8:
        return month == 12 ? staticText(u"腊八节") : QString();
    case 9:
        return month == 9 ? staticText(u"重阳节") : QString();
    case 15:
        if (month == 8)
            return staticText(u"中秋节");
        return month == 1 ? staticText(u"元宵节") : QString();
    default:
        // The eve is the day before 正月, however long the last month is.
        if (month != 1 && lunarMonthOf(codeAt(ymd.year, dayIndexOf(ymd) + 1)) == 1)
            return staticText(u"除夕");
        return QString();
    }
}

QString sexagenaryName(qint64 index)
{
    const int i = int((index % 60 + 60) % 60);
    return staticText(QStringView(sexagenaryNames.text[i], 2));
}

// 冬月 and 腊月 early in the year still belong to the lunar year before; later
// in the year no lunar date is needed to tell.
int lunarYearOf(const Ymd &ymd)
{
    if (!inLunarRange(ymd.year))
        return 0;
    return ymd.month <= 3 && std::abs(lunarMonthOf(codeOf(ymd))) >= 11 ? ymd.year - 1 : ymd.year;
}

int solarTermOf(int year, int month, int day)
{
    if (!inLunarRange(year) || month < 1 || month > 12)
        return 0;
    const quint8 bits = SolarTermTable[(year - FirstLunarYear) * 12 + month - 1];
    if (day < 15)
        return day == 15 - (bits >> 4) ? 2 * month - 1 : 0;
    return day == 15 + (bits & 15) ? 2 * month : 0;
}

int daysInMonthOf(int year, int month)
{
    static constexpr int lengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isGregorianLeapYear(year) ? 29 : lengths[month];
}

int weekdayOf(int year, int month, int day)
{
    return QDate(year, month, day).dayOfWeek() % 7 + 1;
}

QString gregorianFestivalOf(int year, int month, int day)
{
    if (!inLunarRange(year) || day < 1 || day > daysInMonthOf(year, month))
        return QString();
    QStringView result;
    int weekday = 0;
    for (const GregorianFestival &festival : gregorianFestivals) {
        if (festival.month != month)
            continue;
        if (festival.day != 0) {
            if (festival.day == day)
                result = festival.name;
            continue;
        }
        if (weekday == 0)
            weekday = weekdayOf(year, month, day);
        if (festival.weekday == weekday && festival.weekIndex == (day - 1) / 7)
            result = festival.name;
    }
    return result.isEmpty() ? QString() : staticText(result);
}

QString constellationOf(int year, int month, int day)
{
    if (!inLunarRange(year) || day < 1 || day > daysInMonthOf(year, month))
        return QString();
    const ConstellationSpan &span = constellations[month];
    return staticText(day <= span.lastDayOfFirst ? span.first : span.second);
}

} // namespace

int LunarDateCode(const QDate &date)
{
    return codeOf(decode(date));
}

int DayOfYearNumber(const QDate &date)
{
    return date.isValid() ? date.dayOfYear() : 0;
}

int YearNumber(const QDate &date)
{
    return decode(date).year;
}

int MonthNumber(const QDate &date)
{
    return decode(date).month;
}

int DayNumber(const QDate &date)
{
    return decode(date).day;
}

QString LunarMonthName(const QDate &date)
{
    return monthNameOf(LunarDateCode(date));
}

QString LunarDayName(const QDate &date)
{
    return dayNameOf(LunarDateCode(date));
}

QString LunarFestivalName(const QDate &date)
{
    const Ymd ymd = decode(date);
    return lunarFestivalOf(ymd, codeOf(ymd));
}

QString ZodiacAnimalName(const QDate &date)
{
    const int year = lunarYearOf(decode(date));
    return year == 0 ? QString() : staticText(animalNames[((year - animalAnchorYear) % 12 + 12) % 12]);
}

QString YearGanzhiName(const QDate &date)
{
    const int year = lunarYearOf(decode(date));
    return year == 0 ? QString() : sexagenaryName(year - cycleYear);
}

QString MonthGanzhiName(const QDate &date)
{
    Ymd ymd = decode(date);
    if (!inLunarRange(ymd.year))
        return QString();
    // A month runs from one 节 (the first term of a Gregorian month) to the next:
    // 小寒 opens 丑, 立春 寅 ... 大雪 子, so months counted from any 节 keep the cycle.
    const quint8 bits = SolarTermTable[(ymd.year - FirstLunarYear) * 12 + ymd.month - 1];
    if (ymd.day < 15 - (bits >> 4) && --ymd.month == 0) {
        ymd.month = 12;
        --ymd.year;
    }
    return sexagenaryName(qint64(ymd.year) * 12 + ymd.month + 12);
}

QString DayGanzhiName(const QDate &date)
{
    const Ymd ymd = decode(date);
    return inLunarRange(ymd.year) ? sexagenaryName(date.toJulianDay() - cycleDay) : QString();
}

int LunarYearNumber(const QDate &date)
{
    return lunarYearOf(decode(date));
}

QString LunarMonthText(int month, bool leap)
{
    if (month < 1 || month > 12)
        return QString();
    return leap ? leapMonthNames[month].toString() + u'月' : monthNames[month].toString();
}

QString LunarDateText(int code)
{
    if (code == 0)
        return QString();
    const int month = lunarMonthOf(code);
    return LunarMonthText(std::abs(month), month < 0) + dayNames[lunarDayOf(code)].toString();
}

LunarDateInYear GregorianDateOfLunar(int lunarYear, int month, int day, bool leap)
{
    LunarDateInYear result;
    if (!inLunarRange(lunarYear) || month < 1 || month > 12 || day < 1 || day > 30)
        return result;
    // 正月初一 lies between January 21 and February 20.
    const QDate lastNewYear(lunarYear, 2, 20);
    QDate start(lunarYear, 1, 21);
    while (start <= lastNewYear && LunarDateCode(start) != 101)
        start = start.addDays(1);
    if (start > lastNewYear)
        return result;

    QDate monthStart;
    int monthLength = 0;
    bool leapFound = false;
    for (bool first = true;; first = false) {
        const int current = lunarMonthOf(LunarDateCode(start));
        if (current == 0 || (current == 1 && !first))
            break;
        const int length = lunarDayOf(LunarDateCode(start.addDays(29))) == 30 ? 30 : 29;
        if (current == month && !monthStart.isValid()) {
            monthStart = start;
            monthLength = length;
            if (!leap)
                break;
        } else if (leap && current == -month) {
            monthStart = start;
            monthLength = length;
            leapFound = true;
            break;
        } else if (monthStart.isValid()) {
            break;
        }
        start = start.addDays(length);
    }
    if (!monthStart.isValid())
        return result;
    result.leapMissing = leap && !leapFound;
    result.dayMoved = day > monthLength;
    result.date = monthStart.addDays(qMin(day, monthLength) - 1);
    if (LunarDateCode(result.date) == 0)
        result = LunarDateInYear();
    return result;
}

int SolarTermIndex(quint16 year, quint16 month, quint16 day)
{
    return solarTermOf(year, month, day);
}

QString SolarTermName(const QDate &date)
{
    const Ymd ymd = decode(date);
    const int term = solarTermOf(ymd.year, ymd.month, ymd.day);
    return term == 0 ? QString() : staticText(termNames[term]);
}

QString GregorianFestivalName(int day, const QDate &date)
{
    const Ymd ymd = decode(date);
    return gregorianFestivalOf(ymd.year, ymd.month, day);
}

QString ConstellationName(const QDate &date)
{
    const Ymd ymd = decode(date);
    return constellationOf(ymd.year, ymd.month, ymd.day);
}

QString ConstellationOfDay(int day, const QDate &date)
{
    const Ymd ymd = decode(date);
    return constellationOf(ymd.year, ymd.month, day);
}

QDate parseIsoDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return QDate();
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int ends[3] = {4, 7, 10};
    for (int part = 0; part < 3; ++part) {
        for (int i = starts[part]; i < ends[part]; ++i) {
            if (text[i] < u'0' || text[i] > u'9')
                return QDate();
            parts[part] = parts[part] * 10 + (text[i].unicode() - u'0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

int DaysInMonth(int year, int month)
{
    return daysInMonthOf(year, month);
}

QDate ClampedDate(int year, int month, int day)
{
    return QDate(year, month, qBound(1, day, qMax(1, daysInMonthOf(year, month))));
}

int SundayFirstWeekday(const QDate &date)
{
    return date.isValid() ? date.dayOfWeek() % 7 + 1 : 0;
}

DayCaption dayCaption(const QDate &date)
{
    const Ymd ymd = decode(date);
    const int code = codeOf(ymd);
    DayCaption caption{dayNameOf(code), CaptionKind::LunarDay};
    if (code != 0 && lunarDayOf(code) == 1)
        caption = {monthNameOf(code), CaptionKind::LunarMonth};
    if (QString festival = gregorianFestivalOf(ymd.year, ymd.month, ymd.day); !festival.isEmpty())
        caption = {festival, CaptionKind::GregorianFestival};
    if (const int term = solarTermOf(ymd.year, ymd.month, ymd.day); term != 0)
        caption = {staticText(termNames[term]), CaptionKind::SolarTerm};
    if (QString festival = lunarFestivalOf(ymd, code); !festival.isEmpty())
        caption = {festival, CaptionKind::LunarFestival};
    return caption;
}
