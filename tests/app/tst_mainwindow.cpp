#include "app/BannerFetch.h"
#include "app/Untmain.h"
#include "dream/Untheart.h"
#include "dream/Unthearjx.h"
#include "widgets/Placement.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"
#include "support/TabChain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <optional>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuItems_data();
    void menuItems();
    void hiddenItems();
    void commandTwiceGivesOneFreshWindow();
    void buttonRunsMenuCommand();
    void homePageItemDoesNothing();
    void help_data();
    void help();
    void printerSetup();
    void windowsOpenWhereDesigned_data();
    void windowsOpenWhereDesigned();
    void bookCoversTheClientArea();
    void buttonsInTabOrder();
    void shippedHelpPage();
    void statusBar();
    void bannerComesFromTheInstalledSource();
    void databaseProblem_data();
    void databaseProblem();

private:
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    int analysisWindows() const;

    std::unique_ptr<FixtureProgramDir> m_fixture;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<TFrmmain> m_window;
};

void MainWindowTest::initTestCase()
{
    m_fixture = std::make_unique<FixtureProgramDir>();
    QVERIFY(m_fixture->build({{QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "人物类"}})}}));
    // Without a settings file the start-up reports the missing skin value.
    QFile settings(m_fixture->path() + QStringLiteral("/teler.dll"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Self_Reg]\r\nskin=0\r\ntite=\r\n");
}

void MainWindowTest::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_window = std::make_unique<TFrmmain>();
    m_window->show();
}

void MainWindowTest::cleanup()
{
    delete FrmheartJx.data();
    m_window.reset();
    m_platform.reset();
}

int MainWindowTest::analysisWindows() const
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<TFrmheartJx *>(widget) ? 1 : 0;
    return count;
}

void MainWindowTest::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("N1") << "N1" << "打印设置(&S)" << QKeySequence();
    QTest::newRow("N5") << "N5" << "系统设置(&Z)" << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("N7") << "N7" << "退出系统(&E)" << QKeySequence();
    QTest::newRow("N8") << "N8" << "解梦传说(&N)" << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("N9") << "N9" << "周公解析(&X)" << QKeySequence(Qt::Key_F5);
    QTest::newRow("Q1") << "Q1" << "解梦全书(&Q)" << QKeySequence(QStringLiteral("Ctrl+Q"));
    QTest::newRow("N11") << "N11" << "手机测算(&S)" << QKeySequence();
    QTest::newRow("q2") << "q2" << "骨重分析(&Q)" << QKeySequence();
    QTest::newRow("X1") << "X1" << "星座配对(&X)" << QKeySequence();
    QTest::newRow("N15") << "N15" << "缘分测试(&Y)" << QKeySequence();
    QTest::newRow("R1") << "R1" << "经典日历(&R)" << QKeySequence();
    QTest::newRow("K1") << "K1" << "客户服务(&K)" << QKeySequence();
    QTest::newRow("H2") << "H2" << "系统帮助(&H)" << QKeySequence(Qt::Key_F1);
    QTest::newRow("G1") << "G1" << "关于系统(&Y)" << QKeySequence();
    QTest::newRow("N16") << "N16" << "公司主页" << QKeySequence();
}

void MainWindowTest::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    auto *item = m_window->findChild<QAction *>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), text);
    QCOMPARE(item->shortcut(), shortcut);
    QVERIFY(item->isVisible());
}

void MainWindowTest::hiddenItems()
{
    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, QStringList({"系统 (&S)", "测算(&C)", "服务(&W)", "帮助(&H)"}));
    int hidden = 0;
    for (QAction *item : m_window->findChildren<QAction *>()) {
        if (!item->isVisible() && !item->isSeparator()) {
            ++hidden;
            const QStringList expected = {"打印预览(&L)", "输出打印(&P)", "保存数据", "软件升级(&S)"};
            QVERIFY2(expected.contains(item->text()), qPrintable(item->text()));
        }
    }
    QCOMPARE(hidden, 4);
}

void MainWindowTest::commandTwiceGivesOneFreshWindow()
{
    m_window->N9Click();
    QPointer<TFrmheartJx> first = FrmheartJx.data();
    QVERIFY(first);
    first->EditCode->setText(QStringLiteral("旧的搜索"));
    action("N9")->trigger();
    QVERIFY(first.isNull());
    QVERIFY(FrmheartJx);
    QVERIFY(FrmheartJx->isVisible());
    QCOMPARE(FrmheartJx->EditCode->text(), QString());
    QCOMPARE(analysisWindows(), 1);
}

void MainWindowTest::buttonRunsMenuCommand()
{
    QTest::mouseClick(m_window->RzBitBtn2, Qt::LeftButton);
    QVERIFY(FrmheartJx);
    QCOMPARE(FrmheartJx->windowTitle(), QStringLiteral("周公解析"));
}

void MainWindowTest::homePageItemDoesNothing()
{
    const int windowsBefore = QApplication::topLevelWidgets().size();
    action("N16")->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(m_platform->opened.isEmpty());
    QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messages.value(0).text));
}

void MainWindowTest::help_data()
{
    QTest::addColumn<bool>("chm");
    QTest::addColumn<bool>("page");
    QTest::addColumn<QString>("opened");
    QTest::newRow("the help file where it lies") << true << true << "JMhelp.chm";
    QTest::newRow("our page without it") << false << true << "page";
    QTest::newRow("neither: a message") << false << false << "";
}

void MainWindowTest::help()
{
    QFETCH(bool, chm);
    QFETCH(bool, page);
    QFETCH(QString, opened);
    QTemporaryDir workingDir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDir.path()));
    if (chm)
        QVERIFY(QFile(QStringLiteral("JMhelp.chm")).open(QIODevice::WriteOnly));
    QDir(m_fixture->path()).mkpath(QStringLiteral("help"));
    QFile helpPage(helpPagePath());
    if (page)
        QVERIFY(helpPage.open(QIODevice::WriteOnly));
    else
        helpPage.remove();

    action("H2")->trigger();
    QDir::setCurrent(previous);
    if (opened.isEmpty()) {
        QVERIFY(m_platform->opened.isEmpty());
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages.at(0).text.startsWith(QStringLiteral("无法打开帮助页面：")));
        QCOMPARE(m_platform->messages.at(0).caption, QStringLiteral("提示"));
    } else {
        QCOMPARE(m_platform->opened, QStringList{opened == QLatin1String("page") ? helpPagePath() : opened});
        QVERIFY(m_platform->messages.isEmpty());
    }
}

void MainWindowTest::printerSetup()
{
    action("N1")->trigger();
    QCOMPARE(m_platform->printerSetups, 1);
    QVERIFY(m_platform->messages.isEmpty());
}

void MainWindowTest::windowsOpenWhereDesigned_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("designed"); // (-1, -1): centred on the desktop
    QTest::newRow("analysis") << "N9" << "FrmheartJx" << QPoint(403, 310);
    QTest::newRow("settings") << "N5" << "Frmshez" << QPoint(384, 246);
    QTest::newRow("about") << "G1" << "About" << QPoint(426, 337);
    QTest::newRow("pairing") << "X1" << "Frm_xzhuo" << QPoint(380, 260);
    QTest::newRow("customer service") << "K1" << "Frm_servers" << QPoint(-1, -1);
    QTest::newRow("phone number") << "N11" << "Frm_SJcs" << QPoint(-1, -1);
    QTest::newRow("bone weight") << "q2" << "Frmgzfx" << QPoint(-1, -1);
    QTest::newRow("love test") << "N15" << "frmlove" << QPoint(-1, -1);
    QTest::newRow("calendar") << "R1" << "FRM_Date" << QPoint(-1, -1);
}

// Each window keeps the place it had beside the main window on the desktop it
// was designed for, wherever the main window stands now.
void MainWindowTest::windowsOpenWhereDesigned()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QPoint, designed);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    action(qPrintable(command))->trigger();
    QWidget *opened = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == window && widget->isVisible())
            opened = widget;
    }
    QVERIFY(opened);
    if (designed == QPoint(-1, -1))
        designed = designedCentre(opened->frameGeometry().size());
    QCOMPARE(opened->pos() - m_window->pos(), designed - designedMainPosition);
    delete opened;
}

void MainWindowTest::bookCoversTheClientArea()
{
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    action("Q1")->trigger();
    QVERIFY(Frmbook && Frmbook->isVisible());
    const QRect client(m_window->RzPanel1->mapToGlobal(QPoint(0, 0)), m_window->RzPanel1->size());
    QCOMPARE(Frmbook->frameGeometry(), client);
    QCOMPARE(m_window->RzPanel1->x(), 0);
    delete Frmbook.data();
}

void MainWindowTest::buttonsInTabOrder()
{
    QCOMPARE(tabChain(m_window->RzBitBtn1, 13), (QList<QWidget *>{m_window->RzBitBtn1, m_window->RzBitBtn2, m_window->RzBitBtn3,
                                      m_window->RzBitBtn4, m_window->RzBitBtn5, m_window->RzBitBtn6,
                                      m_window->RzBitBtn7, m_window->RzBitBtn8, m_window->RzBitBtn9, m_window->RzBitBtn10,
                                      m_window->RzBitBtn11, m_window->RzBitBtn12, m_window->RzBitBtn13}));
}

void MainWindowTest::statusBar()
{
    QCOMPARE(m_window->StatusPanel0->text(), QStringLiteral("Korvane"));
    QCOMPARE(m_window->StatusPanel0->width(), 120);
    QVERIFY(m_window->StatusPanel1->text().startsWith(QStringLiteral("欢迎各位朋友使用本系统,联系邮箱: ")));
    QVERIFY(m_window->StatusPanel1->text().contains(QStringLiteral("  QQ: ")));
}

// The page help opens without "JMhelp.chm" shows every window, with pictures that exist.
void MainWindowTest::shippedHelpPage()
{
    QFile page(programDirPath(QStringLiteral("help/index.html")));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch &match : picture.globalMatch(html)) {
        ++pictures;
        const QString file = programDirPath(QStringLiteral("help/") + match.captured(1));
        QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    }
    QVERIFY(pictures >= 10);
    for (const char *window : {"梦境搜索", "周公解析", "解梦全书", "解梦传说", "经典日历", "手机测算", "骨重分析", "星座配对",
                               "缘分测试", "系统设置", "退出系统", "保存"})
        QVERIFY2(html.contains(QString::fromUtf8(window)), window);
}

void MainWindowTest::bannerComesFromTheInstalledSource()
{
    // Nothing installed: nothing fetched, the banner off and its picture shown.
    QCOMPARE(m_window->banner().BannerOn, 0);
    QVERIFY(m_window->Memo1->toPlainText().isEmpty());

    struct ScriptedSource final : BannerSource
    {
        int fetches = 0;
        BannerRotation::Received fetch() override
        {
            ++fetches;
            return {QByteArray("1>5>http://a.example/\r\n"), QByteArray("01"), QByteArray("01")};
        }
    } source;
    setBannerSource(&source);
    TFrmmain window;
    setBannerSource(nullptr);
    QCOMPARE(source.fetches, 1);
    QCOMPARE(window.banner().BannerOn, 1);
    QCOMPARE(window.Memo1->toPlainText(), QStringLiteral("1>5>http://a.example/\n"));
}

void MainWindowTest::databaseProblem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("readable") << "" << "";
    QTest::newRow("missing") << "missing" << "解梦数据文件无法读取：文件不存在";
    QTest::newRow("not a database") << "text" << "解梦数据文件无法读取：文件不是解梦数据库";
    QTest::newRow("truncated") << "truncated" << "解梦数据文件无法读取：文件已损坏";
    QTest::newRow("table missing") << "no titles" << "解梦数据文件无法读取：文件不完整，缺少数据表 JMTitles";
    QTest::newRow("locked") << "locked" << "解梦数据文件无法读取：文件正被其他程序锁定";
}

void MainWindowTest::databaseProblem()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    const QString database = m_fixture->databasePath();
    QTemporaryDir keep;
    const QString good = keep.filePath(QStringLiteral("good.dll"));
    QVERIFY(QFile::copy(database, good));
    std::optional<DatabaseLock> lock;
    const auto restore = qScopeGuard([&] {
        lock.reset();
        QFile::remove(database);
        QFile::copy(good, database);
    });
    if (kind == QLatin1String("locked"))
        lock.emplace(database);
    else if (!kind.isEmpty())
        QVERIFY(writeDamagedDatabase(kind, good, database));

    TFrmmain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (line.isEmpty()) {
        QVERIFY(!window.StatusPanel2);
    } else {
        QVERIFY(window.StatusPanel2);
        QCOMPARE(window.StatusPanel2->text(), line);
        QVERIFY(window.StatusPanel2->isVisible());
        // The whole line shows inside the bar, beside the maker's name, in the welcome line's place.
        QVERIFY(window.StatusPanel2->width() >= window.StatusPanel2->sizeHint().width());
        QVERIFY(window.StatusPanel2->geometry().right() < window.statusBar()->width());
        QVERIFY(window.StatusPanel2->x() > window.StatusPanel0->geometry().right());
        QVERIFY(window.StatusPanel0->isVisible());
        QVERIFY(!window.StatusPanel1->isVisible());
        QCOMPARE(window.StatusPanel2->toolTip(), database);
    }
    // The data windows stay silent, as ever.
    window.N9Click();
    QVERIFY(m_platform->messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
