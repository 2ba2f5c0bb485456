#include "app/Untshez.h"

#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include <QShowEvent>

QPointer<TFrmshez> Frmshez;

TFrmshez::TFrmshez(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    applyPixelSizes(this);
    setAttribute(Qt::WA_DeleteOnClose);
    RzComboBox1->addItems(skinListEntries());
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmshez::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmshez::RzBitBtn4Click);
    placeAsDesigned(this, {384, 246});
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
