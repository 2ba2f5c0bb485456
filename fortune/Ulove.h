#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class Tfrmlove : public QWidget
{
    Q_OBJECT
public:
    explicit Tfrmlove(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *eYourName = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *eOtherName = nullptr;
    QPushButton *btncount = nullptr;
    QPushButton *btnTryagain = nullptr;
    QPushButton *btn1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lbl1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lbl4 = nullptr;

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
