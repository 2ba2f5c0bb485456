#include "app/Untshez.h"

#include "widgets/Controls.h"
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "widgets/GradientPanel.h"
#include "widgets/JpegImage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

QPointer<TFrmshez> Frmshez;

namespace {

} // namespace

TFrmshez::TFrmshez(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Frmshez"));
    setWindowTitle(QStringLiteral("系统设置"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(pixelFont(QStringLiteral("Sans Serif"), 11));

    Panel1 = new GradientPanel(QColor(205, 237, 252), QColor(235, 233, 180), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    RzGroupBox1 = new QGroupBox(QStringLiteral("软件名称设置"), Panel1);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(12, 8, 237, 57);
    RzEdit1 = new QLineEdit(RzGroupBox1);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setGeometry(21, 21, 196, 21);

    RzGroupBox2 = new QGroupBox(QStringLiteral("更换皮肤"), Panel1);
    RzGroupBox2->setObjectName(QStringLiteral("RzGroupBox2"));
    RzGroupBox2->setGeometry(11, 72, 238, 57);
    RzComboBox1 = new QComboBox(RzGroupBox2);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(true);
    RzComboBox1->setInsertPolicy(QComboBox::NoInsert);
    RzComboBox1->addItems(skinListEntries());
    RzComboBox1->setGeometry(24, 16, 193, 21);

    RzBitBtn2 = pictureButton(Panel1, "RzBitBtn2", QStringLiteral("保存"), QStringLiteral("settings_save.png"), QRect(81, 140, 56, 23));
    RzBitBtn4 = pictureButton(Panel1, "RzBitBtn4", QStringLiteral("关闭"), QStringLiteral("settings_close.png"), QRect(152, 140, 56, 23));

    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmshez::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmshez::RzBitBtn4Click);

    // Outer 270 x 207 as designed, at its designed place on the screen.
    setFixedSize(262, 176);
    move(384, 246);
}

void TFrmshez::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Panel1->setGeometry(rect());
}

void TFrmshez::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmshez::FormShow()
{
    RzEdit1->setText(Frmmain ? Frmmain->windowTitle() : QString());
    // The list always opens on the first entry, whatever skin is in use.
    RzComboBox1->setCurrentIndex(0);
}

int TFrmshez::selectedSkinIndex() const
{
    const QString text = RzComboBox1->currentText();
    const int current = RzComboBox1->currentIndex();
    if (current >= 0 && RzComboBox1->itemText(current) == text)
        return current;
    return RzComboBox1->findText(text, Qt::MatchExactly);
}

void TFrmshez::RzBitBtn2Click()
{
    const QString caption = trimText(RzEdit1->text());
    const int skin = selectedSkinIndex();
    if (Frmmain) {
        if (!caption.isEmpty())
            Frmmain->setWindowTitle(caption);
        Frmmain->SkinData1->setSkinFile(skinFileOf(skin));
        if (!Frmmain->SkinData1->active())
            Frmmain->SkinData1->setActive(true);
    }
    QString error;
    if (!saveSettings(IniFile(settingsFilePath()), skin, caption, error))
        reportError(error);
}

void TFrmshez::RzBitBtn4Click()
{
    close();
}
