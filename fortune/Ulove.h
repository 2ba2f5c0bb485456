#pragma once

#include "ui_Ulove.h"

#include <QPointer>
#include <QWidget>

class Tfrmlove : public QWidget, public Ui::Tfrmlove
{
    Q_OBJECT
public:
    explicit Tfrmlove(QWidget *parent = nullptr);

    void btncountClick();
    void btnTryagainClick();
    void btn1Click();
    // True when the key was taken: Enter in a name field moves on as Tab does.
    bool FormKeyPress(QObject *target, int key);
    void lbl4Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<Tfrmlove> frmlove;
