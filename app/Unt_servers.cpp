#include "app/Unt_servers.h"

#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include "Addresses.h"

QPointer<TFrm_servers> Frm_servers;

TFrm_servers::TFrm_servers(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    applyPixelSizes(this);
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Light));
    setPalette(background);
    setAutoFillBackground(true);
    Label5->setText(Label5->text().arg(QString::fromUtf8(Addresses::contactPhone)));
    Label4->setText(Label4->text().arg(QString::fromUtf8(Addresses::contactQQ)));
    Label7->setText(Label7->text().arg(QString::fromUtf8(Addresses::contactEmail)));
    // The layout sizes the window to its rows before it is placed.
    adjustSize();
    placeAsDesigned(this, designedCentre(frameSizeOf(this)));
}
