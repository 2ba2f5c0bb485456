#include "app/Fonts.h"
#include "app/Untmain.h"
#include "calendar/DateWin.h"
#include "calendar/UpDown.h"

#include "support/Fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

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

QTEST_MAIN(DateWinTest)
#include "tst_datewin.moc"
