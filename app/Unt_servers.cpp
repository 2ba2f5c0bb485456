#include "app/Unt_servers.h"

#include "widgets/Controls.h"
#include "widgets/JpegImage.h"

#include "Addresses.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

QPointer<TFrm_servers> Frm_servers;

namespace {

QLabel *picture(QWidget *parent, const char *name, const QString &file, int x, int y)
{
    auto *result = new QLabel(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, y, 41, 41);
    result->setScaledContents(true);
    result->setPixmap(loadPixmap(file));
    return result;
}

QLabel *heading(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    QFont bold = result->font();
    bold.setBold(true);
    result->setFont(bold);
    QPalette navy = result->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    result->setPalette(navy);
    result->move(x, y);
    result->adjustSize();
    return result;
}

// Designed 324 x 24; two lines of the substituted fonts need a little more.
QLabel *explanation(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setGeometry(x, y, 324, std::max(24, result->heightForWidth(324)));
    return result;
}

} // namespace

TFrm_servers::TFrm_servers(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("客户服务"));
    setFont(songFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Light));
    setPalette(background);
    setAutoFillBackground(true);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setStyleSheet(QStringLiteral(
        "QFrame#RzPanel1 { background: palette(base); border: 1px solid rgb(48,163,231); border-radius: 6px; }"));

    const QString email = QString::fromUtf8(Addresses::contactEmail);
    Image1 = picture(RzPanel1, "Image1", QStringLiteral("service1.jpg"), 24, 22);
    Label1 = heading(RzPanel1, "Label1", QStringLiteral("市场合作:"), 69, 24);
    Label2 = explanation(RzPanel1, "Label2",
                         QStringLiteral("欢迎各类企业与个人同我们洽谈广告投放、软件推广与内容合作，"
                                        "请通过下面的电话、QQ或邮箱与我们联系。"),
                         69, 41);
    Image2 = picture(RzPanel1, "Image2", QStringLiteral("service2.jpg"), 25, 86);
    Label5 = heading(RzPanel1, "Label5", QStringLiteral("服务电话：") + QString::fromUtf8(Addresses::contactPhone), 69,
                     87);
    Label3 = explanation(RzPanel1, "Label3",
                         QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。"), 70, 106);
    Image3 = picture(RzPanel1, "Image3", QStringLiteral("service3.jpg"), 24, 151);
    Label4 = heading(RzPanel1, "Label4", QStringLiteral("QQ在线支持：") + QString::fromUtf8(Addresses::contactQQ), 69,
                     151);
    Label6 = explanation(RzPanel1, "Label6",
                         QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                                        "稍后可以再来查看。"),
                         70, 170);
    Image4 = picture(RzPanel1, "Image4", QStringLiteral("service4.jpg"), 24, 216);
    Label7 = heading(RzPanel1, "Label7", QStringLiteral("技术支持邮箱：") + email, 69, 215);
    Label8 = explanation(RzPanel1, "Label8",
                         QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                                        "我们会尽快给您答复。"),
                         70, 234);

    // Outer 428 x 307 as designed; the panel keeps a margin round its rows.
    int bottom = 0;
    for (QLabel *text : {Label2, Label3, Label6, Label8})
        bottom = std::max(bottom, text->geometry().bottom());
    RzPanel1->setGeometry(6, 6, 408, std::max(261, bottom + 12));
    setFixedSize(420, RzPanel1->geometry().bottom() + 7);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
