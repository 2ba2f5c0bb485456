#include "dream/SearchStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <unistd.h>

class SearchStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void historyKeepsTheLastSearches();
    void favourites();
    void keptBetweenRuns();
    void unusableFile_data();
    void unusableFile();
    void lockedWhileInUse();

private:
    QTemporaryDir m_dir;
};

namespace {

// Holds an exclusive lock on a database file while it lives.
class Locker
{
public:
    explicit Locker(const QString &path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &m_db);
        m_locked = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~Locker() { sqlite3_close(m_db); }
    bool locked() const { return m_locked; }

private:
    sqlite3 *m_db = nullptr;
    bool m_locked = false;
};

} // namespace

void SearchStoreTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(SearchStore::defaultPath().startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

void SearchStoreTest::historyKeepsTheLastSearches()
{
    SearchStore store(m_dir.filePath(QStringLiteral("history.sqlite")));
    QVERIFY2(store.available(), qPrintable(store.error()));
    for (int i = 0; i < SearchStore::historyLimit + 5; ++i)
        QVERIFY(store.addSearch(QStringLiteral("梦%1").arg(i), QStringLiteral("蛇")));
    // The same query again moves to the top with the entry now opened.
    QVERIFY(store.addSearch(QStringLiteral("梦50"), QStringLiteral("白蛇")));
    const QList<SearchStore::Search> history = store.history();
    QCOMPARE(history.size(), SearchStore::historyLimit);
    QCOMPARE(history.first().query, QStringLiteral("梦50"));
    QCOMPARE(history.first().title, QStringLiteral("白蛇"));
    QCOMPARE(history.at(1).query, QStringLiteral("梦104"));
    QCOMPARE(history.last().query, QStringLiteral("梦5"));
    QVERIFY(store.clearHistory());
    QVERIFY(store.history().isEmpty());
}

void SearchStoreTest::favourites()
{
    SearchStore store(m_dir.filePath(QStringLiteral("favourites.sqlite")));
    QVERIFY(store.setFavourite(QStringLiteral("白蛇"), true));
    QVERIFY(store.setFavourite(QStringLiteral("掉牙"), true));
    QVERIFY(store.setFavourite(QStringLiteral("白蛇"), true));
    QCOMPARE(store.favourites(), (QStringList{"掉牙", "白蛇"}));
    QVERIFY(store.isFavourite(QStringLiteral("白蛇")));
    QVERIFY(store.setFavourite(QStringLiteral("白蛇"), false));
    QVERIFY(!store.isFavourite(QStringLiteral("白蛇")));
    // A quote in a title is text, not part of a statement.
    QVERIFY(store.setFavourite(QStringLiteral("x' or '1'='1"), true));
    QCOMPARE(store.favourites().first(), QStringLiteral("x' or '1'='1"));
    QVERIFY(store.clearFavourites());
    QVERIFY(store.favourites().isEmpty());
}

void SearchStoreTest::keptBetweenRuns()
{
    const QString path = m_dir.filePath(QStringLiteral("sub/folder/kept.sqlite"));
    {
        SearchStore store(path);
        QVERIFY(store.addSearch(QStringLiteral("牙掉了"), QStringLiteral("掉牙")));
        QVERIFY(store.setFavourite(QStringLiteral("掉牙"), true));
    }
    SearchStore again(path);
    QCOMPARE(again.history().value(0).title, QStringLiteral("掉牙"));
    QCOMPARE(again.favourites(), QStringList{QStringLiteral("掉牙")});
}

void SearchStoreTest::unusableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("under a file") << "under a file";
    QTest::newRow("locked") << "locked";
    QTest::newRow("read-only") << "read-only";
}

void SearchStoreTest::unusableFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("search.sqlite"));
    std::unique_ptr<Locker> locker;
    if (kind == QLatin1String("damaged")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x5a'));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("under a file")) {
        QFile file(dir.filePath(QStringLiteral("plain")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        path = dir.filePath(QStringLiteral("plain/search.sqlite"));
    } else if (kind == QLatin1String("locked")) {
        SearchStore(path).addSearch(QStringLiteral("蛇"), QStringLiteral("蛇"));
        locker = std::make_unique<Locker>(path);
        QVERIFY(locker->locked());
    } else {
        if (geteuid() == 0)
            QSKIP("the superuser writes read-only files");
        SearchStore(path).addSearch(QStringLiteral("蛇"), QStringLiteral("蛇"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    SearchStore store(path);
    QVERIFY(!store.available());
    QVERIFY2(store.error().contains(path), qPrintable(store.error()));
    QVERIFY(!store.addSearch(QStringLiteral("蛇"), QStringLiteral("蛇")));
    QVERIFY(!store.setFavourite(QStringLiteral("蛇"), true));
    QVERIFY(store.favourites().isEmpty());
    QVERIFY(!store.isFavourite(QStringLiteral("蛇")));
}

void SearchStoreTest::lockedWhileInUse()
{
    const QString path = m_dir.filePath(QStringLiteral("busy.sqlite"));
    SearchStore store(path);
    QVERIFY(store.available());
    const Locker locker(path);
    QVERIFY(locker.locked());
    QVERIFY(!store.addSearch(QStringLiteral("白蛇"), QStringLiteral("白蛇")));
    QVERIFY(!store.available());
    QVERIFY(!store.error().isEmpty());
}

QTEST_GUILESS_MAIN(SearchStoreTest)
#include "tst_searchstore.moc"
