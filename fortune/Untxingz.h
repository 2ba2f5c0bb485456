#pragma once

#include "data/Query.h"
#include "data/SaveText.h"

#include <QPointer>
#include <QWidget>

class GradientPanel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFrm_xzhuo : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_xzhuo(QWidget *parent = nullptr);

    GradientPanel *RzPanel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBoxDL = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBoxXX = nullptr;
    QPushButton *RzBitBtn1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QPushButton *RzBitBtn4 = nullptr;
    QPlainTextEdit *RzMemo1 = nullptr;
    Query AdoData;
    TextSaver SaveDialog1;

    // The pairing caption: the suggested file name, empty until a pairing succeeds.
    const QString &pairingCaption() const { return m_pairingCaption; }

    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn4Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_pairingCaption;
};

extern QPointer<TFrm_xzhuo> Frm_xzhuo;
