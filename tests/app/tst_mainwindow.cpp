#include "app/BannerFetch.h"
#include "app/Untmain.h"
#include "dream/Unthearjx.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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
    void helpAndPrinterSetup();
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

void MainWindowTest::helpAndPrinterSetup()
{
    action("H2")->trigger();
    QCOMPARE(m_platform->opened, QStringList({"JMhelp.chm"}));
    action("N1")->trigger();
    QCOMPARE(m_platform->printerSetups, 1);
    QVERIFY(m_platform->messages.isEmpty());
}

void MainWindowTest::statusBar()
{
    QCOMPARE(m_window->StatusPanel0->text(), QStringLiteral("Korvane"));
    QCOMPARE(m_window->StatusPanel0->width(), 120);
    QVERIFY(m_window->StatusPanel1->text().startsWith(QStringLiteral("欢迎各位朋友使用本系统,联系邮箱: ")));
    QVERIFY(m_window->StatusPanel1->text().contains(QStringLiteral("  QQ: ")));
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
