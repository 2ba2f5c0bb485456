#pragma once

#include "ui_EndMsg.h"

#include <QDialog>
#include <QPointer>

class TFrmMsG : public QDialog, public Ui::TFrmMsG
{
    Q_OBJECT
public:
    explicit TFrmMsG(QWidget *parent = nullptr);

    bool ExitOK = false;

    void FormCreate();
    void Button1Click();
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

extern QPointer<TFrmMsG> FrmMsG;

// The web-directory portal offered as the browser's home page.
QString portalAddress();

// Asks whether to exit; true when the user chose "是(&Y)".
bool ConfirmExit();

// The browser's home page; false with the error's text when it cannot be read.
bool GetStartPage(QString &page, QString &error);
bool SetStartPage(const QString &address, QString &error);
