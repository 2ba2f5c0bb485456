#include "fortune/Untgz.h"

#include "data/uShare.h"
#include "fortune/BoneWeight.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include <QCloseEvent>

QPointer<TFrmgzfx> Frmgzfx;

TFrmgzfx::TFrmgzfx(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    useSystemMenuOnly(this);
    ComboBoxmonth->addItems(BoneWeight::monthNames);
    ComboBoxday->addItems(BoneWeight::dayNames);
    ComboBoxtime->addItems(BoneWeight::hourNames());
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmgzfx::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmgzfx::RzBitBtn2Click);
    placeAsDesigned(this, designedCentre(frameSizeOf(this)));
}

void TFrmgzfx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmgzfx::FormShow()
{
    ComboBoxyear->clear();
    ComboBoxyear->addItems(BoneWeight::yearNames());
    // A year outside the list leaves the box empty until a year is picked.
    ComboBoxyear->setCurrentIndex(ComboBoxyear->findText(today().toString(QStringLiteral("yyyy"))));
    AdoMOT.setConnectionString(GetConnStr());
}

void TFrmgzfx::RzBitBtn1Click()
{
    const QString year = trimText(ComboBoxyear->currentText());
    if (year.isEmpty()) {
        ShowInfoMsg(BoneWeight::noYearMessage);
        return;
    }
    const std::optional<QString> line = GetpeoleGzmun(year, trimText(ComboBoxmonth->currentText()),
                                                      trimText(ComboBoxday->currentText()),
                                                      trimText(ComboBoxtime->currentText()));
    if (line)
        RzLabel2->setText(*line);
}

std::optional<QString> TFrmgzfx::GetpeoleGzmun(const QString &year, const QString &month, const QString &day,
                                               const QString &time)
{
    BoneWeight::Reading reading;
    if (!BoneWeight::read(AdoMOT, year, month, day, time, reading))
        return std::nullopt;
    if (reading.hasVerse)
        RzLabel1->setText(reading.verse);
    else if (reading.code.isEmpty())
        RzLabel1->clear(); // a total without a code has no verse; an old one would mislead
    return reading.line;
}

void TFrmgzfx::RzBitBtn2Click()
{
    close();
}

void TFrmgzfx::closeEvent(QCloseEvent *event)
{
    event->accept();
    Frmgzfx = nullptr;
}
