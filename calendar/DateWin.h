#pragma once

#include "ui_DateWin.h"

#include "calendar/Holidays.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <array>

class TFRM_Date : public QWidget, public Ui::TFRM_Date
{
    Q_OBJECT
public:
    static constexpr int CellCount = 37;

    explicit TFRM_Date(QWidget *parent = nullptr);

    // Cell i (1-37) is element i - 1: the day number and the lunar caption beneath it.
    std::array<QLabel *, CellCount> DayLabels{};
    std::array<QLabel *, CellCount> LunarLabels{};
    // The cell's 休 or 班 in its top right corner, above the day number's right margin.
    std::array<QLabel *, CellCount> HolidayMarks{};

    QDate CurrentDate;
    quint16 SelYear = 0;
    quint16 SelMonth = 0;
    quint16 SelDay = 0;

    void FormCreate();
    void FormShow();
    void Label1Click();
    void Label17Click();
    void UpDown1Click();
    void UpDown2Click();
    void CnDayMouseDown(QLabel *dayNumber);
    void ChnDateMouseDown(QLabel *lunarCaption);
    void CnDayClick(QLabel *dayNumber);
    void CHnDayClick(QLabel *lunarCaption);
    void StaticText1Click();
    void FormDeactivate();
    void ShowMonth(const QDate &date);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateDayCells();
    void StoreSelectedDate();
    void clicked(QObject *watched);

    QObject *m_pressed = nullptr;
    HolidayCalendar m_holidays;
};

extern QPointer<TFRM_Date> FRM_Date;
