#pragma once

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;

class TFrm_servers : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget *parent = nullptr);

    QFrame *RzPanel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image3 = nullptr;
    QLabel *Image4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
};

extern QPointer<TFrm_servers> Frm_servers;
