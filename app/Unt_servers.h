#pragma once

#include "ui_Unt_servers.h"

#include <QPointer>
#include <QWidget>

class TFrm_servers : public QWidget, public Ui::TFrm_servers
{
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget *parent = nullptr);
};

extern QPointer<TFrm_servers> Frm_servers;
