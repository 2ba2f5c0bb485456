#pragma once

#include <QPointer>
#include <QWidget>

class TAAScrollText;

class TFrmmomo : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmmomo(QWidget *parent = nullptr);

    TAAScrollText *AAScrollText1 = nullptr;

    // Puts the window inside a panel, over the panel's client rectangle as it
    // is now, without a frame or caption of its own.
    void dockInto(QWidget *panel);

    void AAScrollText1DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
};

extern QPointer<TFrmmomo> Frmmomo;
