#include "app/Untmain.h"

#include "widgets/Controls.h"
#include "app/BannerFetch.h"
#include "app/BannerView.h"
#include "app/EndMsg.h"
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "app/Untshez.h"
#include "data/DreamSchema.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "widgets/JpegImage.h"
#include "calendar/DateWin.h"
#include "data/Platform.h"
#include "dream/Untheart.h"
#include "dream/Unthearjx.h"
#include "dream/Untmomo.h"
#include "fortune/Ulove.h"
#include "fortune/Unt_sjcs.h"
#include "fortune/Untgz.h"
#include "fortune/Untxingz.h"
#include "widgets/GradientPanel.h"

#include "Addresses.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

QPointer<TFrmmain> Frmmain;

namespace {

const QString commandButtonStyle = QStringLiteral(
    "QToolButton { background: rgb(244,244,240); border: 1px solid rgb(0,128,0); border-radius: 2px;"
    " color: navy; font-weight: bold; font-family: \"宋体\"; font-size: 12px;"
    " padding: 4px 0px 0px 0px; margin: 0px; min-height: 0px; }"
    "QToolButton:hover { background: rgb(255,250,220); border-color: rgb(0,170,0); }"
    "QToolButton:pressed { background: rgb(225,232,215); }");

const QString recommendButtonStyle = QStringLiteral(
    "QPushButton { background: rgb(244,244,240); border: 1px solid rgb(0,128,0); border-radius: 2px;"
    " color: red; font-weight: bold; font-family: \"宋体\"; font-size: 12px; text-align: left;"
    " padding: 0px 0px 0px 4px; margin: 0px; min-height: 0px; }"
    "QPushButton:hover { background: rgb(255,250,220); border-color: rgb(0,170,0); }");

QFrame *groovedPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return panel;
}

} // namespace

TFrmmain::TFrmmain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Frmmain"));
    // The built-in skin is in force before any window is built.
    SkinData1 = new SkinEngine(this);
    SkinData1->setObjectName(QStringLiteral("SkinData1"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(loadPixmap(QStringLiteral("icon.png"))));
    setFont(songFont());
    buildMenu();
    buildPanels();
    // Outer size 800 x 600 with an ordinary frame around the client area.
    resize(792, 572);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(400, 300));
    showDatabaseProblem();
    FormCreate();
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::buildPanels()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    RzPanel2 = groovedPanel(central);
    RzPanel2->setObjectName(QStringLiteral("RzPanel2"));
    RzPanel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RzPanel2->setFixedHeight(80);
    auto *bannerLayout = new QHBoxLayout(RzPanel2);
    bannerLayout->setContentsMargins(2, 2, 2, 2);
    Image2 = new QLabel(RzPanel2);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    Image2->setPixmap(loadPixmap(QStringLiteral("banner.png")));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    bannerLayout->addWidget(Image2);
    // Larger than the strip, so that the browser's own frame falls outside it.
    EmbeddedWB2 = new BannerView(RzPanel2);
    EmbeddedWB2->setObjectName(QStringLiteral("EmbeddedWB2"));
    EmbeddedWB2->setGeometry(-12, -16, 803, 107);
    EmbeddedWB2->raise();
    column->addWidget(RzPanel2);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    Paneleft = new GradientPanel(QColor(205, 237, 252), QColor(166, 202, 240), central);
    Paneleft->setObjectName(QStringLiteral("Paneleft"));
    Paneleft->setFrameStyle(QFrame::Box | QFrame::Raised);
    Paneleft->setFixedWidth(166);
    body->addWidget(Paneleft);

    RzBitBtn1 = addCommandButton("RzBitBtn1", QStringLiteral("解梦传说"), 4, 3, 2);
    RzBitBtn2 = addCommandButton("RzBitBtn2", QStringLiteral("周公解析"), 8, 83, 2);
    RzBitBtn3 = addCommandButton("RzBitBtn3", QStringLiteral("解梦全书"), 1, 3, 78);
    RzBitBtn4 = addCommandButton("RzBitBtn4", QStringLiteral("手机测算"), 5, 83, 78);
    RzBitBtn5 = addCommandButton("RzBitBtn5", QStringLiteral("骨重分析"), 9, 3, 154);
    RzBitBtn6 = addCommandButton("RzBitBtn6", QStringLiteral("缘分测试"), 13, 3, 230);
    RzBitBtn7 = addCommandButton("RzBitBtn7", QStringLiteral("经典日历"), 6, 83, 230);
    RzBitBtn8 = addCommandButton("RzBitBtn8", QStringLiteral("星座配对"), 10, 83, 154);
    RzBitBtn10 = addCommandButton("RzBitBtn10", QStringLiteral("退出系统"), 2, 83, 306);
    // Tab order follows the designed order, which is not the grid's.
    QWidget::setTabOrder(RzBitBtn1, RzBitBtn2);
    QWidget::setTabOrder(RzBitBtn2, RzBitBtn3);
    QWidget::setTabOrder(RzBitBtn3, RzBitBtn4);
    QWidget::setTabOrder(RzBitBtn4, RzBitBtn5);
    QWidget::setTabOrder(RzBitBtn5, RzBitBtn6);
    QWidget::setTabOrder(RzBitBtn6, RzBitBtn7);
    QWidget::setTabOrder(RzBitBtn7, RzBitBtn8);
    QWidget::setTabOrder(RzBitBtn8, RzBitBtn10);
    connect(RzBitBtn1, &QToolButton::clicked, this, &TFrmmain::N8Click);
    connect(RzBitBtn2, &QToolButton::clicked, this, &TFrmmain::N9Click);
    connect(RzBitBtn3, &QToolButton::clicked, this, &TFrmmain::Q1Click);
    connect(RzBitBtn4, &QToolButton::clicked, this, &TFrmmain::N11Click);
    connect(RzBitBtn5, &QToolButton::clicked, this, &TFrmmain::q2Click);
    connect(RzBitBtn6, &QToolButton::clicked, this, &TFrmmain::N15Click);
    connect(RzBitBtn7, &QToolButton::clicked, this, &TFrmmain::R1Click);
    connect(RzBitBtn8, &QToolButton::clicked, this, &TFrmmain::X1Click);
    connect(RzBitBtn10, &QToolButton::clicked, this, &TFrmmain::RzBitBtn10Click);

    RzBitBtn11 = addRecommendButton("RzBitBtn11", QStringLiteral("Tavisol[荐]"), 382);
    RzBitBtn12 = addRecommendButton("RzBitBtn12", QStringLiteral("Murenka[荐]"), 404);
    RzBitBtn13 = addRecommendButton("RzBitBtn13", QStringLiteral("Oslevi(站长推荐)"), 426);
    connect(RzBitBtn11, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product1Url)); });
    connect(RzBitBtn12, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product2Url)); });
    connect(RzBitBtn13, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product3Url)); });

    RzPanel1 = groovedPanel(central);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    auto *clientLayout = new QVBoxLayout(RzPanel1);
    clientLayout->setContentsMargins(RzPanel1->frameWidth(), RzPanel1->frameWidth(), RzPanel1->frameWidth(),
                                     RzPanel1->frameWidth());
    Image1 = new QLabel(RzPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setPixmap(loadPixmap(QStringLiteral("background.jpg")));
    clientLayout->addWidget(Image1);
    Memo1 = new QPlainTextEdit(RzPanel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();
    body->addWidget(RzPanel1, 1);
    column->addLayout(body, 1);
    setCentralWidget(central);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // One pixel over the designed 19 so CJK glyphs with descenders are not cut.
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(true);
    StatusPanel0 = new QLabel(QString::fromUtf8(Addresses::makerName), this);
    StatusPanel0->setAlignment(Qt::AlignCenter);
    StatusPanel0->setFixedWidth(120);
    StatusPanel1 = new QLabel(QStringLiteral("欢迎各位朋友使用本系统,联系邮箱: ") + QString::fromUtf8(Addresses::contactEmail)
                                  + QStringLiteral("  QQ: ") + QString::fromUtf8(Addresses::contactQQ),
                              this);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
}

QToolButton *TFrmmain::addCommandButton(const char *name, const QString &caption, int picture, int left, int top)
{
    auto *button = new QToolButton(Paneleft);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(QIcon(QPixmap::fromImage(
        loadPicture(QStringLiteral("cmd%1.png").arg(picture, 2, 10, QLatin1Char('0'))))));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(false);
    keepOwnLook(button, commandButtonStyle);
    button->setGeometry(left, top, 80, 76);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPushButton *TFrmmain::addRecommendButton(const char *name, const QString &caption, int top)
{
    auto *button = new QPushButton(caption, Paneleft);
    button->setObjectName(QString::fromLatin1(name));
    keepOwnLook(button, recommendButtonStyle);
    button->setGeometry(3, top, 160, 22);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void TFrmmain::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto item = [this](QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut,
                       void (TFrmmain::*handler)()) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto hidden = [](QAction *action) {
        action->setVisible(false);
        return action;
    };

    QMenu *system = bar->addMenu(QStringLiteral("系统 (&S)"));
    system->setObjectName(QStringLiteral("N0"));
    item(system, "N1", QStringLiteral("打印设置(&S)"), {}, &TFrmmain::N1Click);
    hidden(item(system, "N2", QStringLiteral("打印预览(&L)"), {}, nullptr));
    hidden(item(system, "N3", QStringLiteral("输出打印(&P)"), QKeySequence(QStringLiteral("Ctrl+P")), nullptr));
    system->addSeparator();
    QMenu *saveData = system->addMenu(QStringLiteral("保存数据"));
    saveData->setObjectName(QStringLiteral("N4"));
    item(saveData, "W1", QStringLiteral("Word文件"), {}, nullptr);
    item(saveData, "T1", QStringLiteral("文本文件"), {}, nullptr);
    item(saveData, "H1", QStringLiteral("HTML文件"), {}, nullptr);
    hidden(saveData->menuAction());
    item(system, "N5", QStringLiteral("系统设置(&Z)"), QKeySequence(QStringLiteral("Ctrl+S")), &TFrmmain::N5Click);
    system->addSeparator();
    item(system, "N7", QStringLiteral("退出系统(&E)"), {}, &TFrmmain::N7Click);

    QMenu *reckon = bar->addMenu(QStringLiteral("测算(&C)"));
    reckon->setObjectName(QStringLiteral("C1"));
    item(reckon, "N8", QStringLiteral("解梦传说(&N)"), QKeySequence(QStringLiteral("Ctrl+N")), &TFrmmain::N8Click);
    item(reckon, "N9", QStringLiteral("周公解析(&X)"), QKeySequence(Qt::Key_F5), &TFrmmain::N9Click);
    item(reckon, "Q1", QStringLiteral("解梦全书(&Q)"), QKeySequence(QStringLiteral("Ctrl+Q")), &TFrmmain::Q1Click);
    reckon->addSeparator();
    item(reckon, "N11", QStringLiteral("手机测算(&S)"), {}, &TFrmmain::N11Click);
    item(reckon, "q2", QStringLiteral("骨重分析(&Q)"), {}, &TFrmmain::q2Click);
    item(reckon, "X1", QStringLiteral("星座配对(&X)"), {}, &TFrmmain::X1Click);
    item(reckon, "N15", QStringLiteral("缘分测试(&Y)"), {}, &TFrmmain::N15Click);
    reckon->addSeparator();
    item(reckon, "R1", QStringLiteral("经典日历(&R)"), {}, &TFrmmain::R1Click);

    QMenu *service = bar->addMenu(QStringLiteral("服务(&W)"));
    service->setObjectName(QStringLiteral("W2"));
    item(service, "K1", QStringLiteral("客户服务(&K)"), {}, &TFrmmain::K1Click);
    hidden(service->addSeparator());
    hidden(item(service, "S1", QStringLiteral("软件升级(&S)"), {}, nullptr));

    QMenu *help = bar->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("H3"));
    item(help, "H2", QStringLiteral("系统帮助(&H)"), QKeySequence(Qt::Key_F1), &TFrmmain::H2Click);
    item(help, "G1", QStringLiteral("关于系统(&Y)"), {}, &TFrmmain::G1Click);
    item(help, "N16", QStringLiteral("公司主页"), {}, nullptr);
}

bool TFrmmain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        shell().open(QString::fromUtf8(Addresses::product1Url));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmmain::N1Click()
{
    printing().setupPrinter();
}

void TFrmmain::N5Click()
{
    replaceWindow(Frmshez)->show();
}

void TFrmmain::N8Click()
{
    TFrmmomo *legends = replaceWindow(Frmmomo);
    legends->dockInto(RzPanel1);
    legends->show();
}

void TFrmmain::N9Click()
{
    replaceWindow(FrmheartJx)->show();
}

void TFrmmain::Q1Click()
{
    Image1->hide();
    Paneleft->hide();
    TFrmbook *book = replaceWindow(Frmbook);
    book->setHiddenParts(Paneleft, Image1);
    book->show();
}

void TFrmmain::N11Click()
{
    replaceWindow(Frm_SJcs)->show();
}

void TFrmmain::q2Click()
{
    replaceWindow(Frmgzfx)->show();
}

void TFrmmain::X1Click()
{
    replaceWindow(Frm_xzhuo)->show();
}

void TFrmmain::N15Click()
{
    replaceWindow(frmlove)->show();
}

void TFrmmain::R1Click()
{
    replaceWindow(FRM_Date)->show();
}

void TFrmmain::K1Click()
{
    replaceWindow(Frm_servers)->show();
}

void TFrmmain::G1Click()
{
    replaceWindow(About)->show();
}

void TFrmmain::H2Click()
{
    shell().open(QStringLiteral("JMhelp.chm"));
}

void TFrmmain::FormCreate()
{
    QElapsedTimer sinceCreation;
    sinceCreation.start();
    m_banner.prepare(bannerSource().fetch(), *EmbeddedWB2);
    Memo1->setPlainText(m_banner.text());
    connect(Timer1, &QTimer::timeout, this, &TFrmmain::Timer1Timer);
    // The first tick comes a second after creation, or at once when the fetches took longer.
    Timer1->start(int(std::max<qint64>(0, m_tickInterval - sinceCreation.elapsed())));
}

void TFrmmain::Timer1Timer()
{
    const int next = m_banner.tick(*EmbeddedWB2);
    if (next == 0) {
        Timer1->stop();
        return;
    }
    if (next > 0)
        m_tickInterval = next;
    if (Timer1->interval() != m_tickInterval)
        Timer1->setInterval(m_tickInterval);
}

void TFrmmain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFrmmain::FormShow()
{
    const StartupSettings settings = readStartupSettings(IniFile(settingsFilePath()));
    if (!settings.ok) {
        reportError(settings.error);
        return;
    }
    if (!settings.caption.isEmpty())
        setWindowTitle(settings.caption);
    SkinData1->setSkinFile(skinFileOf(settings.skin));
    if (!SkinData1->active())
        SkinData1->setActive(true);
}

// The data windows stay silent when dream.dll cannot be read; this one line says
// why they are empty. It takes the welcome line's place: the bar has no room
// for both.
void TFrmmain::showDatabaseProblem()
{
    Query query;
    query.setConnectionString(GetConnStr());
    if (checkDreamDatabase(query))
        return;
    StatusPanel2 = new QLabel(QStringLiteral("解梦数据文件无法读取：") + failureReason(query), this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusPanel2->setToolTip(QDir::toNativeSeparators(dataSourceOf(GetConnStr())));
    statusBar()->removeWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);
}

void TFrmmain::openHomePage()
{
    shell().open(QString::fromUtf8(Addresses::homeUrl));
}

void TFrmmain::N7Click()
{
    if (!ConfirmExit())
        return;
    terminate();
    openHomePage();
}

void TFrmmain::RzBitBtn10Click()
{
    if (!ConfirmExit())
        return;
    QFile::remove(GetAppPath() + QStringLiteral("Cnon.ldb"));
    terminate();
    openHomePage();
}

void TFrmmain::terminate()
{
    m_terminating = true;
    QApplication::quit();
}

void TFrmmain::closeEvent(QCloseEvent *event)
{
    // Once the run is ending, the frame closes without asking again.
    if (m_terminating) {
        event->accept();
        return;
    }
    if (!ConfirmExit()) {
        event->ignore();
        return;
    }
    QFile::remove(GetAppPath() + QStringLiteral("Cnon.ldb"));
    terminate();
    openHomePage();
    event->accept();
}
