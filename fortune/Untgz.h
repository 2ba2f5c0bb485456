#pragma once

#include "data/Query.h"
#include "ui_Untgz.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class TFrmgzfx : public QWidget, public Ui::TFrmgzfx
{
    Q_OBJECT
public:
    explicit TFrmgzfx(QWidget *parent = nullptr);

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
