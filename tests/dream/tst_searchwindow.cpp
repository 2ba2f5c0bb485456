#include "app/Untmain.h"
#include "data/GbkText.h"
#include "dream/DreamSearchWindow.h"
#include "dream/SearchStore.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include <sqlite3.h>

#include <memory>

class SearchWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void typingShowsRankedResults();
    void keyboardMovesAndOpens();
    void descriptionMarksItsWords();
    void nothingFoundSuggests();
    void relatedDreamsOpen();
    void favouritesAreKept();
    void historyReopensASearch();
    void saveAndPrintTheReading();
    void unusableHistory_data();
    void unusableHistory();
    void missingDatabase();
    void everyCaptionIsChinese();
    void mainWindowOpensOneWindow();

private:
    DreamSearchWindow *openWindow(const QString &storePath = QString());
    template <class T>
    T *child(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void search(const QString &text);
    QStringList resultTitles() const;
    QString hrefOf(const QLabel *label, const QString &text) const;
    QStringList markedWords() const;

    std::unique_ptr<FixtureProgramDir> m_fixture;
    std::unique_ptr<RecordingPlatform> m_platform;
    QTemporaryDir m_storeDir;
    QString m_storePath;
    DreamSearchWindow *m_window = nullptr;
};

namespace {

// Types text as key presses (QTest's key clicks know ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

void SearchWindowTest::initTestCase()
{
    // Windows the main window opens keep their history in the test area, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    m_fixture = std::make_unique<FixtureProgramDir>();
    QVERIFY2(m_fixture->build({
                 {QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "动物类"}, {"02", "身体类"}})},
                 {QStringLiteral("JMTable.tsv"),
                  tsv({{"CLASEID", "TITLE", "CONENT"},
                       {"01", "蛇", "梦见蛇，吉凶要看蛇的颜色。\\n第二段。"},
                       {"01", "白蛇", "梦见白蛇缠身，多有贵人相助；白蛇越大，助力越大。"},
                       {"01", "被蛇咬", "被蛇咬的梦提醒你留心小人。"},
                       {"02", "掉牙", "掉牙的梦常与长辈相连。"},
                       {"02", "腿", "梦见腿脚有力，说明事情进展顺利。"}})},
                 {QStringLiteral("aliases.tsv"), tsv({{"ALIAS", "TITLE"}, {"牙掉了", "掉牙"}})},
             }),
             qPrintable(m_fixture->errors.join('\n')));
}

void SearchWindowTest::cleanupTestCase()
{
    QFile::remove(SearchStore::defaultPath());
    QDir().rmdir(QFileInfo(SearchStore::defaultPath()).path());
}

void SearchWindowTest::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_storePath = m_storeDir.filePath(QStringLiteral("%1-%2.sqlite")
                                          .arg(QLatin1String(QTest::currentTestFunction()),
                                               QString::fromUtf8(QTest::currentDataTag()).replace(' ', '-')));
}

void SearchWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_platform.reset();
}

DreamSearchWindow *SearchWindowTest::openWindow(const QString &storePath)
{
    delete m_window;
    m_window = new DreamSearchWindow(nullptr, storePath.isEmpty() ? m_storePath : storePath);
    m_window->show();
    return m_window;
}

void SearchWindowTest::search(const QString &text)
{
    child<QLineEdit>("EditSearch")->setText(text);
    m_window->SearchNow();
}

QStringList SearchWindowTest::resultTitles() const
{
    const auto *list = m_window->findChild<QTreeWidget *>(QStringLiteral("ListResults"));
    QStringList titles;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        titles << list->topLevelItem(i)->text(0);
    return titles;
}

QString SearchWindowTest::hrefOf(const QLabel *label, const QString &text) const
{
    const QRegularExpression anchor(QStringLiteral("<a href=\"([^\"]+)\">%1</a>").arg(QRegularExpression::escape(text)));
    return anchor.match(label->text()).captured(1);
}

QStringList SearchWindowTest::markedWords() const
{
    QStringList words;
    for (const QTextEdit::ExtraSelection &mark : m_window->findChild<QTextEdit *>(QStringLiteral("TextReading"))->extraSelections())
        words << mark.cursor.selectedText();
    return words;
}

void SearchWindowTest::typingShowsRankedResults()
{
    openWindow();
    typeText(child<QLineEdit>("EditSearch"), QStringLiteral("梦见蛇"));
    // The search waits for a pause in typing, then answers without a key press.
    QTRY_COMPARE(resultTitles().value(0), QStringLiteral("蛇"));
    QCOMPARE(resultTitles().mid(0, 3), (QStringList{"蛇", "白蛇", "被蛇咬"}));
    const QTreeWidgetItem *first = child<QTreeWidget>("ListResults")->topLevelItem(0);
    QCOMPARE(first->text(1), QStringLiteral("动物类"));
    QVERIFY(first->text(2).contains(QStringLiteral("吉凶")));
    QVERIFY(!first->text(2).contains(QLatin1Char('\n')));
    QVERIFY(child<QLabel>("LabelStatus")->text().contains(QString::number(resultTitles().size())));
    QVERIFY(child<QLabel>("LabelTitle")->text().isEmpty());
}

void SearchWindowTest::keyboardMovesAndOpens()
{
    openWindow();
    auto *edit = child<QLineEdit>("EditSearch");
    auto *list = child<QTreeWidget>("ListResults");
    search(QStringLiteral("蛇"));
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 0);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 2);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 1);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 0);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("白蛇"));
    QCOMPARE(child<QLabel>("LabelCategory")->text(), QStringLiteral("（动物类）"));
    QVERIFY(child<QTextEdit>("TextReading")->toPlainText().startsWith(QStringLiteral("梦见白蛇缠身")));
    QVERIFY(child<QListWidget>("ListHistory")->item(0)->text().startsWith(QStringLiteral("蛇")));
    QVERIFY(edit->hasFocus() || !m_window->isActiveWindow());

    // Esc clears the line and the list, not the reading.
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(list->topLevelItemCount(), 0);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("白蛇"));
    // Enter before the pause runs the search at once.
    typeText(edit, QStringLiteral("牙掉了"));
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("掉牙"));
}

void SearchWindowTest::descriptionMarksItsWords()
{
    openWindow();
    search(QStringLiteral("昨晚梦到一条白蛇咬住我的腿"));
    QCOMPARE(resultTitles().mid(0, 2), (QStringList{"白蛇", "腿"}));
    QTest::keyClick(child<QLineEdit>("EditSearch"), Qt::Key_Return);
    const QStringList marked = markedWords();
    QCOMPARE(marked.count(QStringLiteral("白蛇")), 2);
    QVERIFY(!marked.contains(QStringLiteral("咬住")));
}

void SearchWindowTest::nothingFoundSuggests()
{
    openWindow();
    search(QStringLiteral("梦见白猫"));
    auto *stack = child<QStackedWidget>("StackResults");
    auto *label = child<QLabel>("LabelNotFound");
    QCOMPARE(stack->currentWidget(), child<QWidget>("PageNotFound"));
    QVERIFY(label->text().contains(QStringLiteral("梦见白猫")));
    QVERIFY(m_platform->messages.isEmpty());

    const QString suggestion = hrefOf(label, QStringLiteral("白蛇"));
    QVERIFY2(!suggestion.isEmpty(), qPrintable(label->text()));
    emit label->linkActivated(suggestion);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("白蛇"));

    const QString category = hrefOf(label, QStringLiteral("身体类"));
    QVERIFY(!category.isEmpty());
    emit label->linkActivated(category);
    QCOMPARE(stack->currentWidget(), child<QWidget>("PageResults"));
    QCOMPARE(resultTitles(), (QStringList{"掉牙", "腿"}));
    // Browsing a category is no search to remember.
    emit child<QTreeWidget>("ListResults")->itemClicked(child<QTreeWidget>("ListResults")->topLevelItem(1), 0);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("腿"));
    QCOMPARE(child<QListWidget>("ListHistory")->count(), 0);
}

void SearchWindowTest::relatedDreamsOpen()
{
    openWindow();
    search(QStringLiteral("白蛇"));
    m_window->OpenSelected();
    auto *related = child<QLabel>("LabelRelated");
    QVERIFY(related->isVisible());
    const QString snake = hrefOf(related, QStringLiteral("蛇"));
    QVERIFY2(!snake.isEmpty(), qPrintable(related->text()));
    QVERIFY(hrefOf(related, QStringLiteral("白蛇")).isEmpty());
    emit related->linkActivated(snake);
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("蛇"));
    QVERIFY(markedWords().isEmpty());
}

void SearchWindowTest::favouritesAreKept()
{
    openWindow();
    auto *star = child<QPushButton>("BtnFavourite");
    QVERIFY(!star->isEnabled());
    search(QStringLiteral("白蛇"));
    m_window->OpenSelected();
    QVERIFY(star->isEnabled());
    star->click();
    QVERIFY(star->isChecked());
    QCOMPARE(star->text(), QStringLiteral("★ 已收藏"));
    QCOMPARE(child<QListWidget>("ListFavourites")->item(0)->text(), QStringLiteral("白蛇"));

    openWindow();
    auto *favourites = child<QListWidget>("ListFavourites");
    QCOMPARE(favourites->count(), 1);
    emit favourites->itemClicked(favourites->item(0));
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("白蛇"));
    QVERIFY(child<QPushButton>("BtnFavourite")->isChecked());
    child<QPushButton>("BtnClearFavourites")->click();
    QCOMPARE(favourites->count(), 0);
    QVERIFY(!child<QPushButton>("BtnFavourite")->isChecked());
}

void SearchWindowTest::historyReopensASearch()
{
    openWindow();
    search(QStringLiteral("梦见被蛇咬了"));
    m_window->OpenSelected();
    search(QStringLiteral("牙掉了"));
    m_window->OpenSelected();

    openWindow();
    auto *history = child<QListWidget>("ListHistory");
    QCOMPARE(history->count(), 2);
    QVERIFY(history->item(0)->text().startsWith(QStringLiteral("牙掉了")));
    emit history->itemClicked(history->item(1));
    QCOMPARE(child<QLineEdit>("EditSearch")->text(), QStringLiteral("梦见被蛇咬了"));
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("被蛇咬"));
    QVERIFY(markedWords().contains(QStringLiteral("被蛇咬")));
    child<QPushButton>("BtnClearHistory")->click();
    QCOMPARE(history->count(), 0);
    QVERIFY(SearchStore(m_storePath).history().isEmpty());
}

void SearchWindowTest::saveAndPrintTheReading()
{
    openWindow();
    search(QStringLiteral("蛇"));
    m_window->OpenSelected();
    QTemporaryDir dir;
    m_platform->saveAnswers << dir.filePath(QStringLiteral("梦"));
    child<QPushButton>("BtnSave")->click();
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QCOMPARE(m_platform->saveRequests.first().proposedName, QStringLiteral("蛇"));
    QFile saved(dir.filePath(QStringLiteral("梦.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(fromGbk(saved.readAll()), QStringLiteral("蛇\r\n\r\n梦见蛇，吉凶要看蛇的颜色。\r\n第二段。\r\n"));

    child<QPushButton>("BtnPrint")->click();
    QCOMPARE(m_platform->printed.size(), 1);
    QVERIFY(m_platform->printed.first().contains(QStringLiteral("第二段。")));
}

void SearchWindowTest::unusableHistory_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("locked") << "locked";
    QTest::newRow("not a file") << "folder";
}

void SearchWindowTest::unusableHistory()
{
    QFETCH(QString, kind);
    sqlite3 *locker = nullptr;
    if (kind == QLatin1String("damaged")) {
        QFile file(m_storePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x01'));
    } else if (kind == QLatin1String("locked")) {
        SearchStore(m_storePath).addSearch(QStringLiteral("蛇"), QStringLiteral("蛇"));
        sqlite3_open(QFile::encodeName(m_storePath).constData(), &locker);
        QCOMPARE(sqlite3_exec(locker, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
        QVERIFY(QDir().mkpath(m_storePath));
    }
    openWindow();
    auto *status = child<QLabel>("LabelStatus");
    QVERIFY2(status->text().contains(QStringLiteral("搜索历史")), qPrintable(status->text()));
    search(QStringLiteral("白蛇"));
    QCOMPARE(resultTitles().value(0), QStringLiteral("白蛇"));
    m_window->OpenSelected();
    QCOMPARE(child<QLabel>("LabelTitle")->text(), QStringLiteral("白蛇"));
    QVERIFY(!child<QPushButton>("BtnFavourite")->isEnabled());
    // Said once: the next searches report their results only.
    search(QStringLiteral("蛇"));
    m_window->OpenSelected();
    QVERIFY(!status->text().contains(QStringLiteral("搜索历史")));
    QCOMPARE(child<QListWidget>("ListHistory")->count(), 0);
    QVERIFY(m_platform->messages.isEmpty());
    sqlite3_close(locker);
}

void SearchWindowTest::missingDatabase()
{
    FixtureProgramDir empty;
    openWindow();
    QVERIFY(child<QLabel>("LabelStatus")->text().contains(QStringLiteral("无法读取")));
    search(QStringLiteral("白蛇"));
    QVERIFY(resultTitles().isEmpty());
    QVERIFY(child<QLabel>("LabelStatus")->text().contains(QStringLiteral("无法读取")));
    QVERIFY(m_platform->messages.isEmpty());
    delete m_window;
    m_window = nullptr;
}

void SearchWindowTest::everyCaptionIsChinese()
{
    openWindow();
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QVERIFY(m_window->windowTitle() == QStringLiteral("梦境搜索"));
    QVERIFY(child<QLineEdit>("EditSearch")->placeholderText() == QStringLiteral("输入梦到的内容，例如：梦见白蛇缠住我的腿"));
    for (const QPushButton *button : m_window->findChildren<QPushButton *>())
        QVERIFY2(button->text().contains(han), qPrintable(button->objectName()));
    const auto *tabs = child<QTabWidget>("TabSide");
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->tabText(i).contains(han));
    const QTreeWidgetItem *header = child<QTreeWidget>("ListResults")->headerItem();
    for (int c = 0; c < header->columnCount(); ++c)
        QVERIFY(header->text(c).contains(han));
}

void SearchWindowTest::mainWindowOpensOneWindow()
{
    QFile settings(m_fixture->path() + QStringLiteral("/teler.dll"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Self_Reg]\r\nskin=0\r\ntite=\r\n");
    settings.close();
    TFrmmain main;
    main.show();
    QCOMPARE(main.RzBitBtn9->geometry(), QRect(3, 306, 80, 76));
    QCOMPARE(main.RzBitBtn9->text(), QStringLiteral("梦境搜索"));
    QVERIFY(QFile::exists(programDirPath(QStringLiteral("pictures/cmd14.png"))));
    QCOMPARE(main.RzBitBtn8->nextInFocusChain(), main.RzBitBtn9);
    QCOMPARE(main.RzBitBtn9->nextInFocusChain(), main.RzBitBtn10);

    auto *item = main.findChild<QAction *>(QStringLiteral("N17"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("梦境搜索(&F)"));
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    const QList<QAction *> reckon = main.findChild<QMenu *>(QStringLiteral("C1"))->actions();
    QCOMPARE(reckon.indexOf(item), reckon.indexOf(main.findChild<QAction *>(QStringLiteral("Q1"))) + 1);

    main.RzBitBtn9->click();
    QPointer<DreamSearchWindow> first = FrmDreamSearch;
    QVERIFY(first && first->isVisible());
    item->trigger();
    QVERIFY(!first);
    QVERIFY(FrmDreamSearch && FrmDreamSearch->isVisible());
    int windows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows += qobject_cast<DreamSearchWindow *>(widget) ? 1 : 0;
    QCOMPARE(windows, 1);
    FrmDreamSearch->close();
    QVERIFY(!FrmDreamSearch);
}

QTEST_MAIN(SearchWindowTest)
#include "tst_searchwindow.moc"
