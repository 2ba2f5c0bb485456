#include "fortune/Untxingz.h"

#include "data/uShare.h"
#include "fortune/ConstellationPair.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QScrollBar>

QPointer<TFrm_xzhuo> Frm_xzhuo;

TFrm_xzhuo::TFrm_xzhuo(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QComboBox *list : {ComboBoxDL, ComboBoxXX}) {
        list->addItems(ConstellationPair::names);
        list->setCurrentIndex(0);
    }
    // The scroll bar keeps the window's colours, so it shows even with nothing to scroll.
    RzMemo1->verticalScrollBar()->setPalette(palette());
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn4Click);
    placeAsDesigned(this, {380, 260});
}

void TFrm_xzhuo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrm_xzhuo::FormShow()
{
    m_pairingCaption.clear();
    AdoData.setConnectionString(GetConnStr());
}

void TFrm_xzhuo::RzBitBtn1Click()
{
    const QString man = trimText(ComboBoxDL->currentText());
    const QString woman = trimText(ComboBoxXX->currentText());
    QStringList lines;
    if (!ConstellationPair::pairingLines(AdoData, man, woman, lines))
        return;
    RzMemo1->clear();
    if (lines.isEmpty())
        return;
    setTextAreaLines(RzMemo1, lines);
    m_pairingCaption = ConstellationPair::pairingCaption(man, woman);
}

void TFrm_xzhuo::RzBitBtn2Click()
{
    if (m_pairingCaption.isEmpty() || trimText(RzMemo1->toPlainText()).isEmpty())
        return;
    saveTextArea(SaveDialog1, trimText(m_pairingCaption), RzMemo1);
}

void TFrm_xzhuo::RzBitBtn4Click()
{
    close();
}

void TFrm_xzhuo::closeEvent(QCloseEvent *event)
{
    event->accept();
    Frm_xzhuo = nullptr;
}
