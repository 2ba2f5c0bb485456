#include "data/GbkText.h"
#include "dream/Unthearjx.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"
#include "support/TabChain.h"
#include "widgets/TextArea.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class AnalysisTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsCategoriesInCodeOrder();
    void leavingCategoryFillsEntries();
    void leavingUnknownOrEmptyCategory();
    void pickingAnEntryShowsIt();
    void search_data();
    void search();
    void manyMatchesAreCountedFirst();
    void notFound();
    void blankSearchDoesNothing();
    void exactSearchOfDuplicateTitleShowsOne();
    void saveProposesTitle_data();
    void saveProposesTitle();
    void saveWritesTextArea();
    void printPrintsTextArea();
    void closeClearsReference();
    void missingDatabaseIsSilent();
    void focusAndTabOrder();

private:
    TFrmheartJx *openWindow();
    void search(const QString &text, bool exact);
    QStringList shownLines() const { return textAreaLines(m_window->RzMemo1); }

    std::unique_ptr<FixtureProgramDir> m_fixture;
    RecordingPlatform *m_platform = nullptr;
    TFrmheartJx *m_window = nullptr;
};

void AnalysisTest::initTestCase()
{
    m_fixture = std::make_unique<FixtureProgramDir>();
    QList<QStringList> entries = {{"CLASEID", "TITLE", "CONENT"},
                                  {"02", "蛇", "蛇的解析"},
                                  {"02", "白蛇", "白蛇的解析\\n第二行"},
                                  {"01", "老师", "老师的解析"},
                                  {"01", "a'b", "引号的解析"}};
    for (int i = 1; i <= 12; ++i)
        entries.append({"03", QStringLiteral("花%1").arg(i), QStringLiteral("第%1种花").arg(i)});
    QVERIFY(m_fixture->build({
        {QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"03", "植物类"}, {"01", "人物类"}, {"02", "动物类"},
                                            {"04", "空类"}})},
        {QStringLiteral("JMTable.tsv"), tsv(entries)},
    }));
}

void AnalysisTest::init()
{
    m_platform = new RecordingPlatform;
}

void AnalysisTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_platform;
    m_platform = nullptr;
}

TFrmheartJx *AnalysisTest::openWindow()
{
    m_window = new TFrmheartJx;
    m_window->show();
    return m_window;
}

void AnalysisTest::search(const QString &text, bool exact)
{
    m_window->EditCode->setText(text);
    (exact ? m_window->RzRadioButton1 : m_window->RzRadioButton2)->setChecked(true);
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("RzBitBtn1")), Qt::LeftButton);
}

void AnalysisTest::listsCategoriesInCodeOrder()
{
    openWindow();
    auto *combo = m_window->findChild<QComboBox *>(QStringLiteral("ComboBoxDL"));
    QVERIFY(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, QStringList({"人物类", "动物类", "植物类", "空类"}));
    QCOMPARE(combo->currentText(), QString());
    QVERIFY(m_window->RzRadioButton1->isChecked());
    QVERIFY(m_platform->messages.isEmpty());
}

void AnalysisTest::leavingCategoryFillsEntries()
{
    openWindow();
    m_window->ComboBoxDL->setEditText(QStringLiteral(" 动物类 "));
    m_window->ComboBoxDLExit();
    QCOMPARE(m_window->ComboBoxXX->count(), 2);
    QStringList titles = {m_window->ComboBoxXX->itemText(0), m_window->ComboBoxXX->itemText(1)};
    titles.sort();
    QCOMPARE(titles, QStringList({"白蛇", "蛇"}));
}

void AnalysisTest::leavingUnknownOrEmptyCategory()
{
    openWindow();
    m_window->ComboBoxDL->setEditText(QStringLiteral("动物类"));
    m_window->ComboBoxDLExit();
    m_window->ComboBoxXX->setEditText(QStringLiteral("蛇"));

    // Leaving while empty leaves the entry list as it was.
    m_window->ComboBoxDL->setEditText(QString());
    m_window->ComboBoxDLExit();
    QCOMPARE(m_window->ComboBoxXX->count(), 2);

    // A name that is no category empties the items; the shown text stays.
    m_window->ComboBoxDL->setEditText(QStringLiteral("没有这类"));
    m_window->ComboBoxDLExit();
    QCOMPARE(m_window->ComboBoxXX->count(), 0);
    QCOMPARE(m_window->ComboBoxXX->currentText(), QStringLiteral("蛇"));
    QVERIFY(m_platform->messages.isEmpty());
}

void AnalysisTest::pickingAnEntryShowsIt()
{
    openWindow();
    m_window->ComboBoxDL->setEditText(QStringLiteral("动物类"));
    m_window->ComboBoxDLExit();
    m_window->RzRadioButton2->setChecked(true);
    m_window->EditCode->setText(QStringLiteral("别的"));
    const int index = m_window->ComboBoxXX->findText(QStringLiteral("白蛇"));
    m_window->ComboBoxXX->setCurrentIndex(index);
    emit m_window->ComboBoxXX->activated(index);
    QCOMPARE(shownLines(), QStringList({"白蛇的解析", "第二行"}));
    QCOMPARE(m_window->currentTitle(), QStringLiteral("白蛇"));
    QCOMPARE(m_window->EditCode->text(), QStringLiteral("别的"));
    QVERIFY(m_window->RzRadioButton2->isChecked());
}

void AnalysisTest::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("exact shows text only") << " 蛇 " << true << QStringList({"蛇的解析"});
    QTest::newRow("exact is case and quote safe") << "a'b" << true << QStringList({"引号的解析"});
    QTest::newRow("one substring match") << "老" << false << QStringList({"老师", "", "老师的解析", ""});
    QTest::newRow("quote in substring") << "'" << false << QStringList({"a'b", "", "引号的解析", ""});
}

void AnalysisTest::search()
{
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QFETCH(QStringList, lines);
    openWindow();
    search(text, exact);
    QCOMPARE(shownLines(), lines);
    QCOMPARE(m_window->currentTitle(), text.trimmed());
    QVERIFY(m_platform->messages.isEmpty());
}

void AnalysisTest::manyMatchesAreCountedFirst()
{
    openWindow();
    setTextAreaLines(m_window->RzMemo1, {QStringLiteral("旧内容")});
    QStringList linesWhenCounted = {QStringLiteral("not called")};
    m_platform->onMessage = [&](const RecordingPlatform::Message &) { linesWhenCounted = shownLines(); };
    search(QStringLiteral("花"), false);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("共找到12记录！"));
    QCOMPARE(m_platform->messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(m_platform->messages[0].icon, MessageIcon::Information);
    QCOMPARE(linesWhenCounted, QStringList());
    const QStringList lines = shownLines();
    // 12 entries of title, blank, text, blank, with a blank between entries.
    QCOMPARE(lines.size(), 12 * 4 + 11);
    QCOMPARE(lines.count(QString()), 12 * 2 + 11);
    QVERIFY(lines.first().startsWith(QStringLiteral("花")));
    QCOMPARE(lines.last(), QString());
}

void AnalysisTest::notFound()
{
    openWindow();
    setTextAreaLines(m_window->RzMemo1, {QStringLiteral("旧内容")});
    search(QStringLiteral("不存在的梦"), false);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("没有找到结果，请输入较准确的内容。\r也可以在解梦大类和解梦细项帮你找到\r"
                            "相关解析，或者也可以通过解梦全\r书找你想要的结果。"));
    QCOMPARE(shownLines(), QStringList());
}

void AnalysisTest::blankSearchDoesNothing()
{
    openWindow();
    search(QStringLiteral("蛇"), true);
    search(QStringLiteral(" \t "), false);
    QCOMPARE(shownLines(), QStringList({"蛇的解析"}));
    QCOMPARE(m_window->currentTitle(), QStringLiteral("蛇"));
    QVERIFY(m_platform->messages.isEmpty());
}

void AnalysisTest::exactSearchOfDuplicateTitleShowsOne()
{
    FixtureProgramDir fixture;
    QVERIFY(fixture.build({{QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "类"}})},
                           {QStringLiteral("JMTable.tsv"), tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "梦", "甲"}})}}));
    // The builder refuses duplicate titles, so the second copy is added by hand.
    QVERIFY(fixture.execute(QStringLiteral("insert into JMTitles (TITLE, CLASEID) select TITLE, CLASEID from JMTitles;"
                                           "insert into JMTexts (CONENT) select CONENT from JMTexts")));
    openWindow();
    search(QStringLiteral("梦"), true);
    QCOMPARE(shownLines(), QStringList({"甲"}));
    search(QStringLiteral("梦"), false);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("共找到2记录！"));
}

void AnalysisTest::saveProposesTitle_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("nothing searched") << QString() << QString();
    QTest::newRow("title") << "蛇" << "蛇";
    QTest::newRow("slash") << "a/b" << "*.txt";
}

void AnalysisTest::saveProposesTitle()
{
    QFETCH(QString, searched);
    QFETCH(QString, proposed);
    openWindow();
    if (!searched.isEmpty())
        search(searched, true);
    m_platform->messages.clear();
    QTest::mouseClick(m_window->RzBitBtn2, Qt::LeftButton);
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QCOMPARE(m_platform->saveRequests[0].caption, QStringLiteral("保存"));
    QCOMPARE(m_platform->saveRequests[0].proposedName, proposed);
    QCOMPARE(m_platform->saveRequests[0].filter, QStringLiteral("文本文件|*.txt"));
}

void AnalysisTest::saveWritesTextArea()
{
    QTemporaryDir dir;
    openWindow();
    search(QStringLiteral("白"), false);
    m_platform->saveAnswers << dir.filePath(QStringLiteral("梦.txt"));
    QTest::mouseClick(m_window->RzBitBtn2, Qt::LeftButton);
    QFile file(dir.filePath(QStringLiteral("梦.txt.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), toGbk(QStringLiteral("白蛇\r\n\r\n白蛇的解析\r\n第二行\r\n\r\n")));
}

void AnalysisTest::printPrintsTextArea()
{
    openWindow();
    search(QStringLiteral("蛇"), true);
    QTest::mouseClick(m_window->RzBitBtn3, Qt::LeftButton);
    QCOMPARE(m_platform->printed.size(), 1);
    QVERIFY(m_platform->printed[0].contains(QStringLiteral("蛇的解析")));
}

void AnalysisTest::closeClearsReference()
{
    FrmheartJx = new TFrmheartJx;
    FrmheartJx->show();
    QPointer<TFrmheartJx> watcher = FrmheartJx.data();
    QTest::mouseClick(watcher->RzBitBtn4, Qt::LeftButton);
    QVERIFY(FrmheartJx.isNull());
    QTRY_VERIFY(watcher.isNull());
}

void AnalysisTest::missingDatabaseIsSilent()
{
    QFile::rename(m_fixture->databasePath(), m_fixture->databasePath() + QStringLiteral(".away"));
    openWindow();
    setTextAreaLines(m_window->RzMemo1, {QStringLiteral("旧内容")});
    QCOMPARE(m_window->ComboBoxDL->count(), 0);
    m_window->ComboBoxDL->setEditText(QStringLiteral("动物类"));
    m_window->ComboBoxDLExit();
    search(QStringLiteral("蛇"), true);
    search(QStringLiteral("蛇"), false);
    QCOMPARE(m_window->ComboBoxXX->count(), 0);
    QCOMPARE(shownLines(), QStringList({"旧内容"}));
    QVERIFY(m_platform->messages.isEmpty());
    QFile::rename(m_fixture->databasePath() + QStringLiteral(".away"), m_fixture->databasePath());
}

// The text area has the focus when the window opens; Tab goes on through the band.
void AnalysisTest::focusAndTabOrder()
{
    openWindow();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), m_window->RzMemo1);
    QCOMPARE(tabChain(m_window->RzMemo1, 10),
             (QList<QWidget *>{m_window->RzMemo1, m_window->ComboBoxDL, m_window->ComboBoxXX, m_window->EditCode,
                               m_window->RzBitBtn1, m_window->RzBitBtn2, m_window->RzBitBtn3, m_window->RzBitBtn4,
                               m_window->RzRadioButton1, m_window->RzRadioButton2}));
    // No button is the default: Enter in the search text does not search.
    m_window->EditCode->setText(QStringLiteral("蛇"));
    m_window->EditCode->setFocus();
    QTest::keyClick(m_window->EditCode, Qt::Key_Return);
    QVERIFY(shownLines().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

QTEST_MAIN(AnalysisTest)
#include "tst_analysis.moc"
