#include "calendar/DateWin.h"

#include "calendar/DateCn.h"
#include "calendar/UpDown.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

QPointer<TFRM_Date> FRM_Date;

namespace {

constexpr int cellWidth = 42;
constexpr int cellHeight = 32;
// The grid's day numbers are 11 points at the 96 dots per inch the layout is drawn for.
constexpr int dayNumberPixels = 15;

const QColor lunarDayColour(0, 64, 0);
const QColor festivalColour(255, 128, 0);
const QColor solarTermColour(83, 83, 255);

// A filled rectangle with a thin black frame.
class Shape : public QWidget
{
public:
    Shape(const QColor &fill, QWidget *parent) : QWidget(parent), m_fill(fill) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_fill);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor m_fill;
};

// A lowered line along the bottom edge.
class BottomLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, height() - 2, width() - 1, height() - 2);
        painter.setPen(Qt::white);
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

QFont windowsFont(const QString &family, int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

// Arial Black is a face of its own; its stand-ins need their heaviest weight to look like it.
QFont arialBlack(int pixels)
{
    return windowsFont(QStringLiteral("Arial Black"), pixels, QFont::Black);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QFont &font,
                const QColor &colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    setTextColour(label, colour);
    return label;
}

QLabel *weekdayName(QWidget *parent, const char *name, int weekday, int left, int top)
{
    static const QString names[] = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                                    QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                                    QStringLiteral("星期六")};
    const bool weekend = weekday == 0 || weekday == 6;
    return caption(parent, name, names[weekday], QRect(left, top, 36, 12), parent->font(),
                   weekend ? Qt::red : Qt::black, Qt::AlignCenter);
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
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("vo日历"));
    setFont(windowsFont(QStringLiteral("宋体"), 12));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    setFixedSize(331, 285);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Shape1 = new Shape(Qt::white, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(rect());

    Label20 = caption(this, "Label20", QString(), QRect(0, 56, 313, 72), arialBlack(64), QColor(255, 232, 221),
                      Qt::AlignCenter);
    Label16 = caption(this, "Label16", QString(), QRect(16, 146, 313, 134), arialBlack(120), QColor(235, 235, 235),
                      Qt::AlignCenter);

    Bevel2 = new BottomLine(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(9, 46, 297, 10);

    Shape2 = new Shape(QColor(126, 226, 129), this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(12, 56, 38, 30);

    Label1 = caption(this, "Label1", QString(), QRect(120, 0, 76, 41), arialBlack(29), Qt::blue);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("单击改变年份"));

    Label2 = weekdayName(this, "Label2", 0, 19, 40);
    Label3 = weekdayName(this, "Label3", 1, 59, 40);
    Label4 = weekdayName(this, "Label4", 2, 99, 40);
    Label5 = weekdayName(this, "Label5", 3, 139, 40);
    Label6 = weekdayName(this, "Label6", 4, 179, 40);
    Label7 = weekdayName(this, "Label7", 5, 219, 40);
    Label8 = weekdayName(this, "Label8", 6, 259, 40);

    day1 = caption(this, "day1", QString(), QRect(14, 56, 36, 16), arialBlack(14), Qt::black, Qt::AlignCenter);
    day1->hide();
    Cnday = caption(this, "Cnday", QString(), QRect(13, 73, 36, 12), windowsFont(QStringLiteral("宋体"), 12),
                    lunarDayColour, Qt::AlignCenter);
    Cnday->hide();

    Label9 = weekdayName(this, "Label9", 0, 20, 253);
    Label10 = weekdayName(this, "Label10", 1, 60, 253);
    Label11 = weekdayName(this, "Label11", 2, 100, 253);
    Label12 = weekdayName(this, "Label12", 3, 140, 253);
    Label13 = weekdayName(this, "Label13", 4, 180, 253);
    Label14 = weekdayName(this, "Label14", 5, 220, 253);
    Label15 = weekdayName(this, "Label15", 6, 260, 253);

    Bevel1 = new BottomLine(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(9, 240, 297, 10);

    Label17 = caption(this, "Label17", QString(), QRect(10, 3, 36, 37),
                      windowsFont(QStringLiteral("Arial"), 32, QFont::Bold), QColor(128, 128, 192));
    Label17->setCursor(Qt::PointingHandCursor);
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    Label18 = caption(this, "Label18", QStringLiteral("月"), QRect(45, 17, 14, 14),
                      windowsFont(QStringLiteral("宋体"), 14, QFont::Bold), Qt::black);
    Label18->adjustSize();
    Label19 = caption(this, "Label19", QStringLiteral("年"), QRect(205, 17, 14, 14),
                      windowsFont(QStringLiteral("宋体"), 14, QFont::Bold), Qt::black);
    Label19->adjustSize();
    Label21 = caption(this, "Label21", QString(), QRect(230, 212, 78, 35),
                      windowsFont(QStringLiteral("隶书"), 35, QFont::Bold), QColor(221, 221, 255), Qt::AlignCenter);
    Label22 = caption(this, "Label22", QString(), QRect(152, 223, 69, 23),
                      windowsFont(QStringLiteral("黑体"), 19, QFont::Bold), QColor(255, 128, 255), Qt::AlignCenter);

    UpDown1 = new UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(221, 10, 16, 24);
    UpDown1->setRange(FirstLunarYear, LastLunarYear);
    UpDown2 = new UpDown(this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(61, 10, 16, 24);
    UpDown2->setRange(1, 12);

    StaticText1 = caption(this, "StaticText1", QStringLiteral("今天"), QRect(272, 17, 28, 16), font(), Qt::black,
                          Qt::AlignCenter);
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setLineWidth(1);
    QPalette todayPalette = StaticText1->palette();
    todayPalette.setColor(QPalette::Window, QColor(206, 242, 208));
    StaticText1->setPalette(todayPalette);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setCursor(Qt::PointingHandCursor);

    for (QObject *control : {static_cast<QObject *>(Label1), static_cast<QObject *>(Label17),
                             static_cast<QObject *>(StaticText1)})
        control->installEventFilter(this);
    connect(UpDown1, &UpDown::clicked, this, &TFRM_Date::UpDown1Click);
    connect(UpDown2, &UpDown::clicked, this, &TFRM_Date::UpDown2Click);

    FormCreate();
}

void TFRM_Date::FormCreate()
{
    CreateDayCells();
    CurrentDate = QDate::currentDate();
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
    }

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
