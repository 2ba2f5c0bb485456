#include "app/EndMsg.h"

#include "app/ErrorReport.h"
#include "data/Platform.h"
#include "data/uShare.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include "Addresses.h"

#include <QApplication>
#include <QKeyEvent>

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
    setupUi(this);
    applyPixelSizes(this);
    connect(Button1, &QPushButton::clicked, this, &TFrmMsG::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmMsG::Button2Click);
    placeAsDesigned(this, {500, 303});
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
