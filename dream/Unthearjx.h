#pragma once

#include "data/Query.h"
#include "data/SaveText.h"

#include <QPointer>
#include <QWidget>

class GradientPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TFrmheartJx : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmheartJx(QWidget *parent = nullptr);

    GradientPanel *RzPanel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBoxDL = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBoxXX = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *EditCode = nullptr;
    QRadioButton *RzRadioButton1 = nullptr;
    QRadioButton *RzRadioButton2 = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QPushButton *RzBitBtn3 = nullptr;
    QPushButton *RzBitBtn4 = nullptr;
    QPlainTextEdit *RzMemo1 = nullptr;
    Query AdoLeft;
    Query AdoData;
    TextSaver SaveDialog1;

    const QString &currentTitle() const { return m_currentTitle; }

    void FormShow();
    void ComboBoxDLExit();
    void ComboBoxXXClick();
    void RzBitBtn1Click();
    void ShowMomeDateT(const QString &text, int mode);
    void RzBitBtn2Click();
    void RzBitBtn3Click();
    void RzBitBtn4Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_currentTitle;
};

extern QPointer<TFrmheartJx> FrmheartJx;
