#pragma once

#include "data/Query.h"
#include "data/SaveText.h"
#include "ui_Untxingz.h"

#include <QPointer>
#include <QWidget>

class TFrm_xzhuo : public QWidget, public Ui::TFrm_xzhuo
{
    Q_OBJECT
public:
    explicit TFrm_xzhuo(QWidget *parent = nullptr);

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

private:
    QString m_pairingCaption;
};

extern QPointer<TFrm_xzhuo> Frm_xzhuo;
