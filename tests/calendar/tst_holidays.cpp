#include "calendar/DateCn.h"
#include "calendar/Holidays.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The holiday arrangements: the shipped file against the published notices'
// shape, the parser's refusals, years replaced by the user's file, and imports
// that change nothing unless the whole file is sound.
class HolidaysTest : public QObject
{
    Q_OBJECT
private slots:
    void shippedFileIsSound();
    void shippedYears();
    void workDaysAreWeekendsNearTheirHoliday();
    void periodsHoldTheirFestival();
    void daysOffPerYear_data();
    void daysOffPerYear();
    void knownArrangements_data();
    void knownArrangements();
    void parserAccepts_data();
    void parserAccepts();
    void parserRefuses_data();
    void parserRefuses();
    void newYearsEveBelongsToTheNextYear();
    void laterYearsReplaceEarlier();
    void loaderLeavesOutAnUnsoundFile();
    void importInstallsAndKeepsOtherYears();
    void importRefusesAndChangesNothing_data();
    void importRefusesAndChangesNothing();
    void importRefusesOverAnUnsoundInstalledFile();
    void importReportsAnUnwritableFolder();

private:
    static QList<HolidayDay> shippedDays();
};

namespace {

const QByteArray header("DATE\tKIND\tNAME\n");

// The day each holiday's period must hold, in the year of its arrangement.
QDate festivalDay(const QString &name, int year)
{
    const auto lunarFestival = [year](const QString &festival) {
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            if (LunarFestivalName(day) == festival)
                return day;
        }
        return QDate();
    };
    if (name == QStringLiteral("元旦"))
        return QDate(year, 1, 1);
    if (name == QStringLiteral("春节") || name == QStringLiteral("端午节") || name == QStringLiteral("中秋节"))
        return lunarFestival(name);
    if (name == QStringLiteral("清明节")) {
        for (int day = 1; day <= 10; ++day) {
            if (SolarTermName(QDate(year, 4, day)) == QStringLiteral("清明"))
                return QDate(year, 4, day);
        }
    }
    if (name == QStringLiteral("劳动节"))
        return QDate(year, 5, 1);
    if (name == QStringLiteral("国庆节"))
        return QDate(year, 10, 1);
    if (name == QStringLiteral("抗战胜利纪念日"))
        return QDate(year, 9, 3);
    return QDate();
}

} // namespace

QList<HolidayDay> HolidaysTest::shippedDays()
{
    return parseHolidayFile(readFileBytes(sourceTreePath(QStringLiteral("data-src/holidays.tsv")))).days;
}

void HolidaysTest::shippedFileIsSound()
{
    const HolidayFile file = parseHolidayFile(readFileBytes(sourceTreePath(QStringLiteral("data-src/holidays.tsv"))));
    QVERIFY2(file.ok(), qPrintable(QStringLiteral("line %1: %2").arg(file.errorLine).arg(file.error)));
    // The build lays the same file out beside the program.
    QCOMPARE(readFileBytes(programDirPath(QStringLiteral("holidays.tsv"))),
             readFileBytes(sourceTreePath(QStringLiteral("data-src/holidays.tsv"))));
}

void HolidaysTest::shippedYears()
{
    HolidayCalendar calendar;
    calendar.setYears(shippedDays());
    for (int year = 2008; year <= 2026; ++year)
        QVERIFY2(calendar.hasYear(year), qPrintable(QString::number(year)));
    QVERIFY(!calendar.hasYear(2007));
    QVERIFY(!calendar.hasYear(2027));
}

void HolidaysTest::workDaysAreWeekendsNearTheirHoliday()
{
    const QList<HolidayDay> days = shippedDays();
    for (const HolidayDay &work : days) {
        if (work.kind != HolidayKind::Work)
            continue;
        QVERIFY(work.date.dayOfWeek() >= 6);
        // A make-up day lies within two weeks of a rest day of the same holiday.
        bool near = false;
        for (const HolidayDay &rest : days) {
            near = near || (rest.kind == HolidayKind::Rest && rest.name == work.name
                            && qAbs(rest.date.daysTo(work.date)) <= 14);
        }
        QVERIFY2(near, qPrintable(work.date.toString(Qt::ISODate)));
    }
}

void HolidaysTest::periodsHoldTheirFestival()
{
    // A period is a run of consecutive rest days with one name.
    QList<QList<HolidayDay>> periods;
    for (const HolidayDay &day : shippedDays()) {
        if (day.kind != HolidayKind::Rest)
            continue;
        if (!periods.isEmpty() && periods.last().last().name == day.name
            && periods.last().last().date.daysTo(day.date) == 1)
            periods.last().append(day);
        else
            periods.append({day});
    }
    for (const QList<HolidayDay> &period : std::as_const(periods)) {
        const QString where = period.first().date.toString(Qt::ISODate) + u' ' + period.first().name;
        for (const QString &name : period.first().name.split(u'、')) {
            const QDate festival = festivalDay(name, arrangementYear(period.first()));
            QVERIFY2(festival.isValid(), qPrintable(QStringLiteral("unknown holiday ") + where));
            QVERIFY2(period.first().date <= festival && festival <= period.last().date, qPrintable(where));
        }
    }
    // One period for each holiday of a year: 7 holidays in most years.
    QVERIFY(periods.size() >= 19 * 6);
}

void HolidaysTest::daysOffPerYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("workdaysOff");
    // 11 statutory days 2008-2024, 13 from 2025; 2015 had the extra 抗战胜利纪念日,
    // 2020 the two days of the separate extension of the Spring Festival.
    for (int year = 2008; year <= 2026; ++year) {
        const int days = year == 2015 ? 12 : year == 2020 ? 13 : year >= 2025 ? 13 : 11;
        QTest::addRow("%d", year) << year << days;
    }
}

void HolidaysTest::daysOffPerYear()
{
    QFETCH(int, year);
    QFETCH(int, workdaysOff);
    HolidayCalendar calendar;
    calendar.setYears(shippedDays());
    int off = 0;
    for (const HolidayDay &day : calendar.year(year)) {
        if (day.kind == HolidayKind::Rest && day.date.dayOfWeek() < 6)
            ++off;
        else if (day.kind == HolidayKind::Work)
            --off;
    }
    QCOMPARE(off, workdaysOff);
}

void HolidaysTest::knownArrangements_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("name");
    QTest::newRow("2025 eve is a holiday") << QDate(2025, 1, 28) << "休" << "春节";
    QTest::newRow("2025 spring festival") << QDate(2025, 1, 29) << "休" << "春节";
    QTest::newRow("2025 spring last") << QDate(2025, 2, 4) << "休" << "春节";
    QTest::newRow("2025 spring after") << QDate(2025, 2, 5) << "" << "";
    QTest::newRow("2025 spring make-up before") << QDate(2025, 1, 26) << "班" << "春节";
    QTest::newRow("2025 spring make-up after") << QDate(2025, 2, 8) << "班" << "春节";
    QTest::newRow("2025 national day") << QDate(2025, 10, 1) << "休" << "国庆节、中秋节";
    QTest::newRow("2025 mid-autumn inside") << QDate(2025, 10, 6) << "休" << "国庆节、中秋节";
    QTest::newRow("2025 national last") << QDate(2025, 10, 8) << "休" << "国庆节、中秋节";
    QTest::newRow("2025 national make-up before") << QDate(2025, 9, 28) << "班" << "国庆节、中秋节";
    QTest::newRow("2025 national make-up after") << QDate(2025, 10, 11) << "班" << "国庆节、中秋节";
    QTest::newRow("2025 ordinary saturday") << QDate(2025, 10, 18) << "" << "";
    QTest::newRow("2008 first qingming") << QDate(2008, 4, 4) << "休" << "清明节";
    QTest::newRow("2015 victory day") << QDate(2015, 9, 3) << "休" << "抗战胜利纪念日";
    QTest::newRow("2020 extension") << QDate(2020, 2, 2) << "休" << "春节";
    QTest::newRow("2020 cancelled make-up") << QDate(2020, 2, 1) << "休" << "春节";
    QTest::newRow("2017 new year in december") << QDate(2016, 12, 31) << "休" << "元旦";
    QTest::newRow("2012 make-up in december") << QDate(2011, 12, 31) << "班" << "元旦";
}

void HolidaysTest::knownArrangements()
{
    QFETCH(QDate, date);
    QFETCH(QString, mark);
    QFETCH(QString, name);
    HolidayCalendar calendar;
    calendar.setYears(shippedDays());
    const HolidayDay *day = calendar.find(date);
    QCOMPARE(day ? holidayKindMark(day->kind) : QString(), mark);
    QCOMPARE(day ? day->name : QString(), name);
}

void HolidaysTest::parserAccepts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("days");
    QTest::newRow("plain") << header + "2027-01-01\t休\t元旦\n" << 1;
    QTest::newRow("no final line break") << header + "2027-01-01\t休\t元旦" << 1;
    QTest::newRow("byte order mark and CR LF")
        << QByteArray("\xEF\xBB\xBF") + "DATE\tKIND\tNAME\r\n2027-01-01\t休\t元旦\r\n2027-01-02\t休\t元旦\r\n" << 2;
    QTest::newRow("blank lines and comments")
        << header + "\n# 国务院办公厅通知\n2027-01-01\t休\t元旦\n   \n2027-01-09\t班\t元旦\n" << 2;
    QTest::newRow("spaces around fields") << header + "2027-01-01 \t 休 \t 元旦 \n" << 1;
}

void HolidaysTest::parserAccepts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, days);
    const HolidayFile file = parseHolidayFile(bytes);
    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.days.size(), days);
    QCOMPARE(file.days.first().date, QDate(2027, 1, 1));
    QCOMPARE(file.days.first().kind, HolidayKind::Rest);
    QCOMPARE(file.days.first().name, QStringLiteral("元旦"));
}

void HolidaysTest::parserRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << 0 << "empty";
    QTest::newRow("header only") << header << 0 << "no days";
    QTest::newRow("no header") << QByteArray("2027-01-01\t休\t元旦\n") << 1 << "header";
    QTest::newRow("impossible date") << header + "2027-02-30\t休\t春节\n" << 2 << "2027-02-30";
    QTest::newRow("other date form") << header + "2027/01/01\t休\t元旦\n" << 2 << "YYYY-MM-DD";
    QTest::newRow("short month") << header + "2027-1-01\t休\t元旦\n" << 2 << "YYYY-MM-DD";
    QTest::newRow("before the calendar") << header + "1900-01-01\t休\t元旦\n" << 2 << "outside";
    QTest::newRow("after the calendar") << header + "2051-01-02\t休\t元旦\n" << 2 << "outside";
    QTest::newRow("unknown kind") << header + "2027-01-01\t假\t元旦\n" << 2 << "unknown kind";
    QTest::newRow("kind in words") << header + "2027-01-01\trest\t元旦\n" << 2 << "休 or 班";
    QTest::newRow("no name") << header + "2027-01-01\t休\t \n" << 2 << "name";
    QTest::newRow("name too long") << header + "2027-01-01\t休\t" + QByteArray(21, 'x') + "\n" << 2 << "longer";
    QTest::newRow("two fields") << header + "2027-01-01\t休\n" << 2 << "tabs";
    QTest::newRow("spaces for tabs") << header + "2027-01-01 休 元旦\n" << 2 << "tabs";
    QTest::newRow("four fields") << header + "2027-01-01\t休\t元旦\t多余\n" << 2 << "tabs";
    QTest::newRow("duplicate") << header + "2027-01-01\t休\t元旦\n2027-01-02\t休\t元旦\n2027-01-01\t休\t春节\n"
                               << 4 << "first on line 2";
    QTest::newRow("make-up on a weekday") << header + "2027-01-06\t班\t元旦\n" << 2 << "Wednesday";
    QTest::newRow("GBK text") << header + QByteArray("2027-01-01\t\xD0\xDD\t\xD4\xAA\xB5\xA9\n") << 2 << "UTF-8";
    QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE" "D\0A\0T\0E\0", 10) << 1 << "UTF-8";
    QTest::newRow("NUL in a line") << header + QByteArray("2027-01-01\t休\t元\0旦\n", 23) << 2 << "control";
    QTest::newRow("10 MB of garbage") << QByteArray(10 * 1024 * 1024, '\x9C') << 0 << "larger";
    QTest::newRow("just over the limit") << header + QByteArray(maxHolidayFileBytes, '#') << 0 << "larger";
}

void HolidaysTest::parserRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, message);
    const HolidayFile file = parseHolidayFile(bytes);
    QVERIFY(!file.ok());
    QVERIFY(file.days.isEmpty());
    QCOMPARE(file.errorLine, line);
    QVERIFY2(file.error.contains(message), qPrintable(file.error));
}

void HolidaysTest::newYearsEveBelongsToTheNextYear()
{
    QCOMPARE(arrangementYear({QDate(2016, 12, 31), HolidayKind::Rest, QStringLiteral("元旦")}), 2017);
    QCOMPARE(arrangementYear({QDate(2011, 12, 31), HolidayKind::Work, QStringLiteral("元旦")}), 2012);
    QCOMPARE(arrangementYear({QDate(2027, 1, 1), HolidayKind::Rest, QStringLiteral("元旦")}), 2027);
    QCOMPARE(arrangementYear({QDate(2027, 12, 26), HolidayKind::Work, QStringLiteral("春节")}), 2027);
}

void HolidaysTest::laterYearsReplaceEarlier()
{
    HolidayCalendar calendar;
    calendar.setYears(parseHolidayFile(header + "2026-01-01\t休\t元旦\n2026-01-04\t班\t元旦\n"
                                                "2026-10-01\t休\t国庆节\n2027-01-01\t休\t元旦\n")
                          .days);
    // The user's 2026 has nothing on January 4 and a new day; 2027 is kept, 2028 added,
    // and the 元旦 of 2028 that starts in December 2027 goes with 2028.
    calendar.setYears(parseHolidayFile(header + "2026-01-01\t休\t元旦\n2026-01-02\t休\t元旦\n"
                                                "2027-12-31\t休\t元旦\n2028-01-01\t休\t元旦\n")
                          .days);
    QVERIFY(calendar.find(QDate(2026, 1, 2)));
    QVERIFY(!calendar.find(QDate(2026, 1, 4)));
    QVERIFY(!calendar.find(QDate(2026, 10, 1)));
    QVERIFY(calendar.find(QDate(2027, 1, 1)));
    QVERIFY(calendar.find(QDate(2027, 12, 31)));
    QCOMPARE(calendar.year(2026).size(), 2);
    QCOMPARE(calendar.year(2027).size(), 1);
    QCOMPARE(calendar.year(2028).size(), 2);
    QVERIFY(!calendar.hasYear(2029));
}

void HolidaysTest::loaderLeavesOutAnUnsoundFile()
{
    QTemporaryDir dir;
    const QString shipped = dir.filePath(QStringLiteral("holidays.tsv"));
    const QString user = dir.filePath(QStringLiteral("user/holidays.tsv"));
    QVERIFY(writeFileBytes(shipped, header + "2026-01-01\t休\t元旦\n"));

    LoadedHolidays loaded = loadHolidays(shipped, user);
    QVERIFY(loaded.problems.isEmpty());
    QVERIFY(loaded.calendar.hasYear(2026));

    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("user"))));
    QVERIFY(writeFileBytes(user, header + "2027-01-01\t休\t元旦\n2027-01-05\t班\t元旦\n"));
    loaded = loadHolidays(shipped, user);
    QCOMPARE(loaded.problems.size(), 1);
    QVERIFY2(loaded.problems.first().contains(QStringLiteral("holidays.tsv:3:")), qPrintable(loaded.problems.first()));
    QVERIFY(loaded.calendar.hasYear(2026));
    QVERIFY(!loaded.calendar.hasYear(2027));

    loaded = loadHolidays(dir.filePath(QStringLiteral("missing.tsv")), QString());
    QCOMPARE(loaded.problems.size(), 1);
    QVERIFY(!loaded.calendar.hasYear(2026));
}

void HolidaysTest::importInstallsAndKeepsOtherYears()
{
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("data/Velmora/holidays.tsv"));
    const QString first = dir.filePath(QStringLiteral("2027.tsv"));
    const QString second = dir.filePath(QStringLiteral("2028.tsv"));
    QVERIFY(writeFileBytes(first, header + "2027-01-01\t休\t元旦\n2027-12-31\t休\t元旦\n"));
    QVERIFY(writeFileBytes(second, header + "2028-01-01\t休\t元旦\n2028-01-02\t休\t元旦\n"));

    HolidayImport result = importHolidayFile(first, user);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.years, (QList<int>{2027, 2028}));
    result = importHolidayFile(second, user);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.years, QList<int>{2028});

    // 2028 replaced the 2027-12-31 of the first file, 2027 itself stayed.
    const HolidayFile installed = parseHolidayFile(readFileBytes(user));
    QVERIFY(installed.ok());
    HolidayCalendar calendar;
    calendar.setYears(installed.days);
    QCOMPARE(calendar.year(2027).size(), 1);
    QCOMPARE(calendar.year(2028).size(), 2);
    QVERIFY(!calendar.find(QDate(2027, 12, 31)));
    QCOMPARE(QDir(QFileInfo(user).path()).entryList(QDir::Files), QStringList{"holidays.tsv"});
}

void HolidaysTest::importRefusesAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad date on line 3") << header + "2027-01-01\t休\t元旦\n2027-13-01\t休\t元旦\n" << ":3:";
    QTest::newRow("duplicate") << header + "2027-01-01\t休\t元旦\n2027-01-01\t休\t元旦\n" << ":3:";
    QTest::newRow("unknown kind") << header + "2027-01-01\t放\t元旦\n" << ":2:";
    QTest::newRow("GBK") << QByteArray("DATE\tKIND\tNAME\n2027-01-01\t\xD0\xDD\t\xD4\xAA\xB5\xA9\n") << ":2:";
    QTest::newRow("10 MB of garbage") << QByteArray(10 * 1024 * 1024, 'z') << "larger";
}

void HolidaysTest::importRefusesAndChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("holidays.tsv"));
    const QByteArray before = header + "2026-01-01\t休\t元旦\n";
    QVERIFY(writeFileBytes(user, before));
    const QString source = dir.filePath(QStringLiteral("new.tsv"));
    QVERIFY(writeFileBytes(source, bytes));

    const HolidayImport result = importHolidayFile(source, user);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
    QVERIFY(result.error.contains(QStringLiteral("new.tsv")));
    QCOMPARE(readFileBytes(user), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"holidays.tsv", "new.tsv"}));

    QVERIFY(!importHolidayFile(dir.filePath(QStringLiteral("missing.tsv")), user).ok());
    QCOMPARE(readFileBytes(user), before);
}

void HolidaysTest::importRefusesOverAnUnsoundInstalledFile()
{
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("holidays.tsv"));
    const QByteArray damaged = header + "2026-01-01\t休\n";
    QVERIFY(writeFileBytes(user, damaged));
    const QString source = dir.filePath(QStringLiteral("2027.tsv"));
    QVERIFY(writeFileBytes(source, header + "2027-01-01\t休\t元旦\n"));
    const HolidayImport result = importHolidayFile(source, user);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QStringLiteral("installed file")), qPrintable(result.error));
    QCOMPARE(readFileBytes(user), damaged);
}

void HolidaysTest::importReportsAnUnwritableFolder()
{
    QTemporaryDir dir;
    // A file where the folder should be: no permission bits stop root, this does.
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("blocked")), "x"));
    const QString source = dir.filePath(QStringLiteral("2027.tsv"));
    QVERIFY(writeFileBytes(source, header + "2027-01-01\t休\t元旦\n"));
    const HolidayImport result = importHolidayFile(source, dir.filePath(QStringLiteral("blocked/holidays.tsv")));
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QStringLiteral("blocked")), qPrintable(result.error));
    QCOMPARE(readFileBytes(dir.filePath(QStringLiteral("blocked"))), QByteArray("x"));
}

QTEST_GUILESS_MAIN(HolidaysTest)
#include "tst_holidays.moc"
