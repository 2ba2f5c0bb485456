#include "fortune/Untxingz.h"

#include "widgets/Controls.h"
#include "data/uShare.h"
#include "fortune/ConstellationPair.h"
#include "fortune/Placement.h"
#include "widgets/GradientPanel.h"
#include "widgets/JpegImage.h"
#include "widgets/TextArea.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

QPointer<TFrm_xzhuo> Frm_xzhuo;

namespace {

constexpr int panelHeight = 72;

QComboBox *constellationList(QWidget *parent, const char *name, int x)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(ConstellationPair::names);
    box->setCurrentIndex(0);
    box->setMaxVisibleItems(12);
    box->setGeometry(x, 10, 100, 20);
    return box;
}

} // namespace

TFrm_xzhuo::TFrm_xzhuo(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Frm_xzhuo"));
    setWindowTitle(QStringLiteral("星座配对"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont());

    RzPanel1 = new GradientPanel(QColor(205, 236, 251), QColor(213, 236, 230), this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label1 = placedLabel(RzPanel1, "Label1", QStringLiteral("星座（男）："), 12, 14);
    ComboBoxDL = constellationList(RzPanel1, "ComboBoxDL", 86);
    Label2 = placedLabel(RzPanel1, "Label2", QStringLiteral("星座（女）："), 200, 14);
    ComboBoxXX = constellationList(RzPanel1, "ComboBoxXX", 274);
    RzBitBtn1 = pictureButton(RzPanel1, "RzBitBtn1", QStringLiteral("配对"), QStringLiteral("tree03.png"), QRect(200, 40, 56, 24));
    RzBitBtn2 = pictureButton(RzPanel1, "RzBitBtn2", QStringLiteral("保存"), QStringLiteral("tree00.png"), QRect(259, 40, 56, 24));
    RzBitBtn4 = pictureButton(RzPanel1, "RzBitBtn4", QStringLiteral("关闭"), QStringLiteral("tree06.png"), QRect(318, 40, 56, 24));

    RzMemo1 = createReadOnlyTextArea(this);
    // The scroll bar keeps the window's colours, so it shows even with nothing to scroll.
    RzMemo1->verticalScrollBar()->setPalette(palette());

    setTabOrder(ComboBoxDL, ComboBoxXX);
    setTabOrder(ComboBoxXX, RzBitBtn1);
    setTabOrder(RzBitBtn1, RzBitBtn2);
    setTabOrder(RzBitBtn2, RzBitBtn4);
    setTabOrder(RzBitBtn4, RzMemo1);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrm_xzhuo::RzBitBtn4Click);

    resize(392, 330);
    move(380, 260);
}

void TFrm_xzhuo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RzPanel1->setGeometry(0, 0, width(), panelHeight);
    RzMemo1->setGeometry(0, panelHeight, width(), height() - panelHeight);
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
    SaveDialog1.save(trimText(m_pairingCaption), textAreaLines(RzMemo1));
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
