#include "app/Untmain.h"

#include "app/BannerFetch.h"
#include "app/EndMsg.h"
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/SkinEngine.h"
#include "app/Uabout.h"
#include "app/Unt_servers.h"
#include "app/Untshez.h"
#include "calendar/DateWin.h"
#include "data/DreamSchema.h"
#include "data/Platform.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "dream/DreamSearchWindow.h"
#include "dream/Untheart.h"
#include "dream/Unthearjx.h"
#include "dream/Untmomo.h"
#include "fortune/Ulove.h"
#include "fortune/Unt_sjcs.h"
#include "fortune/Untgz.h"
#include "fortune/Untxingz.h"
#include "widgets/Controls.h"
#include "widgets/JpegImage.h"
#include "widgets/Placement.h"

#include "Addresses.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

QPointer<TFrmmain> Frmmain;

QString helpPagePath()
{
    return GetAppPath() + QStringLiteral("help/index.html");
}

TFrmmain::TFrmmain(QWidget *parent) : QMainWindow(parent)
{
    // The built-in skin is in force before any window is built.
    SkinData1 = new SkinEngine(this);
    SkinData1->setObjectName(QStringLiteral("SkinData1"));
    setupUi(this);
    applyPixelSizes(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(loadPixmap(QStringLiteral("icon.png"))));
    N4->menuAction()->setVisible(false);
    EmbeddedWB2->raise();
    Image2->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    StatusPanel0->setText(StatusPanel0->text().arg(QString::fromUtf8(Addresses::makerName)));
    StatusPanel1->setText(StatusPanel1->text().arg(QString::fromUtf8(Addresses::contactEmail),
                                                   QString::fromUtf8(Addresses::contactQQ)));
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);

    const std::pair<QAction *, void (TFrmmain::*)()> items[] = {
        {N1, &TFrmmain::N1Click},   {N5, &TFrmmain::N5Click},   {N7, &TFrmmain::N7Click},   {N8, &TFrmmain::N8Click},
        {N9, &TFrmmain::N9Click},   {Q1, &TFrmmain::Q1Click},   {N11, &TFrmmain::N11Click}, {q2, &TFrmmain::q2Click},
        {X1, &TFrmmain::X1Click},   {N15, &TFrmmain::N15Click}, {R1, &TFrmmain::R1Click},   {K1, &TFrmmain::K1Click},
        {H2, &TFrmmain::H2Click},   {G1, &TFrmmain::G1Click},   {N17, &TFrmmain::N17Click},
    };
    for (const auto &[item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
    // Each button runs the menu command of the same name; the exit button has its own way out.
    const std::pair<QToolButton *, void (TFrmmain::*)()> buttons[] = {
        {RzBitBtn1, &TFrmmain::N8Click},  {RzBitBtn2, &TFrmmain::N9Click}, {RzBitBtn3, &TFrmmain::Q1Click},
        {RzBitBtn4, &TFrmmain::N11Click}, {RzBitBtn5, &TFrmmain::q2Click}, {RzBitBtn6, &TFrmmain::N15Click},
        {RzBitBtn7, &TFrmmain::R1Click},  {RzBitBtn8, &TFrmmain::X1Click}, {RzBitBtn9, &TFrmmain::N17Click},
        {RzBitBtn10, &TFrmmain::RzBitBtn10Click},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);
    connect(RzBitBtn11, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product1Url)); });
    connect(RzBitBtn12, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product2Url)); });
    connect(RzBitBtn13, &QPushButton::clicked, this, [] { shell().open(QString::fromUtf8(Addresses::product3Url)); });

    placeAsDesigned(this, designedMainPosition);
    setPlacementAnchor(this);
    showDatabaseProblem();
    FormCreate();
}

TFrmmain::~TFrmmain() = default;

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
    // The book takes the client area the panel and the picture leave.
    Desk->layout()->activate();
    placeOver(book, RzPanel1);
    book->show();
}

void TFrmmain::N17Click()
{
    replaceWindow(FrmDreamSearch)->show();
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
    const QString chm = QStringLiteral("JMhelp.chm");
    if (QFileInfo::exists(chm)) {
        shell().open(chm);
        return;
    }
    // Without the help file, our own help page; help never silently does nothing.
    const QString page = helpPagePath();
    if (!QFileInfo::exists(page) || !shell().open(page))
        ShowInfoMsg(QStringLiteral("无法打开帮助页面：") + QDir::toNativeSeparators(page));
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
