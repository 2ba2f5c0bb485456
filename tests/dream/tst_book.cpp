#include "app/Untmain.h"
#include "data/GbkText.h"
#include "data/uShare.h"
#include "dream/DreamBook.h"
#include "dream/Untheart.h"
#include "support/Fixture.h"
#include "support/RecordingPlatform.h"
#include "widgets/GradientPanel.h"
#include "widgets/TextArea.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

class BookTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void buildsTheWholeTree();
    void nodeIcons();
    void failedTitleQueryKeepsWhatWasBuilt();
    void missingDatabaseIsSilent();
    void nothingShownBeforeAFirstClick();
    void clickingAnEntryShowsIt();
    void clickingACategory_data();
    void clickingACategory();
    void clickOnEmptySpaceWithoutSelection();
    void selectionChangesAfterAClick_data();
    void selectionChangesAfterAClick();
    void keyboardWalksTheEntries();
    void singleExpand();
    void unknownTitleEmptiesText();
    void saveProposesTitle_data();
    void saveProposesTitle();
    void saveWritesTextArea();
    void printPrintsTextArea();
    void closeRestoresHiddenParts();
    void mainWindowHidesAndRestores();

private:
    TFrmbook *openBook();
    QTreeWidgetItem *node(const QString &path) const;
    void click(QTreeWidgetItem *item);
    QStringList shown() const { return textAreaLines(m_book->RzMemo1); }

    std::unique_ptr<FixtureProgramDir> m_fixture;
    RecordingPlatform *m_platform = nullptr;
    QPointer<TFrmbook> m_book;
};

void BookTest::initTestCase()
{
    m_fixture = std::make_unique<FixtureProgramDir>();
    QVERIFY(m_fixture->build({
        {QStringLiteral("Tclass.tsv"),
         tsv({{"ZMID", "ZMCLASS"}, {"04", "植物类"}, {"01", "人物类"}, {"03", "空类"}, {"02", "动物类"}})},
        {QStringLiteral("JMTable.tsv"), tsv({{"CLASEID", "TITLE", "CONENT"},
                                             {"01", "父亲", "父亲的解析"},
                                             {"01", "a'b", "引号的解析"},
                                             {"01", "何事?", "问号的解析"},
                                             {"02", "蛇", "蛇的解析\\n第二行"},
                                             {"04", "花", "花的解析"},
                                             {"04", "空类", "同名条目的解析"}})},
    }));
    const QDir pictures(sourceTreePath(QStringLiteral("assets/pictures")));
    QVERIFY(QDir(m_fixture->path()).mkpath(QStringLiteral("pictures")));
    for (const QString &name : pictures.entryList({QStringLiteral("tree*.png")}, QDir::Files))
        QFile::copy(pictures.filePath(name), m_fixture->path() + QStringLiteral("/pictures/") + name);
}

void BookTest::cleanupTestCase()
{
    m_fixture.reset();
}

void BookTest::init()
{
    setAppPath(m_fixture->path());
    m_platform = new RecordingPlatform;
}

void BookTest::cleanup()
{
    delete m_book.data();
    delete m_platform;
    m_platform = nullptr;
}

TFrmbook *BookTest::openBook()
{
    m_book = new TFrmbook;
    m_book->show();
    if (!QTest::qWaitForWindowExposed(m_book.data()))
        qWarning("book window not exposed");
    return m_book.data();
}

QTreeWidgetItem *BookTest::node(const QString &path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    for (int i = 0; i < m_book->TreeView->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = m_book->TreeView->topLevelItem(i);
        if (top->text(0) != parts.at(0))
            continue;
        if (parts.size() == 1)
            return top;
        for (int j = 0; j < top->childCount(); ++j) {
            if (top->child(j)->text(0) == parts.at(1))
                return top->child(j);
        }
    }
    return nullptr;
}

void BookTest::click(QTreeWidgetItem *item)
{
    QVERIFY(item);
    if (item->parent() && !item->parent()->isExpanded())
        click(item->parent());
    m_book->TreeView->scrollToItem(item);
    QTest::mouseClick(m_book->TreeView->viewport(), Qt::LeftButton, {},
                      m_book->TreeView->visualItemRect(item).center());
}

void BookTest::buildsTheWholeTree()
{
    openBook();
    QTreeWidget *tree = m_book->findChild<QTreeWidget *>(QStringLiteral("TreeView"));
    QVERIFY(tree);
    QStringList categories;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        categories << tree->topLevelItem(i)->text(0);
        QVERIFY(!tree->topLevelItem(i)->isExpanded());
    }
    QCOMPARE(categories, QStringList({"人物类", "动物类", "空类", "植物类"}));
    QStringList people;
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
        people << tree->topLevelItem(0)->child(i)->text(0);
    people.sort();
    QCOMPARE(people, QStringList({"a'b", "何事?", "父亲"}));
    QCOMPARE(node(QStringLiteral("空类"))->childCount(), 0);
    QCOMPARE(node(QStringLiteral("植物类"))->childCount(), 2);
    QVERIFY(tree->selectedItems().isEmpty());
    QCOMPARE(m_book->focusWidget(), tree);
    QVERIFY(m_platform->messages.isEmpty());
}

void BookTest::nodeIcons()
{
    openBook();
    auto same = [this](QTreeWidgetItem *item, QIcon::Mode mode, int picture) {
        return item->icon(0).pixmap(16, 16, mode).toImage().convertToFormat(QImage::Format_ARGB32)
               == m_book->ImageList1.at(picture).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QVERIFY(!m_book->ImageList1.at(12).isNull());
    QTreeWidgetItem *category = node(QStringLiteral("人物类"));
    QTreeWidgetItem *entry = node(QStringLiteral("人物类/父亲"));
    QVERIFY(same(category, QIcon::Normal, 12));
    QVERIFY(same(category, QIcon::Selected, 13));
    QVERIFY(same(entry, QIcon::Normal, 15));
    QVERIFY(same(entry, QIcon::Selected, 16));
}

void BookTest::failedTitleQueryKeepsWhatWasBuilt()
{
    FixtureProgramDir broken;
    QVERIFY(broken.build({{QStringLiteral("Tclass.tsv"), tsv({{"ZMID", "ZMCLASS"}, {"01", "人物类"}, {"02", "动物类"}})},
                          {QStringLiteral("JMTable.tsv"), tsv({{"CLASEID", "TITLE", "CONENT"}, {"01", "父亲", "x"}})}}));
    QVERIFY(broken.execute(QStringLiteral("DROP VIEW JMTable")));
    openBook();
    QCOMPARE(m_book->TreeView->topLevelItemCount(), 1);
    QCOMPARE(m_book->TreeView->topLevelItem(0)->text(0), QStringLiteral("人物类"));
    QCOMPARE(m_book->TreeView->topLevelItem(0)->childCount(), 0);
    QVERIFY(m_platform->messages.isEmpty());

    Query categories, titles;
    categories.setConnectionString(GetConnStr());
    titles.setConnectionString(GetConnStr());
    QList<DreamBook::Category> book;
    QVERIFY(!DreamBook::load(categories, titles, book));
    QCOMPARE(book.size(), 1);
}

void BookTest::missingDatabaseIsSilent()
{
    QTemporaryDir empty;
    setAppPath(empty.path());
    openBook();
    QCOMPARE(m_book->TreeView->topLevelItemCount(), 0);
    QTest::mouseClick(m_book->TreeView->viewport(), Qt::LeftButton);
    QVERIFY(shown().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
    m_book->RzToolButton5->click();
    QTRY_VERIFY(m_book.isNull());
}

void BookTest::nothingShownBeforeAFirstClick()
{
    openBook();
    QTreeWidget *tree = m_book->TreeView;
    tree->setFocus();
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(tree, Qt::Key_Down);
        QVERIFY(shown().isEmpty());
    }
    QTest::keyClick(tree, Qt::Key_End);
    QTest::keyClick(tree, Qt::Key_Home);
    QVERIFY(!tree->selectedItems().isEmpty());
    QVERIFY(shown().isEmpty());
    QCOMPARE(m_book->currentTitle(), QString());
}

void BookTest::clickingAnEntryShowsIt()
{
    openBook();
    click(node(QStringLiteral("动物类/蛇")));
    QCOMPARE(shown(), QStringList({"蛇的解析", "第二行"}));
    QCOMPARE(m_book->currentTitle(), QStringLiteral("蛇"));
    click(node(QStringLiteral("人物类/a'b")));
    QCOMPARE(shown(), QStringList({"引号的解析"}));
    QCOMPARE(m_book->currentTitle(), QStringLiteral("a'b"));
}

void BookTest::clickingACategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("expanded");
    // A category with entries only opens; one without is looked up as a title.
    QTest::newRow("with entries") << "动物类" << QStringList() << QString() << true;
    QTest::newRow("without entries") << "空类" << QStringList({"同名条目的解析"}) << "空类" << false;
}

void BookTest::clickingACategory()
{
    QFETCH(QString, category);
    QFETCH(QStringList, text);
    QFETCH(QString, title);
    QFETCH(bool, expanded);
    openBook();
    click(node(category));
    QCOMPARE(shown(), text);
    QCOMPARE(m_book->currentTitle(), title);
    QCOMPARE(node(category)->isExpanded(), expanded);
}

void BookTest::clickOnEmptySpaceWithoutSelection()
{
    openBook();
    QTreeWidget *tree = m_book->TreeView;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(20, tree->viewport()->height() - 5));
    QVERIFY(tree->selectedItems().isEmpty());
    QVERIFY(shown().isEmpty());
    QCOMPARE(m_book->currentTitle(), QString());
}

void BookTest::selectionChangesAfterAClick_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("text");
    QTest::newRow("another entry") << "动物类/蛇" << QStringList({"蛇的解析", "第二行"});
    QTest::newRow("a quoted title") << "人物类/a'b" << QStringList({"引号的解析"});
    QTest::newRow("a category empties") << "动物类" << QStringList();
    QTest::newRow("an empty category as title") << "空类" << QStringList({"同名条目的解析"});
}

void BookTest::selectionChangesAfterAClick()
{
    QFETCH(QString, selected);
    QFETCH(QStringList, text);
    openBook();
    click(node(QStringLiteral("人物类/父亲")));
    QCOMPARE(shown(), QStringList({"父亲的解析"}));
    m_book->TreeView->setCurrentItem(node(selected));
    QCOMPARE(shown(), text);
    // Only a click sets the title offered when saving.
    QCOMPARE(m_book->currentTitle(), QStringLiteral("父亲"));
}

void BookTest::keyboardWalksTheEntries()
{
    openBook();
    const QMap<QString, QStringList> texts = {{"父亲", {"父亲的解析"}}, {"a'b", {"引号的解析"}}, {"何事?", {"问号的解析"}}};
    QTreeWidgetItem *people = node(QStringLiteral("人物类"));
    click(people->child(0));
    QTreeWidget *tree = m_book->TreeView;
    for (int i = 1; i < people->childCount(); ++i) {
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->selectedItems().value(0), people->child(i));
        QCOMPARE(shown(), texts.value(people->child(i)->text(0)));
    }
    QTest::keyClick(tree, Qt::Key_Home);
    QCOMPARE(tree->selectedItems().value(0), people);
    QVERIFY(shown().isEmpty());
}

void BookTest::singleExpand()
{
    openBook();
    click(node(QStringLiteral("人物类")));
    QVERIFY(node(QStringLiteral("人物类"))->isExpanded());
    click(node(QStringLiteral("人物类/父亲")));
    QVERIFY(node(QStringLiteral("人物类"))->isExpanded());
    click(node(QStringLiteral("植物类")));
    QVERIFY(node(QStringLiteral("植物类"))->isExpanded());
    QVERIFY(!node(QStringLiteral("人物类"))->isExpanded());
    // Moving down from a category's last entry opens the next one and closes this one.
    click(node(QStringLiteral("动物类/蛇")));
    QVERIFY(!node(QStringLiteral("植物类"))->isExpanded());
    QTest::keyClick(m_book->TreeView, Qt::Key_Down);
    QCOMPARE(m_book->TreeView->selectedItems().value(0), node(QStringLiteral("空类")));
    QVERIFY(!node(QStringLiteral("动物类"))->isExpanded());
}

void BookTest::unknownTitleEmptiesText()
{
    openBook();
    click(node(QStringLiteral("人物类/父亲")));
    QVERIFY(!shown().isEmpty());
    m_book->ShowMomeDate(QStringLiteral("没有这一条"));
    QVERIFY(shown().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void BookTest::saveProposesTitle_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("plain title") << "人物类/父亲" << "父亲";
    QTest::newRow("question mark") << "人物类/何事?" << "*.txt";
    QTest::newRow("nothing clicked") << QString() << QString();
}

void BookTest::saveProposesTitle()
{
    QFETCH(QString, entry);
    QFETCH(QString, proposed);
    openBook();
    if (!entry.isEmpty())
        click(node(entry));
    m_book->findChild<QToolButton *>(QStringLiteral("RzToolButton3"))->click();
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QCOMPARE(m_platform->saveRequests.at(0).caption, QStringLiteral("保存"));
    QCOMPARE(m_platform->saveRequests.at(0).proposedName, proposed);
    QCOMPARE(m_platform->saveRequests.at(0).filter, QStringLiteral("文本文件|*.txt"));
}

void BookTest::saveWritesTextArea()
{
    QTemporaryDir dir;
    openBook();
    click(node(QStringLiteral("动物类/蛇")));
    m_platform->saveAnswers << dir.filePath(QStringLiteral("梦.txt"));
    m_book->RzToolButton3->click();
    QFile file(dir.filePath(QStringLiteral("梦.txt.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), toGbk(QStringLiteral("蛇的解析\r\n第二行\r\n")));
}

void BookTest::printPrintsTextArea()
{
    openBook();
    click(node(QStringLiteral("动物类/蛇")));
    m_book->RzToolButton4->click();
    QCOMPARE(m_platform->printed, QStringList({QStringLiteral("蛇的解析\n第二行\n")}));
}

void BookTest::closeRestoresHiddenParts()
{
    QWidget host;
    auto *panel = new QWidget(&host);
    auto *picture = new QLabel(&host);
    host.show();
    panel->hide();
    picture->hide();
    Frmbook = openBook();
    m_book->setHiddenParts(panel, picture);
    m_book->RzToolButton5->click();
    QVERIFY(Frmbook.isNull());
    QVERIFY(!panel->isHidden());
    QVERIFY(!picture->isHidden());
    QTRY_VERIFY(m_book.isNull());
}

void BookTest::mainWindowHidesAndRestores()
{
    TFrmmain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.Q1Click();
    QPointer<TFrmbook> first = Frmbook;
    QVERIFY(first && first->isVisible());
    QVERIFY(main.Paneleft->isHidden());
    QVERIFY(main.Image1->isHidden());

    // A second command replaces the book; the parts stay hidden meanwhile.
    main.Q1Click();
    QVERIFY(first.isNull());
    QVERIFY(Frmbook && Frmbook->isVisible());
    QVERIFY(main.Paneleft->isHidden());
    QVERIFY(main.Image1->isHidden());

    Frmbook->close();
    QVERIFY(Frmbook.isNull());
    QVERIFY(main.Paneleft->isVisible());
    QVERIFY(main.Image1->isVisible());
}

QTEST_MAIN(BookTest)
#include "tst_book.moc"
