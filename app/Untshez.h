#pragma once

#include "ui_Untshez.h"

#include <QPointer>
#include <QWidget>

class TFrmshez : public QWidget, public Ui::TFrmshez
{
    Q_OBJECT
public:
    explicit TFrmshez(QWidget *parent = nullptr);

    void FormShow();
    void RzBitBtn2Click();
    void RzBitBtn4Click();

    // The list entry chosen, or -1 when the text typed is none of them.
    int selectedSkinIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
};

extern QPointer<TFrmshez> Frmshez;
