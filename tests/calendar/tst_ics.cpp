#include "calendar/DateCn.h"
#include "calendar/ICalendar.h"

#include <QTest>

#include <libical/ical.h>

// The iCalendar writer: the text read back as a calendar program reads it
// (unfolded, unescaped, with its required properties), dates checked against the
// engine, and the same text through libical's parser and its RFC 5545 checks.
class IcsTest : public QObject
{
    Q_OBJECT
private slots:
    void linesAreCrLfAndFolded_data();
    void linesAreCrLfAndFolded();
    void textsSurviveEscaping_data();
    void textsSurviveEscaping();
    void lunarBirthdays_data();
    void lunarBirthdays();
    void yearsPastTheRange();
    void solarTerms();
    void libicalAccepts_data();
    void libicalAccepts();
};

namespace {

const QDateTime stamp(QDate(2025, 3, 1), QTime(8, 30), Qt::UTC);

struct Property
{
    QString name;
    QString parameters;
    QString value;
};

using Component = QList<Property>;

// Unfolds the lines and splits each into name, parameters and unescaped value.
QList<Property> readProperties(const QByteArray &ics)
{
    QList<Property> properties;
    const QString text = QString::fromUtf8(ics).replace(QStringLiteral("\r\n "), QString());
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(u':');
        const QString head = line.left(colon);
        Property property;
        property.name = head.section(u';', 0, 0);
        property.parameters = head.section(u';', 1);
        QString value;
        const QString raw = line.mid(colon + 1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw.at(i) == u'\\' && i + 1 < raw.size()) {
                const QChar next = raw.at(++i);
                value += next == u'n' || next == u'N' ? QChar(u'\n') : next;
            } else {
                value += raw.at(i);
            }
        }
        property.value = value;
        properties.append(property);
    }
    return properties;
}

QList<Component> readEvents(const QByteArray &ics)
{
    QList<Component> events;
    bool inEvent = false;
    for (const Property &property : readProperties(ics)) {
        if (property.name == QLatin1String("BEGIN") && property.value == QLatin1String("VEVENT")) {
            inEvent = true;
            events.append(Component());
        } else if (property.name == QLatin1String("END") && property.value == QLatin1String("VEVENT")) {
            inEvent = false;
        } else if (inEvent) {
            events.last().append(property);
        }
    }
    return events;
}

QString valueOf(const Component &component, const QString &name)
{
    for (const Property &property : component) {
        if (property.name == name)
            return property.value;
    }
    return QString();
}

int countOf(const Component &component, const QString &name)
{
    return int(std::count_if(component.begin(), component.end(),
                             [&](const Property &property) { return property.name == name; }));
}

QDate startOf(const Component &event)
{
    return QDate::fromString(valueOf(event, QStringLiteral("DTSTART")), QStringLiteral("yyyyMMdd"));
}

} // namespace

void IcsTest::linesAreCrLfAndFolded_data()
{
    QTest::addColumn<QString>("summary");
    QTest::newRow("short") << "妈妈生日";
    QTest::newRow("long Chinese") << QString(100, QChar(u'寿'));
    QTest::newRow("long Latin") << QString(200, QChar(u'a'));
    QTest::newRow("mixed widths") << QStringLiteral("a寿").repeated(60);
    QTest::newRow("four-byte characters") << QStringLiteral("x😀").repeated(40);
    QTest::newRow("exactly one line") << QString(75 - 8, QChar(u'b'));
}

void IcsTest::linesAreCrLfAndFolded()
{
    QFETCH(QString, summary);
    const QByteArray ics = icsCalendar({{QDate(2025, 10, 6), QStringLiteral("u1@velmora"), summary, summary}}, stamp,
                                       summary);
    QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
    QCOMPARE(ics.count("\n"), ics.count("\r\n"));
    QCOMPARE(ics.count("\r"), ics.count("\r\n"));
    for (const QByteArray &line : ics.split('\n')) {
        const QByteArray content = line.endsWith('\r') ? line.chopped(1) : line;
        QVERIFY2(content.size() <= 75, content.constData());
        // No line break inside a UTF-8 sequence.
        QVERIFY(QString::fromUtf8(content).toUtf8() == content);
    }
    const Component event = readEvents(ics).value(0);
    QCOMPARE(valueOf(event, QStringLiteral("SUMMARY")), summary);
    QCOMPARE(valueOf(event, QStringLiteral("DESCRIPTION")), summary);
}

void IcsTest::textsSurviveEscaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    QTest::newRow("comma semicolon backslash") << "张三, 李四; C:\\路径" << "张三, 李四; C:\\路径";
    QTest::newRow("line breaks") << "第一行\n第二行\r\n第三行" << "第一行\n第二行\n第三行";
    QTest::newRow("control characters") << QStringLiteral("a\x01" "b\x7f" "c\td") << "a b c\td";
    QTest::newRow("a colon") << "DTSTART:19000101" << "DTSTART:19000101";
    QTest::newRow("lone surrogates") << QString(100, QChar(0xD800)) << QString(100, u'?');
}

void IcsTest::textsSurviveEscaping()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const QByteArray ics = icsCalendar({{QDate(2025, 1, 1), text, text, QString()}}, stamp, QString());
    const QList<Component> events = readEvents(ics);
    QCOMPARE(events.size(), 1);
    QCOMPARE(valueOf(events.first(), QStringLiteral("SUMMARY")), read);
    QCOMPARE(valueOf(events.first(), QStringLiteral("UID")), read);
    QCOMPARE(startOf(events.first()), QDate(2025, 1, 1));
}

void IcsTest::lunarBirthdays_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QDate>("firstDate");
    QTest::newRow("mid-autumn") << 8 << 15 << false << 2020 << 2030 << QDate(2020, 10, 1);
    QTest::newRow("leap sixth") << 6 << 10 << true << 2025 << 2030 << QDate(2025, 8, 3);
    QTest::newRow("a 30th") << 12 << 30 << false << 2020 << 2030 << QDate(2021, 2, 11);
    QTest::newRow("leap 30th") << 6 << 30 << true << 2024 << 2026 << QDate(2024, 8, 3);
    QTest::newRow("whole range") << 1 << 1 << false << 1901 << 2050 << QDate(1901, 2, 19);
}

void IcsTest::lunarBirthdays()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, leap);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QDate, firstDate);
    const LunarAnniversaries found = lunarAnniversaryEvents(month, day, leap, QStringLiteral("生日"), from, to);
    QVERIFY(found.yearsPastRange.isEmpty());
    const QByteArray ics = icsCalendar(found.events, stamp, QStringLiteral("生日"));

    const QList<Property> calendar = readProperties(ics);
    QCOMPARE(calendar.first().value, QStringLiteral("VCALENDAR"));
    QCOMPARE(countOf(calendar, QStringLiteral("VERSION")), 1);
    QCOMPARE(countOf(calendar, QStringLiteral("PRODID")), 1);
    const QList<Component> events = readEvents(ics);
    QCOMPARE(events.size(), to - from + 1);
    QCOMPARE(startOf(events.first()), firstDate);
    QSet<QString> uids;
    for (int i = 0; i < events.size(); ++i) {
        const Component &event = events.at(i);
        for (const char *name : {"UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"})
            QCOMPARE(countOf(event, QString::fromLatin1(name)), 1);
        uids.insert(valueOf(event, QStringLiteral("UID")));
        QCOMPARE(valueOf(event, QStringLiteral("DTSTAMP")), QStringLiteral("20250301T083000Z"));
        for (const Property &property : event) {
            if (property.name.startsWith(QLatin1String("DT")) && property.name != QLatin1String("DTSTAMP"))
                QCOMPARE(property.parameters, QStringLiteral("VALUE=DATE"));
        }
        const QDate date = startOf(event);
        QCOMPARE(QDate::fromString(valueOf(event, QStringLiteral("DTEND")), QStringLiteral("yyyyMMdd")),
                 date.addDays(1));
        // The engine names the day with the asked month, or the ordinary month in a
        // year without the leap one, and the asked day or the month's last.
        const int code = LunarDateCode(date);
        QCOMPARE(LunarYearNumber(date), from + i);
        QCOMPARE(std::abs(code) / 100, month);
        if (code > 0 && leap)
            QVERIFY(valueOf(event, QStringLiteral("DESCRIPTION")).contains(QStringLiteral("本年无闰")));
        if (std::abs(code) % 100 != day) {
            QCOMPARE(std::abs(code) % 100, 29);
            QCOMPARE(day, 30);
            QCOMPARE(LunarDateCode(date.addDays(1)) % 100, 1);
            QVERIFY(valueOf(event, QStringLiteral("DESCRIPTION")).contains(QStringLiteral("三十按廿九")));
        }
    }
    QCOMPARE(uids.size(), events.size());
}

void IcsTest::yearsPastTheRange()
{
    // 腊月 of lunar 2050 falls in 2051, past the tables.
    const LunarAnniversaries found = lunarAnniversaryEvents(12, 8, false, QStringLiteral("腊八"), 2049, 2050);
    QCOMPARE(found.events.size(), 1);
    QCOMPARE(found.yearsPastRange, QList<int>{2050});
}

void IcsTest::solarTerms()
{
    const QList<CalendarEvent> events = solarTermEvents(2025, 2026);
    QCOMPARE(events.size(), 48);
    QCOMPARE(events.first().date, QDate(2025, 1, 5));
    QCOMPARE(events.first().summary, QStringLiteral("小寒"));
    QCOMPARE(events.at(3).date, QDate(2025, 2, 18));
    QCOMPARE(events.at(3).summary, QStringLiteral("雨水"));
    for (const CalendarEvent &event : events)
        QCOMPARE(SolarTermName(event.date), event.summary);
    QCOMPARE(readEvents(icsCalendar(events, stamp, QStringLiteral("二十四节气"))).size(), 48);
}

void IcsTest::libicalAccepts_data()
{
    QTest::addColumn<QByteArray>("ics");
    QTest::newRow("leap-month birthday")
        << icsCalendar(lunarAnniversaryEvents(6, 30, true, QStringLiteral("妈妈生日, 农历; 闰六月"), 1901, 2050).events,
                       stamp, QStringLiteral("妈妈生日"));
    QTest::newRow("solar terms") << icsCalendar(solarTermEvents(2020, 2030), stamp, QStringLiteral("二十四节气"));
    QTest::newRow("no events") << icsCalendar({}, stamp, QString());
}

void IcsTest::libicalAccepts()
{
    QFETCH(QByteArray, ics);
    icalcomponent *calendar = icalparser_parse_string(ics.constData());
    QVERIFY(calendar);
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    QVERIFY(icalrestriction_check(calendar));
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    const int events = icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT);
    QCOMPARE(events, ics.count("BEGIN:VEVENT"));
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        QVERIFY(start.is_date);
        QVERIFY(LunarDateCode(QDate(start.year, start.month, start.day)) != 0);
        QVERIFY(icalcomponent_get_uid(event));
    }
    icalcomponent_free(calendar);
}

QTEST_GUILESS_MAIN(IcsTest)
#include "tst_ics.moc"
