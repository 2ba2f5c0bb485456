#include "fortune/Ulove.h"

#include "data/Platform.h"
#include "fortune/LoveTest.h"
#include "widgets/Controls.h"
#include "widgets/Placement.h"

#include "Addresses.h"

#include <QKeyEvent>
#include <QMouseEvent>

QPointer<Tfrmlove> frmlove;

Tfrmlove::Tfrmlove(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    applyPixelSizes(this);
    useSystemMenuOnly(this);
    eYourName->installEventFilter(this);
    eOtherName->installEventFilter(this);
    lbl4->installEventFilter(this);
    connect(btncount, &QPushButton::clicked, this, &Tfrmlove::btncountClick);
    connect(btnTryagain, &QPushButton::clicked, this, &Tfrmlove::btnTryagainClick);
    connect(btn1, &QPushButton::clicked, this, &Tfrmlove::btn1Click);
    placeAsDesigned(this, designedCentre(frameSizeOf(this)));
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
