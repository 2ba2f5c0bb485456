#pragma once

#include "ui_Unt_sjcs.h"

#include <QPointer>
#include <QWidget>

class TFrm_SJcs : public QWidget, public Ui::TFrm_SJcs
{
    Q_OBJECT
public:
    explicit TFrm_SJcs(QWidget *parent = nullptr);

    // True when the typed character is taken by the filter (discarded or Enter).
    bool edtmunKeyPress(QChar key);
    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<TFrm_SJcs> Frm_SJcs;
