#include "app/Uabout.h"

#include "data/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include "Addresses.h"

#include <QEvent>
#include <QMouseEvent>

QPointer<TAbout> About;

TAbout::TAbout(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    applyPixelSizes(this);
    // Lets the skin paint the window's background.
    setAttribute(Qt::WA_StyledBackground);
    RzLabel1->setText(RzLabel1->text().arg(QString::fromUtf8(Addresses::makerName)));
    RzLabel4->setText(RzLabel4->text().arg(QString::fromUtf8(Addresses::contactPerson)));
    RzLabel3->setText(RzLabel3->text().arg(QString::fromUtf8(Addresses::contactQQ)));
    RzURLLabel1->setText(RzURLLabel1->text().arg(QString::fromUtf8(Addresses::contactEmail)));
    QPalette highlight = RzURLLabel1->palette();
    highlight.setColor(QPalette::WindowText, highlight.color(QPalette::Highlight));
    RzURLLabel1->setPalette(highlight);
    RzURLLabel1->installEventFilter(this);
    placeAsDesigned(this, {426, 337});
}

bool TAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RzURLLabel1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        RzURLLabel1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TAbout::RzURLLabel1Click()
{
    shell().open(QStringLiteral("mailto:") + QString::fromUtf8(Addresses::contactEmail));
}
