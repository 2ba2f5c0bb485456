#include "calendar/DateWin.h"

#include "calendar/DateCn.h"
#include "calendar/DayCard.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>

QPointer<TFRM_Date> FRM_Date;

namespace {

constexpr int cellWidth = 42;
constexpr int cellHeight = 32;
// The grid's day numbers are 11 points at the 96 dots per inch the layout is drawn for.
constexpr int dayNumberPixels = 15;

const QColor lunarDayColour(0, 64, 0);
const QColor festivalColour(255, 128, 0);
const QColor solarTermColour(83, 83, 255);
const QColor restDayColour(224, 32, 32);
const QColor workDayColour(80, 80, 80);

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setTagColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

QColor captionColour(CaptionKind kind)
{
    switch (kind) {
    case CaptionKind::LunarDay:
        return lunarDayColour;
    case CaptionKind::LunarMonth:
        return Qt::red;
    case CaptionKind::GregorianFestival:
    case CaptionKind::LunarFestival:
        return festivalColour;
    case CaptionKind::SolarTerm:
        return solarTermColour;
    }
    return lunarDayColour;
}

} // namespace

TFRM_Date::TFRM_Date(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    applyPixelSizes(this);
    UpDown1->setRange(FirstLunarYear, LastLunarYear);
    UpDown2->setRange(1, 12);
    for (QObject *control : {static_cast<QObject *>(Label1), static_cast<QObject *>(Label17),
                             static_cast<QObject *>(StaticText1)})
        control->installEventFilter(this);
    connect(UpDown1, &UpDown::clicked, this, &TFRM_Date::UpDown1Click);
    connect(UpDown2, &UpDown::clicked, this, &TFRM_Date::UpDown2Click);
    placeAsDesigned(this, designedCentre(frameSizeOf(this)));

    FormCreate();
}

void TFRM_Date::FormCreate()
{
    CreateDayCells();
    CurrentDate = QDate::currentDate();
    // Once per window: every month shown, and every tooltip, reads the same arrangements.
    m_holidays = loadHolidays(shippedHolidaysPath(), userHolidaysPath()).calendar;
}

void TFRM_Date::CreateDayCells()
{
    for (int i = 0; i < CellCount; ++i) {
        const int column = i % 7;
        const int row = i / 7;
        auto *number = new QLabel(this);
        number->setObjectName(QStringLiteral("DayLabel%1").arg(i + 1));
        number->setGeometry(day1->x() + cellWidth * column, day1->y() + cellHeight * row, day1->width(),
                            day1->height());
        number->setAlignment(day1->alignment());
        number->setFont(day1->font());
        setTextColour(number, Qt::black);
        number->hide();
        number->installEventFilter(this);
        DayLabels[i] = number;

        auto *lunar = new QLabel(this);
        lunar->setObjectName(QStringLiteral("LunarLabel%1").arg(i + 1));
        lunar->setGeometry(Cnday->x() + cellWidth * column, Cnday->y() + cellHeight * row, Cnday->width(),
                           Cnday->height());
        lunar->setAlignment(Cnday->alignment());
        lunar->setFont(Cnday->font());
        setTextColour(lunar, Cnday->palette().color(QPalette::WindowText));
        lunar->hide();
        lunar->installEventFilter(this);
        LunarLabels[i] = lunar;

        auto *mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("HolidayMark%1").arg(i + 1));
        mark->setGeometry(HolidayMark->x() + cellWidth * column, HolidayMark->y() + cellHeight * row,
                          HolidayMark->width(), HolidayMark->height());
        mark->setAlignment(HolidayMark->alignment());
        mark->setFont(HolidayMark->font());
        // A filled tag: on the selected day it sits on the highlight's corner instead of being crossed by its frame.
        mark->setAutoFillBackground(true);
        // Presses and hovers reach the day number beneath, so a click on the mark selects its day.
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
        HolidayMarks[i] = mark;
    }
}

void TFRM_Date::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFRM_Date::FormShow()
{
    SelYear = quint16(CurrentDate.year());
    SelMonth = quint16(CurrentDate.month());
    SelDay = quint16(CurrentDate.day());
    UpDown1->setPosition(SelYear);
    UpDown2->setPosition(SelMonth);
    ShowMonth(CurrentDate);
}

void TFRM_Date::ShowMonth(const QDate &date)
{
    if (!date.isValid())
        return;
    const int year = date.year();
    const int month = date.month();
    const int selected = date.day();
    Label20->setText(QString::number(year));
    Label1->setText(QString::number(year));
    Label1->adjustSize();
    Label17->setText(QString::number(month));
    Label17->adjustSize();
    Label16->setText(QString::number(month));
    Label21->setText(ZodiacAnimalName(date));

    QFont numberFont = day1->font();
    numberFont.setPixelSize(dayNumberPixels);
    for (int i = 0; i < CellCount; ++i) {
        DayLabels[i]->hide();
        LunarLabels[i]->hide();
        setTextColour(DayLabels[i], Qt::black);
        setTextColour(LunarLabels[i], Qt::black);
        DayLabels[i]->setFont(numberFont);
        DayLabels[i]->setToolTip(QString());
        LunarLabels[i]->setToolTip(QString());
        HolidayMarks[i]->hide();
    }
    LabelNoArrangement->setText(arrangementMissingText(year));
    LabelNoArrangement->setVisible(!m_holidays.hasYear(year));

    const int firstCell = SundayFirstWeekday(QDate(year, month, 1));
    const int days = DaysInMonth(year, month);
    for (int day = 1; day <= days; ++day) {
        const QDate shown(year, month, day);
        QLabel *number = DayLabels[firstCell + day - 2];
        QLabel *lunar = LunarLabels[firstCell + day - 2];
        number->setText(QString::number(day));
        number->setProperty("tag", day);
        lunar->setProperty("tag", day);
        const DayCaption text = dayCaption(shown);
        lunar->setText(text.text);
        setTextColour(lunar, captionColour(text.kind));
        const QString card = dayCardText(dayCard(shown, m_holidays));
        number->setToolTip(card);
        lunar->setToolTip(card);
        if (const HolidayDay *holiday = m_holidays.find(shown)) {
            QLabel *mark = HolidayMarks[firstCell + day - 2];
            mark->setText(holidayKindMark(holiday->kind));
            setTagColour(mark, holiday->kind == HolidayKind::Rest ? restDayColour : workDayColour);
            mark->show();
        }
        if (day == selected) {
            Shape2->move(number->x() - 1, number->y() + 1);
            Label22->setText(ConstellationOfDay(selected, shown));
        }
        number->show();
        lunar->show();
    }
}

void TFRM_Date::Label1Click()
{
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click()
{
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::UpDown1Click()
{
    SelYear = quint16(UpDown1->position());
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::UpDown2Click()
{
    SelMonth = quint16(UpDown2->position());
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::CnDayMouseDown(QLabel *dayNumber)
{
    Shape2->move(dayNumber->x() - 1, dayNumber->y() + 1);
}

void TFRM_Date::ChnDateMouseDown(QLabel *lunarCaption)
{
    Shape2->move(lunarCaption->x(), lunarCaption->y() - 16);
}

void TFRM_Date::CnDayClick(QLabel *dayNumber)
{
    SelDay = quint16(dayNumber->property("tag").toInt());
    StoreSelectedDate();
}

void TFRM_Date::CHnDayClick(QLabel *lunarCaption)
{
    SelDay = quint16(lunarCaption->property("tag").toInt());
    StoreSelectedDate();
}

void TFRM_Date::StoreSelectedDate()
{
    CurrentDate = QDate(SelYear, SelMonth, SelDay);
}

void TFRM_Date::StaticText1Click()
{
    CurrentDate = QDate::currentDate();
    FormShow();
}

void TFRM_Date::FormDeactivate()
{
    close();
}

void TFRM_Date::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Only another window of the program closes it; switching to another program does not.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        const QWidget *active = QApplication::activeWindow();
        if (active && active != this)
            FormDeactivate();
    }
}

void TFRM_Date::closeEvent(QCloseEvent *event)
{
    // Only hidden: the next calendar command replaces the instance.
    event->accept();
}

bool TFRM_Date::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = watched;
        for (int i = 0; i < CellCount; ++i) {
            if (watched == DayLabels[i])
                CnDayMouseDown(DayLabels[i]);
            else if (watched == LunarLabels[i])
                ChnDateMouseDown(LunarLabels[i]);
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        const bool click = m_pressed == watched && mouse->button() == Qt::LeftButton && widget
                           && widget->rect().contains(mouse->position().toPoint());
        m_pressed = nullptr;
        if (click)
            clicked(watched);
    }
    return QWidget::eventFilter(watched, event);
}

void TFRM_Date::clicked(QObject *watched)
{
    if (watched == Label1) {
        Label1Click();
        return;
    }
    if (watched == Label17) {
        Label17Click();
        return;
    }
    if (watched == StaticText1) {
        StaticText1Click();
        return;
    }
    for (int i = 0; i < CellCount; ++i) {
        if (watched == DayLabels[i])
            CnDayClick(DayLabels[i]);
        else if (watched == LunarLabels[i])
            CHnDayClick(LunarLabels[i]);
    }
}
