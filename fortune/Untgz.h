#pragma once

#include "data/Query.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TFrmgzfx : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmgzfx(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QComboBox *ComboBoxyear = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBoxmonth = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *ComboBoxday = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *ComboBoxtime = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel2 = nullptr;
    QLabel *RzLabel1 = nullptr;
    QLabel *RzLabel3 = nullptr;
    Query AdoMOT;

    // Where FormShow takes today's year from; tests set another day.
    std::function<QDate()> today = &QDate::currentDate;

    void FormShow();
    void RzBitBtn1Click();
    // The weight line of a birth moment, or nothing when a lookup could not
    // be opened; puts the verse into RzLabel1 on the way.
    std::optional<QString> GetpeoleGzmun(const QString &year, const QString &month, const QString &day,
                                         const QString &time);
    void RzBitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

extern QPointer<TFrmgzfx> Frmgzfx;
