#pragma once

#include "ui_Untmomo.h"

#include <QPointer>
#include <QWidget>

class TFrmmomo : public QWidget, public Ui::TFrmmomo
{
    Q_OBJECT
public:
    explicit TFrmmomo(QWidget *parent = nullptr);

    // Puts the window inside a panel, over the panel's client rectangle,
    // without a frame or caption of its own; it follows the panel's resizes.
    void dockInto(QWidget *panel);

    void AAScrollText1DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<TFrmmomo> Frmmomo;
