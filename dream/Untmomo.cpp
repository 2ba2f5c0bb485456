#include "dream/Untmomo.h"

#include "dream/DreamLegends.h"
#include "widgets/Controls.h"

#include <QCloseEvent>

QPointer<TFrmmomo> Frmmomo;

TFrmmomo::TFrmmomo(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    AAScrollText1->setLines(dreamLegendLines());
    AAScrollText1->setActive(true);
    connect(AAScrollText1, &TAAScrollText::doubleClicked, this, &TFrmmomo::AAScrollText1DblClick);
}

void TFrmmomo::dockInto(QWidget *panel)
{
    setParent(panel, Qt::Widget);
    setGeometry(panel->contentsRect());
    raise();
    panel->installEventFilter(this);
}

bool TFrmmomo::eventFilter(QObject *watched, QEvent *event)
{
    // Docked, it keeps covering the panel whatever size the panel takes.
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->contentsRect());
    return QWidget::eventFilter(watched, event);
}

void TFrmmomo::AAScrollText1DblClick()
{
    close();
}

void TFrmmomo::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (Frmmomo == this)
        Frmmomo = nullptr;
}
