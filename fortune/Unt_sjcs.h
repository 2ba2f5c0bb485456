#pragma once

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrm_SJcs : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_SJcs(QWidget *parent = nullptr);

    QGroupBox *RzGroupBox2 = nullptr;
    QLabel *RzLabel1 = nullptr;
    QLineEdit *edtmun = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QLabel *RzLabel2 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLabel *RzLabel5 = nullptr;
    QLabel *RzLabel11 = nullptr;
    QLabel *RzLabel4 = nullptr;
    QLabel *RzLabel10 = nullptr;
    QLabel *RzLabel6 = nullptr;
    QLabel *RzLabel9 = nullptr;
    QLabel *RzLabel7 = nullptr;
    QLabel *RzLabel8 = nullptr;
    QLabel *RzLabel3 = nullptr;

    // True when the typed character is taken by the filter (discarded or Enter).
    bool edtmunKeyPress(QChar key);
    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<TFrm_SJcs> Frm_SJcs;
