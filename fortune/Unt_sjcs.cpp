#include "fortune/Unt_sjcs.h"

#include "data/Query.h"
#include "data/uShare.h"
#include "fortune/PhoneReading.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include <QKeyEvent>

QPointer<TFrm_SJcs> Frm_SJcs;

TFrm_SJcs::TFrm_SJcs(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    useSystemMenuOnly(this);
    edtmun->setMaxLength(PhoneReading::maxLength);
    // Typed digits only; an input method would bypass the key filter.
    edtmun->setAttribute(Qt::WA_InputMethodEnabled, false);
    edtmun->installEventFilter(this);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrm_SJcs::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrm_SJcs::RzBitBtn2Click);
    placeAsDesigned(this, designedCentre(frameSizeOf(this)));
}

bool TFrm_SJcs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtmun && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return edtmunKeyPress(QChar(13));
        // Shortcuts such as paste and the editing keys carry no typed character.
        const bool typed = !key->text().isEmpty() && key->text().at(0).unicode() >= 32
                           && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typed)
            return edtmunKeyPress(key->text().at(0));
    }
    return QWidget::eventFilter(watched, event);
}

bool TFrm_SJcs::edtmunKeyPress(QChar key)
{
    if (!PhoneReading::keyPasses(key))
        return true;
    if (key == QChar(13)) {
        RzBitBtn1Click();
        return true;
    }
    return false;
}

void TFrm_SJcs::RzBitBtn1Click()
{
    const QString entry = trimText(edtmun->text());
    const QString refusal = PhoneReading::refusal(entry);
    if (!refusal.isEmpty()) {
        ShowInfoMsg(refusal);
        return;
    }
    Query query;
    query.setConnectionString(GetConnStr());
    PhoneReading::Reading reading;
    if (!PhoneReading::read(query, entry, reading))
        return;
    RzLabel11->setText(reading.number);
    RzLabel10->setText(reading.title);
    RzLabel9->setText(reading.jx);
    RzLabel8->setText(reading.content);
}

void TFrm_SJcs::RzBitBtn2Click()
{
    close();
}
