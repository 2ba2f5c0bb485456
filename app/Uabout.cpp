#include "app/Uabout.h"

#include "widgets/Controls.h"
#include "data/Platform.h"
#include "widgets/JpegImage.h"

#include "Addresses.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

QPointer<TAbout> About;

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font, const QRect &place)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(font);
    result->setGeometry(place);
    // Sized to fit: a text wider than its designed place widens the label.
    if (result->sizeHint().width() > place.width() && !result->wordWrap())
        result->resize(result->sizeHint().width(), place.height());
    return result;
}

} // namespace

TAbout::TAbout(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("关于系统"));
    // Lets the skin paint the window's background.
    setAttribute(Qt::WA_StyledBackground);
    setFont(pixelFont(QStringLiteral("Sans Serif"), 11));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 161, 153);
    Image1->setScaledContents(true);
    Image1->setPixmap(loadPixmap(QStringLiteral("about.jpg")));

    const QString kai = QStringLiteral("楷体_GB2312");
    const QString song = QStringLiteral("宋体");
    RzLabel2 = label(this, "RzLabel2", QStringLiteral("Velmora 周公解梦"), pixelFont(kai, 16, true), {169, 8, 152, 18});
    QPalette black = RzLabel2->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    RzLabel2->setPalette(black);
    RzLabel1 = label(this, "RzLabel1", QString::fromUtf8(Addresses::makerName) + QStringLiteral(" 软件工作室"),
                     pixelFont(kai, 13, true), {168, 32, 153, 15});
    RzLabel4 = label(this, "RzLabel4", QStringLiteral("联系人：") + QString::fromUtf8(Addresses::contactPerson),
                     pixelFont(song, 12, false), {167, 57, 138, 14});
    RzLabel3 = new QLabel(QStringLiteral("QQ：") + QString::fromUtf8(Addresses::contactQQ), this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    RzLabel3->setFont(pixelFont(song, 12, false));
    RzLabel3->setWordWrap(true);
    RzLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel3->setGeometry(167, 77, 130, 28);

    QFont link = pixelFont(song, 12, false);
    link.setUnderline(true);
    RzURLLabel1 = label(this, "RzURLLabel1", QStringLiteral("邮件：") + QString::fromUtf8(Addresses::contactEmail), link,
                        {169, 108, 152, 14});
    QPalette highlight = RzURLLabel1->palette();
    highlight.setColor(QPalette::WindowText, highlight.color(QPalette::Highlight));
    RzURLLabel1->setPalette(highlight);
    RzURLLabel1->setCursor(Qt::PointingHandCursor);
    RzURLLabel1->installEventFilter(this);

    // Outer 329 x 187 as designed; wider when a contact value needs it.
    int width = 321;
    for (QLabel *text : {RzLabel2, RzLabel1, RzLabel4, RzURLLabel1})
        width = std::max(width, text->geometry().right() + 9);
    setFixedSize(width, 153);
    move(426, 337);
}

bool TAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RzURLLabel1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        RzURLLabel1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TAbout::RzURLLabel1Click()
{
    shell().open(QStringLiteral("mailto:") + QString::fromUtf8(Addresses::contactEmail));
}
