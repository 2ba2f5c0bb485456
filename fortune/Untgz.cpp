#include "fortune/Untgz.h"

#include "widgets/Controls.h"
#include "data/uShare.h"
#include "fortune/BoneWeight.h"
#include "fortune/Placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QPointer<TFrmgzfx> Frmgzfx;

namespace {

QComboBox *dropDownList(QWidget *parent, const char *name, const QStringList &items, int x, int y, int width)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setMaxVisibleItems(12);
    box->setGeometry(x, y, width, 20);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, y, 75, 24);
    return result;
}

} // namespace

TFrmgzfx::TFrmgzfx(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Frmgzfx"));
    setWindowTitle(QStringLiteral("骨重分析"));
    setAttribute(Qt::WA_DeleteOnClose);
    useSystemMenuOnly(this);
    setFont(songFont());

    Label1 = placedLabel(this, "Label1", QStringLiteral("生日："), 16, 18);
    ComboBoxyear = dropDownList(this, "ComboBoxyear", {}, 52, 14, 70);
    Label2 = placedLabel(this, "Label2", QStringLiteral("年"), 127, 18);
    ComboBoxmonth = dropDownList(this, "ComboBoxmonth", BoneWeight::monthNames, 145, 14, 60);
    ComboBoxmonth->setCurrentIndex(0);
    Label3 = placedLabel(this, "Label3", QStringLiteral("月"), 210, 18);
    ComboBoxday = dropDownList(this, "ComboBoxday", BoneWeight::dayNames, 52, 44, 70);
    ComboBoxday->setCurrentIndex(0);
    Label4 = placedLabel(this, "Label4", QStringLiteral("日"), 127, 48);
    ComboBoxtime = dropDownList(this, "ComboBoxtime", BoneWeight::hourNames(), 145, 44, 60);
    ComboBoxtime->setCurrentIndex(0);
    Label5 = placedLabel(this, "Label5", QStringLiteral("时"), 210, 48);
    RzBitBtn1 = button(this, "RzBitBtn1", QStringLiteral("测算"), 258, 12);
    RzBitBtn2 = button(this, "RzBitBtn2", QStringLiteral("关闭"), 258, 42);

    RzGroupBox1 = new QGroupBox(this);
    RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
    RzGroupBox1->setGeometry(10, 76, 330, 84);
    RzLabel2 = new QLabel(RzGroupBox1);
    RzLabel2->setObjectName(QStringLiteral("RzLabel2"));
    RzLabel2->setGeometry(12, 10, 306, 18);
    RzLabel2->setTextFormat(Qt::PlainText);
    QPalette red = RzLabel2->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    RzLabel2->setPalette(red);
    RzLabel1 = new QLabel(RzGroupBox1);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setTextFormat(Qt::PlainText);
    // One couplet of the verse to a line, centred under the weight.
    RzLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    RzLabel1->setGeometry(64, 34, 202, 42);

    RzLabel3 = new QLabel(BoneWeight::note, this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    RzLabel3->setWordWrap(true);
    RzLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel3->setGeometry(12, 168, 326, 40);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmgzfx::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmgzfx::RzBitBtn2Click);

    setFixedSize(350, 214);
    centreOnScreen(this);
}

void TFrmgzfx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmgzfx::FormShow()
{
    ComboBoxyear->clear();
    ComboBoxyear->addItems(BoneWeight::yearNames());
    // After 2019 no item matches and the box stays empty until a year is picked.
    ComboBoxyear->setCurrentIndex(ComboBoxyear->findText(today().toString(QStringLiteral("yyyy"))));
    AdoMOT.setConnectionString(GetConnStr());
}

void TFrmgzfx::RzBitBtn1Click()
{
    const QString year = trimText(ComboBoxyear->currentText());
    if (year.isEmpty()) {
        ShowInfoMsg(BoneWeight::noYearMessage);
        return;
    }
    const std::optional<QString> line = GetpeoleGzmun(year, trimText(ComboBoxmonth->currentText()),
                                                      trimText(ComboBoxday->currentText()),
                                                      trimText(ComboBoxtime->currentText()));
    if (line)
        RzLabel2->setText(*line);
}

std::optional<QString> TFrmgzfx::GetpeoleGzmun(const QString &year, const QString &month, const QString &day,
                                               const QString &time)
{
    BoneWeight::Reading reading;
    if (!BoneWeight::read(AdoMOT, year, month, day, time, reading))
        return std::nullopt;
    if (reading.hasVerse)
        RzLabel1->setText(reading.verse);
    else if (reading.code.isEmpty())
        RzLabel1->clear(); // a total without a code has no verse; an old one would mislead
    return reading.line;
}

void TFrmgzfx::RzBitBtn2Click()
{
    close();
}

void TFrmgzfx::closeEvent(QCloseEvent *event)
{
    event->accept();
    Frmgzfx = nullptr;
}
