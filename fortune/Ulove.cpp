#include "fortune/Ulove.h"

#include "widgets/Controls.h"
#include "data/Platform.h"
#include "fortune/LoveTest.h"
#include "fortune/Placement.h"

#include "Addresses.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

QPointer<Tfrmlove> frmlove;

namespace {

QLineEdit *nameEdit(QWidget *parent, const char *name, int y)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(100, y, 160, 22);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, 84, 64, 24);
    // Enter on a focused button presses it, as the names' Enter leads there.
    result->setAutoDefault(true);
    return result;
}

} // namespace

Tfrmlove::Tfrmlove(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmlove"));
    setWindowTitle(QStringLiteral("缘分测试 "));
    useSystemMenuOnly(this);
    setFont(songFont());

    Label1 = placedLabel(this, "Label1", QStringLiteral("男方姓名："), 30, 22);
    eYourName = nameEdit(this, "eYourName", 18);
    Label2 = placedLabel(this, "Label2", QStringLiteral("女方姓名："), 30, 54);
    eOtherName = nameEdit(this, "eOtherName", 50);
    btncount = button(this, "btncount", QStringLiteral("测算"), 44);
    btnTryagain = button(this, "btnTryagain", QStringLiteral("重测"), 118);
    btn1 = button(this, "btn1", QStringLiteral("关闭"), 192);

    Label3 = placedLabel(this, "Label3", LoveTest::resultCaption, 30, 124);
    lbl1 = new QLabel(this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setTextFormat(Qt::PlainText);
    lbl1->setGeometry(102, 124, 188, 18);
    QPalette red = lbl1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lbl1->setPalette(red);

    Label4 = new QLabel(LoveTest::note, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setGeometry(30, 152, 260, 36);

    lbl4 = placedLabel(this, "lbl4", QStringLiteral("技术论坛"), 240, 194);
    QFont linkFont = lbl4->font();
    linkFont.setUnderline(true);
    lbl4->setFont(linkFont);
    QPalette navy = lbl4->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lbl4->setPalette(navy);
    lbl4->setCursor(Qt::PointingHandCursor);
    lbl4->installEventFilter(this);

    setTabOrder(eYourName, eOtherName);
    setTabOrder(eOtherName, btncount);
    setTabOrder(btncount, btnTryagain);
    setTabOrder(btnTryagain, btn1);
    eYourName->installEventFilter(this);
    eOtherName->installEventFilter(this);

    connect(btncount, &QPushButton::clicked, this, &Tfrmlove::btncountClick);
    connect(btnTryagain, &QPushButton::clicked, this, &Tfrmlove::btnTryagainClick);
    connect(btn1, &QPushButton::clicked, this, &Tfrmlove::btn1Click);

    setFixedSize(310, 216);
    centreOnScreen(this);
}

bool Tfrmlove::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && FormKeyPress(watched, static_cast<QKeyEvent *>(event)->key()))
        return true;
    if (watched == lbl4 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        lbl4Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Tfrmlove::FormKeyPress(QObject *target, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // The next control in tab order, as Tab would give it.
    if (target == eYourName)
        eOtherName->setFocus(Qt::TabFocusReason);
    else if (target == eOtherName)
        btncount->setFocus(Qt::TabFocusReason);
    else
        return false;
    return true;
}

void Tfrmlove::btncountClick()
{
    // Blanks pass this test and count no strokes, as the verdict shows.
    if (eYourName->text().isEmpty() || eOtherName->text().isEmpty()) {
        messages().show(LoveTest::missingNamesMessage, QStringLiteral("提示"), MessageIcon::None);
        eYourName->setFocus();
        return;
    }
    lbl1->setText(LoveTest::verdict(eYourName->text(), eOtherName->text()));
}

void Tfrmlove::btnTryagainClick()
{
    eYourName->clear();
    eOtherName->clear();
    lbl1->clear();
    eYourName->setFocus();
}

void Tfrmlove::btn1Click()
{
    close();
}

void Tfrmlove::lbl4Click()
{
    shell().open(QString::fromUtf8(Addresses::forumUrl));
}
