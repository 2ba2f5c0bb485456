#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class UpDown;

class TFRM_Date : public QWidget
{
    Q_OBJECT
public:
    static constexpr int CellCount = 37;

    explicit TFRM_Date(QWidget *parent = nullptr);

    QWidget *Shape1 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label16 = nullptr;
    QWidget *Bevel2 = nullptr;
    QWidget *Shape2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *day1 = nullptr;
    QLabel *Cnday = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QWidget *Bevel1 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    UpDown *UpDown1 = nullptr;
    UpDown *UpDown2 = nullptr;
    QLabel *StaticText1 = nullptr;

    // Cell i (1-37) is element i - 1: the day number and the lunar caption beneath it.
    std::array<QLabel *, CellCount> DayLabels{};
    std::array<QLabel *, CellCount> LunarLabels{};

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
};

extern QPointer<TFRM_Date> FRM_Date;
