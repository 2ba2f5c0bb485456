#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

class TAbout : public QWidget
{
    Q_OBJECT
public:
    explicit TAbout(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *RzLabel2 = nullptr;
    QLabel *RzLabel1 = nullptr;
    QLabel *RzLabel4 = nullptr;
    QLabel *RzLabel3 = nullptr;
    QLabel *RzURLLabel1 = nullptr;

    void RzURLLabel1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<TAbout> About;
