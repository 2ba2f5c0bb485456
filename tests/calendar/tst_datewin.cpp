#include "app/Fonts.h"
#include "app/Untmain.h"
#include "calendar/DateWin.h"
#include "calendar/DayCard.h"
#include "calendar/Holidays.h"
#include "calendar/UpDown.h"
#include "data/uShare.h"

#include "support/Fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <cmath>

class DateWinTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void weekdayNamesStandApart();
    void spinArrowsShowUnderEverySkin_data();
    void spinArrowsShowUnderEverySkin();
    void numeralsStayPale();
    void monthLayout_data();
    void monthLayout();
    void captionColours_data();
    void captionColours();
    void dayNumbersStayBlack();
    void zodiacFollowsTheShownDate();
    void highlightMovesOnMouseDown_data();
    void highlightMovesOnMouseDown();
    void dayClickStoresWithoutRedrawing();
    void yearAndMonthClicksSwapSpins();
    void spinLimits();
    void spinsClampTheDay();
    void todayButton();
    void closingHidesAndReopeningShowsToday();
    void anotherWindowActiveHidesIt();
    void captionsFit_data();
    void captionsFit();
    void holidayMarks_data();
    void holidayMarks();
    void marksStayClearOfText();
    void marksShowUnderEverySkin_data();
    void marksShowUnderEverySkin();
    void clickOnMarkSelectsItsDay();
    void dayCardTooltips();
    void missingArrangementLine_data();
    void missingArrangementLine();
    void missingArrangementLineFollowsTheYear();
    void missingArrangementLineStaysClear();
    void userHolidaysFile();
    void unsoundUserFileIsLeftOut();
    void cleanup();

private:
    // The user's data folder of every window in these tests, so no test reads the real one.
    QTemporaryDir m_dataHome;
};

namespace {

void showDate(TFRM_Date &window, const QDate &date)
{
    window.CurrentDate = date;
    window.FormShow();
}

QLabel *cellOfDay(const std::array<QLabel *, TFRM_Date::CellCount> &cells, int day)
{
    for (QLabel *cell : cells) {
        if (!cell->isHidden() && cell->property("tag").toInt() == day)
            return cell;
    }
    return nullptr;
}

int cellNumber(const TFRM_Date &window, int day)
{
    QLabel *cell = cellOfDay(window.DayLabels, day);
    for (int i = 0; i < TFRM_Date::CellCount; ++i) {
        if (window.DayLabels[i] == cell)
            return i + 1;
    }
    return 0;
}

QPoint highlightSpotOfCell(int cell)
{
    const int row = (cell - 1) / 7;
    const int column = (cell - 1) % 7;
    return QPoint(13 + 42 * column, 57 + 32 * row);
}

QColor markColour(const QLabel *mark)
{
    return mark->palette().color(QPalette::Window);
}

// The mark of a shown day, whether shown or not.
QLabel *markOfDay(const TFRM_Date &window, int day)
{
    const int cell = cellNumber(window, day);
    return cell == 0 ? nullptr : window.HolidayMarks[cell - 1];
}

QStringList shownMarks(const TFRM_Date &window)
{
    QStringList marks;
    for (int i = 0; i < TFRM_Date::CellCount; ++i) {
        if (!window.HolidayMarks[i]->isHidden())
            marks.append(window.DayLabels[i]->text() + window.HolidayMarks[i]->text());
    }
    return marks;
}

// Where QLabel lays out a label's text, in its parent's coordinates.
QRect textRectOf(const QLabel *label)
{
    return QFontMetrics(label->font())
        .boundingRect(label->contentsRect(), int(label->alignment()), label->text())
        .translated(label->pos());
}

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Where a label's text puts ink, in the label's own coordinates, as QLabel places it.
QRect inkOf(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect laidOut = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text());
    return metrics.tightBoundingRect(label->text()).translated(laidOut.left(), laidOut.top() + metrics.ascent());
}

// Pixels between the ink of two neighbouring labels.
int inkGap(const QLabel *left, const QLabel *right)
{
    return inkOf(right).translated(right->pos()).left() - inkOf(left).translated(left->pos()).right() - 1;
}

// Neighbouring weekday names keep at least this much blank between them.
constexpr int minimumGap = 6;

// Pixels of a button face in the arrow's colour, round the face's centre.
int arrowPixels(const QImage &face, const QColor &ink)
{
    int count = 0;
    const QPoint centre = face.rect().center();
    for (int y = centre.y() - 3; y <= centre.y() + 3; ++y) {
        for (int x = centre.x() - 4; x <= centre.x() + 4; ++x) {
            const QColor pixel = face.pixelColor(x, y);
            if (qAbs(pixel.red() - ink.red()) + qAbs(pixel.green() - ink.green()) + qAbs(pixel.blue() - ink.blue()) < 60)
                ++count;
        }
    }
    return count;
}

double luminance(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast ratio of two colours, as the accessibility guidelines define it.
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool inkApart(const QLabel *left, const QWidget *right)
{
    const QRect ink = inkOf(left).translated(left->pos());
    const auto *label = qobject_cast<const QLabel *>(right);
    const int rightStart = label ? inkOf(label).translated(label->pos()).left() : right->x();
    return ink.right() < rightStart;
}

// The ink of a label's text lies inside the label.
bool inkFits(const QLabel *label, QString *why)
{
    const QString text = label->text();
    if (text.isEmpty())
        return true;
    const QFontMetrics metrics(label->font());
    const QRect area = label->contentsRect();
    const QRect ink = inkOf(label);
    const bool fits = metrics.horizontalAdvance(text) <= area.width() && ink.top() >= area.top() - 1
                      && ink.bottom() <= area.bottom() + 1;
    if (!fits)
        *why = QStringLiteral("%1 \"%2\": advance %3 in %4, ink rows %5..%6 in %7..%8")
                   .arg(label->objectName(), text)
                   .arg(metrics.horizontalAdvance(text))
                   .arg(area.width())
                   .arg(ink.top())
                   .arg(ink.bottom())
                   .arg(area.top())
                   .arg(area.bottom());
    return fits;
}

} // namespace

void DateWinTest::initTestCase()
{
    installFontSubstitutes();
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
    // The shipped arrangements lie in the built program's folder.
    setAppPath(programDirPath(QString()));
    QVERIFY(QFileInfo::exists(shippedHolidaysPath()));
}

void DateWinTest::cleanup()
{
    QFile::remove(userHolidaysPath());
}

void DateWinTest::weekdayNamesStandApart()
{
    TFRM_Date window;
    window.show();
    const QList<QLabel *> header = {window.Label2, window.Label3, window.Label4, window.Label5,
                                    window.Label6, window.Label7, window.Label8};
    const QList<QLabel *> footer = {window.Label9,  window.Label10, window.Label11, window.Label12,
                                    window.Label13, window.Label14, window.Label15};
    for (const QList<QLabel *> &names : {header, footer}) {
        QCOMPARE(names.first()->text(), QStringLiteral("星期日"));
        QCOMPARE(names.last()->text(), QStringLiteral("星期六"));
        QCOMPARE(textColour(names.first()), QColor(Qt::red));
        QCOMPARE(textColour(names.last()), QColor(Qt::red));
        QCOMPARE(textColour(names.at(3)), QColor(Qt::black));
        QString why;
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY2(inkFits(names.at(i), &why), qPrintable(why));
            if (i > 0)
                QVERIFY2(inkGap(names.at(i - 1), names.at(i)) >= minimumGap,
                         qPrintable(QStringLiteral("%1 to %2: %3").arg(names.at(i - 1)->objectName(),
                                                                          names.at(i)->objectName())
                                        .arg(inkGap(names.at(i - 1), names.at(i)))));
        }
    }
}

void DateWinTest::spinArrowsShowUnderEverySkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("no skin") << QString();
    for (const QString &file : shippedSkinFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void DateWinTest::spinArrowsShowUnderEverySkin()
{
    QFETCH(QString, skin);
    if (!skin.isEmpty())
        qApp->setStyleSheet(shippedSkinStyleSheet(skin));
    TFRM_Date window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (UpDown *spin : {window.UpDown1, window.UpDown2}) {
        QToolButton *up = spin->upButton();
        QToolButton *down = spin->downButton();
        // The two halves share the spin's height without overlapping.
        QVERIFY(up->geometry().bottom() < down->geometry().top());
        QCOMPARE(down->geometry().bottom(), spin->height() - 1);
        for (QToolButton *button : {up, down}) {
            const QImage face = button->grab().toImage();
            const QColor ink = button->palette().color(QPalette::ButtonText);
            QVERIFY2(arrowPixels(face, ink) >= 6, qPrintable(spin->objectName() + QLatin1Char('/') + button->objectName()));
        }
    }
    qApp->setStyleSheet(QString());
}

// The watermark numerals behind the grid take no more than a fifth of the
// contrast any caption has on the white window.
void DateWinTest::numeralsStayPale()
{
    TFRM_Date window;
    const QList<QColor> captions = {Qt::black, Qt::red, QColor(0, 64, 0), QColor(255, 128, 0), QColor(83, 83, 255)};
    for (const QLabel *numeral : {window.Label20, window.Label16}) {
        for (const QColor &caption : captions) {
            const double onWhite = contrast(caption, Qt::white);
            const double onNumeral = contrast(caption, textColour(numeral));
            QVERIFY2(onNumeral >= 0.8 * onWhite,
                     qPrintable(QStringLiteral("%1 over %2: %3 of %4")
                                    .arg(caption.name(), numeral->objectName())
                                    .arg(onNumeral)
                                    .arg(onWhite)));
        }
    }
}

void DateWinTest::monthLayout_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("lastCell");
    QTest::newRow("March 2003 starts on a Saturday") << QDate(2003, 3, 1) << 7 << 37;
    QTest::newRow("February 2009 fills four rows") << QDate(2009, 2, 1) << 1 << 28;
    QTest::newRow("February 2004 has 29 days") << QDate(2004, 2, 1) << 1 << 29;
}

void DateWinTest::monthLayout()
{
    QFETCH(QDate, date);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    TFRM_Date window;
    showDate(window, date);
    for (int cell = 1; cell <= TFRM_Date::CellCount; ++cell) {
        const bool used = cell >= firstCell && cell <= lastCell;
        QCOMPARE(!window.DayLabels[cell - 1]->isHidden(), used);
        QCOMPARE(!window.LunarLabels[cell - 1]->isHidden(), used);
        if (used) {
            const int day = cell - firstCell + 1;
            QCOMPARE(window.DayLabels[cell - 1]->text(), QString::number(day));
            QCOMPARE(window.LunarLabels[cell - 1]->property("tag").toInt(), day);
        }
    }
    QCOMPARE(window.Label1->text(), QString::number(date.year()));
    QCOMPARE(window.Label20->text(), QString::number(date.year()));
    QCOMPARE(window.Label17->text(), QString::number(date.month()));
    QCOMPARE(window.Label16->text(), QString::number(date.month()));
}

void DateWinTest::captionColours_data()
{
    const QColor orange(255, 128, 0);
    const QColor blue(83, 83, 255);
    const QColor green(0, 64, 0);
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("除夕 2002") << QDate(2002, 2, 11) << "除夕" << orange;
    QTest::newRow("春节 2002") << QDate(2002, 2, 12) << "春节" << orange;
    QTest::newRow("立春 2002") << QDate(2002, 2, 4) << "立春" << blue;
    QTest::newRow("雨水 2002") << QDate(2002, 2, 19) << "雨水" << blue;
    QTest::newRow("情人节 2002") << QDate(2002, 2, 14) << "情人节" << orange;
    QTest::newRow("元宵节 2002") << QDate(2002, 2, 26) << "元宵节" << orange;
    QTest::newRow("lunar day") << QDate(2002, 2, 13) << "初二" << green;
    QTest::newRow("春节 over 立春") << QDate(1992, 2, 4) << "春节" << orange;
    QTest::newRow("夏至 over 父亲节") << QDate(1992, 6, 21) << "夏至" << blue;
    QTest::newRow("中秋节 over 国庆节") << QDate(2001, 10, 1) << "中秋节" << orange;
    QTest::newRow("leap month name") << QDate(2023, 3, 22) << "闰二" << QColor(Qt::red);
    QTest::newRow("month name") << QDate(2006, 4, 28) << "四月" << QColor(Qt::red);
}

void DateWinTest::captionColours()
{
    QFETCH(QDate, date);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    TFRM_Date window;
    // Shown for the first of the month, so the day under test is not the selected one.
    showDate(window, QDate(date.year(), date.month(), 1));
    QLabel *lunar = cellOfDay(window.LunarLabels, date.day());
    QVERIFY(lunar);
    QCOMPARE(lunar->text(), caption);
    QCOMPARE(textColour(lunar), colour);
}

void DateWinTest::dayNumbersStayBlack()
{
    TFRM_Date window;
    showDate(window, QDate(2002, 2, 12));
    for (int day = 1; day <= 28; ++day) {
        QLabel *number = cellOfDay(window.DayLabels, day);
        QVERIFY(number);
        QCOMPARE(textColour(number), QColor(Qt::black));
    }
}

void DateWinTest::zodiacFollowsTheShownDate()
{
    TFRM_Date window;
    showDate(window, QDate(2002, 2, 12));
    QCOMPARE(window.Label21->text(), QStringLiteral("午马"));
    showDate(window, QDate(2002, 2, 11));
    QCOMPARE(window.Label21->text(), QStringLiteral("巳蛇"));
    QCOMPARE(window.Label22->text(), QStringLiteral("水瓶座"));
}

void DateWinTest::highlightMovesOnMouseDown_data()
{
    QTest::addColumn<bool>("onLunarCaption");
    QTest::newRow("day number") << false;
    QTest::newRow("lunar caption") << true;
}

void DateWinTest::highlightMovesOnMouseDown()
{
    QFETCH(bool, onLunarCaption);
    TFRM_Date window;
    showDate(window, QDate(2003, 3, 1));
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(7));
    const auto &cells = onLunarCaption ? window.LunarLabels : window.DayLabels;
    QTest::mousePress(cellOfDay(cells, 31), Qt::RightButton);
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(37));
    QTest::mousePress(cellOfDay(cells, 12), Qt::LeftButton);
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(18));
}

void DateWinTest::dayClickStoresWithoutRedrawing()
{
    TFRM_Date window;
    showDate(window, QDate(2002, 2, 11));
    QTest::mouseClick(cellOfDay(window.LunarLabels, 20), Qt::LeftButton);
    QCOMPARE(window.SelDay, quint16(20));
    QCOMPARE(window.CurrentDate, QDate(2002, 2, 20));
    QTest::mouseClick(cellOfDay(window.DayLabels, 12), Qt::LeftButton);
    QCOMPARE(window.CurrentDate, QDate(2002, 2, 12));
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 12)));
    // The captions of the last ShowMonth stay.
    QCOMPARE(window.Label21->text(), QStringLiteral("巳蛇"));
    QCOMPARE(window.Label22->text(), QStringLiteral("水瓶座"));
    // A right click only moves the highlight.
    QTest::mouseClick(cellOfDay(window.DayLabels, 25), Qt::RightButton);
    QCOMPARE(window.CurrentDate, QDate(2002, 2, 12));
}

void DateWinTest::yearAndMonthClicksSwapSpins()
{
    TFRM_Date window;
    window.show();
    QTest::mouseClick(window.Label1, Qt::LeftButton);
    QVERIFY(window.UpDown1->isVisible());
    QVERIFY(!window.UpDown2->isVisible());
    QTest::mouseClick(window.Label17, Qt::LeftButton);
    QVERIFY(window.UpDown2->isVisible());
    QVERIFY(!window.UpDown1->isVisible());
}

void DateWinTest::spinLimits()
{
    TFRM_Date window;
    showDate(window, QDate(2050, 12, 15));
    window.UpDown1->upButton()->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("2050"));
    window.UpDown2->upButton()->click();
    QCOMPARE(window.Label17->text(), QStringLiteral("12"));
    QCOMPARE(window.Label1->text(), QStringLiteral("2050"));
    QCOMPARE(window.UpDown1->position(), 2050);
    QCOMPARE(window.UpDown2->position(), 12);

    showDate(window, QDate(1901, 1, 15));
    window.UpDown1->downButton()->click();
    window.UpDown2->downButton()->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("1901"));
    QCOMPARE(window.Label17->text(), QStringLiteral("1"));
    QCOMPARE(window.SelYear, quint16(1901));
    QCOMPARE(window.SelMonth, quint16(1));

    window.UpDown1->upButton()->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("1902"));
    QCOMPARE(window.Label17->text(), QStringLiteral("1"));
}

void DateWinTest::spinsClampTheDay()
{
    TFRM_Date window;
    showDate(window, QDate(2003, 1, 31));
    window.UpDown2->upButton()->click();
    QCOMPARE(window.Label17->text(), QStringLiteral("2"));
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 28)));
    QCOMPARE(window.SelDay, quint16(31));
    window.UpDown2->upButton()->click();
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 31)));
    QCOMPARE(window.Label22->text(), QStringLiteral("白羊座"));

    showDate(window, QDate(2003, 2, 28));
    QTest::mouseClick(cellOfDay(window.DayLabels, 28), Qt::LeftButton);
    window.UpDown1->upButton()->click();
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 28)));
    showDate(window, QDate(2003, 1, 31));
    window.UpDown1->upButton()->click();
    window.UpDown2->upButton()->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("2004"));
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 29)));
    // The spins display a date but do not store it.
    QCOMPARE(window.CurrentDate, QDate(2003, 1, 31));
}

void DateWinTest::todayButton()
{
    TFRM_Date window;
    window.show();
    showDate(window, QDate(1950, 6, 1));
    window.UpDown1->upButton()->click();
    QTest::mouseClick(window.StaticText1, Qt::LeftButton);
    const QDate today = QDate::currentDate();
    QCOMPARE(window.CurrentDate, today);
    QCOMPARE(window.SelYear, quint16(today.year()));
    QCOMPARE(window.UpDown1->position(), today.year());
    QCOMPARE(window.UpDown2->position(), today.month());
    QCOMPARE(window.Label17->text(), QString::number(today.month()));
}

void DateWinTest::closingHidesAndReopeningShowsToday()
{
    replaceWindow(FRM_Date)->show();
    QPointer<TFRM_Date> first = FRM_Date;
    showDate(*first, QDate(1950, 6, 1));
    QTest::mouseClick(cellOfDay(first->DayLabels, 9), Qt::LeftButton);
    first->UpDown1->upButton()->click();
    first->close();
    QVERIFY(first);
    QVERIFY(first->isHidden());

    replaceWindow(FRM_Date)->show();
    QVERIFY(!first);
    const QDate today = QDate::currentDate();
    QCOMPARE(FRM_Date->CurrentDate, today);
    QCOMPARE(FRM_Date->Label1->text(), QString::number(today.year()));
    QCOMPARE(FRM_Date->Label17->text(), QString::number(today.month()));
    QCOMPARE(FRM_Date->Shape2->pos(), highlightSpotOfCell(cellNumber(*FRM_Date, today.day())));
    delete FRM_Date.data();
}

void DateWinTest::anotherWindowActiveHidesIt()
{
    QWidget other;
    other.setWindowTitle(QStringLiteral("other"));
    other.show();
    TFRM_Date window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(window.isHidden());
}

void DateWinTest::captionsFit_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("shot");
    QTest::newRow("February 2002") << QDate(2002, 2, 12) << "shot-calendar-2002-02.png";
    QTest::newRow("March 2003") << QDate(2003, 3, 31) << "shot-calendar-2003-03.png";
    QTest::newRow("December 2028") << QDate(2028, 12, 25) << "shot-2028-12.png";
    QTest::newRow("October 2001") << QDate(2001, 10, 31) << QString();
}

// Every caption, including the three-character festivals, fits its cell; the
// auto-sized year and month leave their "年" and "月" free. Set VELMORA_SHOT_DIR
// to keep pictures of the window.
void DateWinTest::captionsFit()
{
    QFETCH(QDate, date);
    QFETCH(QString, shot);
    TFRM_Date window;
    window.show();
    showDate(window, date);
    const QString directory = qEnvironmentVariable("VELMORA_SHOT_DIR");
    if (!directory.isEmpty() && !shot.isEmpty())
        QVERIFY(window.grab().save(QDir(directory).filePath(shot)));
    QString why;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isHidden() || label == window.Label20 || label == window.Label16)
            continue;
        QVERIFY2(inkFits(label, &why), qPrintable(why));
    }
    QVERIFY(inkApart(window.Label17, window.Label18));
    QVERIFY(inkApart(window.Label18, window.UpDown2));
    QVERIFY(inkApart(window.Label1, window.Label19));
    QVERIFY(inkApart(window.Label19, window.UpDown1));
}

void DateWinTest::holidayMarks_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("春节 2025 ends on the 4th, 班 on Saturday the 8th")
        << QDate(2025, 2, 1) << QStringList{"1休", "2休", "3休", "4休", "8班"};
    QTest::newRow("春节 2025 begins on the 28th, 班 on Sunday the 26th")
        << QDate(2025, 1, 1) << QStringList{"1休", "26班", "28休", "29休", "30休", "31休"};
    QTest::newRow("国庆节 and 中秋节 2025, 班 on Saturday the 11th")
        << QDate(2025, 10, 1) << QStringList{"1休", "2休", "3休", "4休", "5休", "6休", "7休", "8休", "11班"};
    QTest::newRow("班 on Sunday 2025-09-28") << QDate(2025, 9, 1) << QStringList{"28班"};
    QTest::newRow("元旦 2008 reaches back into 2007")
        << QDate(2007, 12, 1) << QStringList{"29班", "30休", "31休"};
    QTest::newRow("no arrangement for 2027") << QDate(2027, 10, 1) << QStringList();
    QTest::newRow("none before 2008") << QDate(1999, 10, 1) << QStringList();
    QTest::newRow("a month without holidays") << QDate(2025, 3, 1) << QStringList();
}

void DateWinTest::holidayMarks()
{
    QFETCH(QDate, month);
    QFETCH(QStringList, marks);
    TFRM_Date window;
    // A month full of marks first, so the month under test shows that they are reset.
    showDate(window, QDate(2025, 10, 1));
    showDate(window, month);
    QCOMPARE(shownMarks(window), marks);
    for (int day = 1; day <= month.daysInMonth(); ++day) {
        const QLabel *mark = markOfDay(window, day);
        QVERIFY(mark);
        if (mark->isHidden())
            continue;
        const QColor fill = markColour(mark);
        if (mark->text() == QStringLiteral("休"))
            QVERIFY2(fill.red() > 180 && fill.green() < 80 && fill.blue() < 80, qPrintable(fill.name()));
        else
            QVERIFY2(fill.lightness() < 110 && fill.hslSaturation() < 40, qPrintable(fill.name()));
        // The captions keep their own colours and precedence.
        QCOMPARE(textColour(cellOfDay(window.DayLabels, day)), QColor(Qt::black));
    }
}

// No mark covers any day number or caption, its own or a neighbour's, in any month
// with an arrangement, and every mark lies inside the window.
void DateWinTest::marksStayClearOfText()
{
    TFRM_Date window;
    int checked = 0;
    for (int year = 2008; year <= 2026; ++year) {
        for (int month = 1; month <= 12; ++month) {
            showDate(window, QDate(year, month, 1));
            for (const QLabel *mark : window.HolidayMarks) {
                if (mark->isHidden())
                    continue;
                ++checked;
                QVERIFY(window.rect().contains(mark->geometry()));
                QString why;
                QVERIFY2(inkFits(mark, &why), qPrintable(why));
                for (int i = 0; i < TFRM_Date::CellCount; ++i) {
                    for (const QLabel *text : {window.DayLabels[i], window.LunarLabels[i]}) {
                        if (text->isHidden())
                            continue;
                        QVERIFY2(!mark->geometry().intersects(textRectOf(text)),
                                 qPrintable(QStringLiteral("%1-%2: %3 over %4 \"%5\"")
                                                .arg(year)
                                                .arg(month)
                                                .arg(mark->objectName(), text->objectName(), text->text())));
                    }
                }
            }
        }
    }
    QVERIFY(checked > 500);
}

void DateWinTest::marksShowUnderEverySkin_data()
{
    spinArrowsShowUnderEverySkin_data();
}

// The skins restyle the program's controls; the marks keep their colours.
void DateWinTest::marksShowUnderEverySkin()
{
    QFETCH(QString, skin);
    if (!skin.isEmpty())
        qApp->setStyleSheet(shippedSkinStyleSheet(skin));
    TFRM_Date window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    showDate(window, QDate(2025, 2, 1));
    const QImage picture = window.grab().toImage();
    for (int day : {4, 8}) {
        const QLabel *mark = markOfDay(window, day);
        int fill = 0;
        int glyph = 0;
        for (int y = mark->y(); y <= mark->geometry().bottom(); ++y) {
            for (int x = mark->x(); x <= mark->geometry().right(); ++x) {
                const QColor pixel = picture.pixelColor(QPoint(x, y) * picture.devicePixelRatio());
                fill += pixel == markColour(mark);
                glyph += pixel.lightness() > 200;
            }
        }
        QVERIFY2(fill > 30 && glyph > 10,
                 qPrintable(QStringLiteral("day %1: %2 fill, %3 glyph").arg(day).arg(fill).arg(glyph)));
    }
    qApp->setStyleSheet(QString());
}

// The mark lies over the day number's corner but lets the pointer through to it.
void DateWinTest::clickOnMarkSelectsItsDay()
{
    TFRM_Date window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    showDate(window, QDate(2025, 2, 1));
    const QLabel *mark = markOfDay(window, 8);
    const QLabel *number = cellOfDay(window.DayLabels, 8);
    const QRect overNumber = mark->geometry().intersected(number->geometry());
    QVERIFY(!overNumber.isEmpty());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, overNumber.center());
    QCOMPARE(window.CurrentDate, QDate(2025, 2, 8));
    QCOMPARE(window.Shape2->pos(), highlightSpotOfCell(cellNumber(window, 8)));
}

void DateWinTest::dayCardTooltips()
{
    TFRM_Date window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const HolidayCalendar holidays = loadHolidays(shippedHolidaysPath(), userHolidaysPath()).calendar;
    showDate(window, QDate(2025, 3, 31));
    showDate(window, QDate(2025, 2, 8));
    for (int i = 0; i < TFRM_Date::CellCount; ++i) {
        QLabel *number = window.DayLabels[i];
        QLabel *lunar = window.LunarLabels[i];
        if (number->isHidden()) {
            QVERIFY(number->toolTip().isEmpty());
            QVERIFY(lunar->toolTip().isEmpty());
            continue;
        }
        const QString card = dayCardText(dayCard(QDate(2025, 2, number->property("tag").toInt()), holidays));
        QCOMPARE(number->toolTip(), card);
        QCOMPARE(lunar->toolTip(), card);
    }
    QVERIFY(cellOfDay(window.DayLabels, 8)->toolTip().contains(QStringLiteral("班 春节调休上班")));

    // Hovering the caption raises its card.
    QLabel *lunar = cellOfDay(window.LunarLabels, 4);
    const QPoint inside = lunar->rect().center();
    QHelpEvent hover(QEvent::ToolTip, inside, lunar->mapToGlobal(inside));
    QApplication::sendEvent(lunar, &hover);
    QTRY_COMPARE(QToolTip::text(), lunar->toolTip());
    QVERIFY(QToolTip::text().contains(QStringLiteral("休 春节假期")));
    QToolTip::hideText();
}

void DateWinTest::missingArrangementLine_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    QTest::newRow("2027") << QDate(2027, 1, 15) << QStringLiteral("2027年放假安排尚未收录");
    QTest::newRow("2050") << QDate(2050, 12, 31) << QStringLiteral("2050年放假安排尚未收录");
    QTest::newRow("2025") << QDate(2025, 10, 1) << QString();
    QTest::newRow("2008") << QDate(2008, 5, 1) << QString();
}

void DateWinTest::missingArrangementLine()
{
    QFETCH(QDate, date);
    QFETCH(QString, line);
    TFRM_Date window;
    showDate(window, date);
    QCOMPARE(!window.LabelNoArrangement->isHidden(), !line.isEmpty());
    if (!line.isEmpty())
        QCOMPARE(window.LabelNoArrangement->text(), line);
}

void DateWinTest::missingArrangementLineFollowsTheYear()
{
    TFRM_Date window;
    showDate(window, QDate(2026, 10, 1));
    QVERIFY(window.LabelNoArrangement->isHidden());
    window.UpDown1->upButton()->click();
    QVERIFY(!window.LabelNoArrangement->isHidden());
    QCOMPARE(window.LabelNoArrangement->text(), QStringLiteral("2027年放假安排尚未收录"));
    window.UpDown1->upButton()->click();
    QCOMPARE(window.LabelNoArrangement->text(), QStringLiteral("2028年放假安排尚未收录"));
    window.UpDown1->downButton()->click();
    window.UpDown1->downButton()->click();
    QVERIFY(window.LabelNoArrangement->isHidden());
    // The month spin stays within the year.
    window.UpDown2->upButton()->click();
    QVERIFY(window.LabelNoArrangement->isHidden());
}

// The line fits below the footer, clear of the grid, the watermarks and the zodiac and
// constellation captions, whichever month it is shown with.
void DateWinTest::missingArrangementLineStaysClear()
{
    TFRM_Date window;
    window.show();
    for (int month = 1; month <= 12; ++month) {
        showDate(window, QDate(2027, month, 28));
        const QLabel *line = window.LabelNoArrangement;
        QVERIFY(line->isVisible());
        QString why;
        QVERIFY2(inkFits(line, &why), qPrintable(why));
        const QRect text = textRectOf(line);
        QVERIFY(window.rect().contains(text));
        for (int i = 0; i < TFRM_Date::CellCount; ++i) {
            for (const QLabel *cell : {window.DayLabels[i], window.LunarLabels[i], window.HolidayMarks[i]})
                QVERIFY2(!text.intersects(cell->geometry()), qPrintable(cell->objectName()));
        }
        for (const QLabel *label : {window.Label16, window.Label20, window.Label21, window.Label22, window.Label9,
                                    window.Label10, window.Label11, window.Label12, window.Label13, window.Label14,
                                    window.Label15}) {
            QVERIFY2(!text.intersects(inkOf(label).translated(label->pos())),
                     qPrintable(QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text())));
        }
        QVERIFY(!text.intersects(window.Bevel1->geometry()));
    }
}

// The user's file adds a year and replaces a shipped one, whole.
void DateWinTest::userHolidaysFile()
{
    QVERIFY(QDir().mkpath(QFileInfo(userHolidaysPath()).path()));
    QVERIFY(writeFileBytes(userHolidaysPath(), "DATE\tKIND\tNAME\n"
                                               "2027-10-01\t休\t国庆节\n"
                                               "2027-10-09\t班\t国庆节\n"
                                               "2025-10-10\t休\t国庆节\n"));
    TFRM_Date window;
    showDate(window, QDate(2027, 10, 1));
    QCOMPARE(shownMarks(window), (QStringList{"1休", "9班"}));
    QVERIFY(window.LabelNoArrangement->isHidden());
    QVERIFY(cellOfDay(window.LunarLabels, 9)->toolTip().contains(QStringLiteral("班 国庆节调休上班")));
    showDate(window, QDate(2025, 10, 1));
    QCOMPARE(shownMarks(window), QStringList{"10休"});
    QVERIFY(!cellOfDay(window.DayLabels, 1)->toolTip().contains(QStringLiteral("休")));
}

// A damaged file in the user's folder is left out; the shipped arrangements still show.
void DateWinTest::unsoundUserFileIsLeftOut()
{
    QVERIFY(QDir().mkpath(QFileInfo(userHolidaysPath()).path()));
    QVERIFY(writeFileBytes(userHolidaysPath(), "DATE\tKIND\tNAME\n2025-10-10\t假\t国庆节\n\xff\xfe"));
    TFRM_Date window;
    showDate(window, QDate(2025, 2, 1));
    QCOMPARE(shownMarks(window), (QStringList{"1休", "2休", "3休", "4休", "8班"}));
}

QTEST_MAIN(DateWinTest)
#include "tst_datewin.moc"
