#pragma once

#include "ui_Uabout.h"

#include <QPointer>
#include <QWidget>

class TAbout : public QWidget, public Ui::TAbout
{
    Q_OBJECT
public:
    explicit TAbout(QWidget *parent = nullptr);

    void RzURLLabel1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<TAbout> About;
