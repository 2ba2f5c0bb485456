#pragma once

#include "data/Query.h"
#include "data/SaveText.h"
#include "ui_Unthearjx.h"

#include <QPointer>
#include <QWidget>

class TFrmheartJx : public QWidget, public Ui::TFrmheartJx
{
    Q_OBJECT
public:
    explicit TFrmheartJx(QWidget *parent = nullptr);

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_currentTitle;
};

extern QPointer<TFrmheartJx> FrmheartJx;
