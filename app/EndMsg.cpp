#include "app/EndMsg.h"

#include "widgets/Controls.h"
#include "app/ErrorReport.h"
#include "data/Platform.h"
#include "data/uShare.h"
#include "widgets/JpegImage.h"

#include "Addresses.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

QPointer<TFrmMsG> FrmMsG;

QString portalAddress()
{
    return QString::fromUtf8(Addresses::portalUrl) + QStringLiteral("?400");
}

bool GetStartPage(QString &page, QString &error)
{
    return startPageStore().read(page, error);
}

bool SetStartPage(const QString &address, QString &error)
{
    return startPageStore().write(address, error);
}

TFrmMsG::TFrmMsG(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmMsG"));
    setWindowTitle(QStringLiteral("退出系统"));
    setFont(songFont());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(9, 9, 41, 44);
    Image1->setScaledContents(true);
    Image1->setPixmap(loadPixmap(QStringLiteral("exit.jpg")));

    Label1 = new QLabel(QStringLiteral("您是否确定要退出系统？"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(64, 21);
    Label1->adjustSize();

    CheckBox1 = new QCheckBox(QStringLiteral("设2345万能网址大全为首页"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(64, 44, 169, 17);
    CheckBox1->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("是(&Y)"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 69, 82, 25);
    Button2 = new QPushButton(QStringLiteral("否(&N)"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(136, 69, 82, 25);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, CheckBox1);

    connect(Button1, &QPushButton::clicked, this, &TFrmMsG::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmMsG::Button2Click);

    // Outer 244 x 135 as designed, at its designed place on the screen.
    setFixedSize(238, 108);
    Panel1->setGeometry(rect());
    move(500, 303);
    Button1->setFocus();

    FormCreate();
}

void TFrmMsG::FormCreate()
{
    QString page;
    QString error;
    if (!GetStartPage(page, error)) {
        reportError(error);
        return;
    }
    if (trimText(page) == portalAddress()) {
        CheckBox1->setChecked(false);
        CheckBox1->hide();
    }
}

void TFrmMsG::Button1Click()
{
    if (CheckBox1->isChecked()) {
        QString error;
        if (!SetStartPage(portalAddress(), error)) {
            // The dialog stays open, so the user can answer again.
            reportError(error);
            return;
        }
    }
    ExitOK = true;
    accept();
}

void TFrmMsG::Button2Click()
{
    ExitOK = false;
    reject();
}

void TFrmMsG::keyPressEvent(QKeyEvent *event)
{
    // Neither button is the cancel button: Esc does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ConfirmExit()
{
    delete FrmMsG.data();
    FrmMsG = new TFrmMsG(QApplication::activeWindow());
    FrmMsG->exec();
    const bool answer = FrmMsG ? FrmMsG->ExitOK : false;
    delete FrmMsG.data();
    return answer;
}
