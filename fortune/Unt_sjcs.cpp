#include "fortune/Unt_sjcs.h"

#include "widgets/Controls.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "fortune/Placement.h"
#include "fortune/PhoneReading.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QPointer<TFrm_SJcs> Frm_SJcs;

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, y, 64, 24);
    return result;
}

QLabel *valueLabel(QWidget *parent, const char *name, int x, int y, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, y, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TFrm_SJcs::TFrm_SJcs(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Frm_SJcs"));
    setWindowTitle(QStringLiteral("手机号码测算"));
    useSystemMenuOnly(this);
    setFont(songFont());

    RzGroupBox2 = new QGroupBox(this);
    RzGroupBox2->setObjectName(QStringLiteral("RzGroupBox2"));
    RzGroupBox2->setGeometry(8, 6, 394, 68);
    RzLabel1 = placedLabel(RzGroupBox2, "RzLabel1", QStringLiteral("输入号码："), 14, 19);
    edtmun = new QLineEdit(RzGroupBox2);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setGeometry(80, 15, 150, 22);
    edtmun->setMaxLength(PhoneReading::maxLength);
    // Typed digits only; an input method would bypass the key filter.
    edtmun->setAttribute(Qt::WA_InputMethodEnabled, false);
    edtmun->setInputMethodHints(Qt::ImhDigitsOnly);
    edtmun->installEventFilter(this);
    RzBitBtn1 = button(RzGroupBox2, "RzBitBtn1", QStringLiteral("测算"), 244, 14);
    RzBitBtn2 = button(RzGroupBox2, "RzBitBtn2", QStringLiteral("关闭"), 316, 14);
    RzLabel2 = placedLabel(RzGroupBox2, "RzLabel2", PhoneReading::hint, 14, 45);

    RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(8, 80, 394, 196);
    RzLabel5 = placedLabel(RzGroupBox1, "RzLabel5", QStringLiteral("手机号码是："), 14, 26);
    RzLabel11 = valueLabel(RzGroupBox1, "RzLabel11", 88, 26, 290, 18);
    RzLabel4 = placedLabel(RzGroupBox1, "RzLabel4", QStringLiteral("状态："), 14, 50);
    RzLabel10 = valueLabel(RzGroupBox1, "RzLabel10", 88, 50, 290, 18);
    RzLabel6 = placedLabel(RzGroupBox1, "RzLabel6", QStringLiteral("吉凶："), 14, 74);
    RzLabel9 = valueLabel(RzGroupBox1, "RzLabel9", 88, 74, 290, 18);
    QPalette red = RzLabel9->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    RzLabel9->setPalette(red);
    RzLabel7 = placedLabel(RzGroupBox1, "RzLabel7", QStringLiteral("具体表现："), 14, 98);
    RzLabel8 = valueLabel(RzGroupBox1, "RzLabel8", 88, 98, 290, 97);
    RzLabel8->setWordWrap(true);

    RzLabel3 = new QLabel(PhoneReading::footer, this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    RzLabel3->setWordWrap(true);
    RzLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel3->setGeometry(12, 284, 388, 56);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrm_SJcs::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrm_SJcs::RzBitBtn2Click);

    setFixedSize(410, 346);
    centreOnScreen(this);
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
