#include "dream/Untmomo.h"

#include "widgets/Controls.h"
#include "dream/DreamLegends.h"
#include "widgets/TAAScrollText.h"

#include <QCloseEvent>
#include <QVBoxLayout>

QPointer<TFrmmomo> Frmmomo;

TFrmmomo::TFrmmomo(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Frmmomo"));
    setWindowTitle(QStringLiteral("解梦传说"));
    setAttribute(Qt::WA_DeleteOnClose);

    AAScrollText1 = new TAAScrollText(this);
    AAScrollText1->setObjectName(QStringLiteral("AAScrollText1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AAScrollText1);

    AAScrollText1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    AAScrollText1->setBackgroundColor(Qt::white);
    AAScrollText1->setAlignment(Qt::AlignHCenter);
    AAScrollText1->setWordWrap(false);
    AAScrollText1->setRowPitch(20);
    AAScrollText1->setLabelEffect(ScrollText::LabelEffect::UntilNextLabel);
    AAScrollText1->setFade(true);
    AAScrollText1->setFadeHeight(10);
    AAScrollText1->setHeadSpace(0);
    AAScrollText1->setTailSpace(60);
    AAScrollText1->setScrollStep(1);
    AAScrollText1->setScrollDelay(60);
    AAScrollText1->setRepeatDelay(2000);
    AAScrollText1->setRepeatCount(0);
    AAScrollText1->setLines(dreamLegendLines());
    AAScrollText1->setActive(true);
    connect(AAScrollText1, &TAAScrollText::doubleClicked, this, &TFrmmomo::AAScrollText1DblClick);

    resize(620, 440);
}

void TFrmmomo::dockInto(QWidget *panel)
{
    setParent(panel, Qt::Widget);
    setGeometry(panel->contentsRect());
    raise();
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
