#include "app/Settings.h"
#include "app/StartPage.h"
#include "data/GbkText.h"
#include "data/uShare.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        setAppPath(m_dir.path());
    }
    void cleanupTestCase() { setAppPath({}); }
    void startup_data();
    void startup();
    void skinFiles_data();
    void skinFiles();
    void saveRoundTrip_data();
    void saveRoundTrip();
    void saveUnwritable_data();
    void saveUnwritable();
    void writtenFilesFollowTheLayout_data();
    void writtenFilesFollowTheLayout();
    void installedLayoutKeepsAUserCopy();
    void startPage_data();
    void startPage();
    void startPageWriteKeepsOtherValues();
    void startPageUnwritable();

private:
    void store(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QTemporaryDir m_dir;
};

void SettingsTest::startup_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("skin");
    QTest::addColumn<QString>("caption");

    QTest::newRow("shipped default") << QByteArray("[Self_Reg]\r\nskin=0\r\ntite=\r\n") << true << "" << 0 << "";
    QTest::newRow("skin and caption") << toGbk(QStringLiteral("[Self_Reg]\r\nskin=3\r\ntite=  我的梦 \r\n")) << true << "" << 3
                                      << "我的梦";
    QTest::newRow("typed text saved as -1") << QByteArray("[Self_Reg]\r\nskin=-1\r\n") << true << "" << -1 << "";
    QTest::newRow("out of range is a number") << QByteArray("[Self_Reg]\r\nskin=+7\r\n") << true << "" << 7 << "";
    QTest::newRow("no file") << QByteArray() << false << "'' is not a valid integer value" << 0 << "";
    QTest::newRow("no skin key") << QByteArray("[Self_Reg]\r\ntite=x\r\n") << false
                                 << "'' is not a valid integer value" << 0 << "";
    QTest::newRow("not a number") << QByteArray("[Self_Reg]\r\nskin=blue\r\ntite=x\r\n") << false
                                  << "'blue' is not a valid integer value" << 0 << "";
    QTest::newRow("fraction") << QByteArray("[Self_Reg]\r\nskin=1.5\r\n") << false
                              << "'1.5' is not a valid integer value" << 0 << "";
    QTest::newRow("too large") << QByteArray("[Self_Reg]\r\nskin=99999999999\r\n") << false
                               << "'99999999999' is not a valid integer value" << 0 << "";
    QTest::newRow("garbage file") << QByteArray("\xff\xfe\x00\x01garbage\n[[", 14) << false
                                  << "'' is not a valid integer value" << 0 << "";
}

void SettingsTest::startup()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QString, error);
    QFETCH(int, skin);
    QFETCH(QString, caption);
    QFile::remove(settingsFilePath());
    if (!file.isNull())
        store(QStringLiteral("teler.dll"), file);
    const StartupSettings settings = readStartupSettings(IniFile(settingsFilePath()));
    QCOMPARE(settings.ok, ok);
    QCOMPARE(settings.error, error);
    if (ok) {
        QCOMPARE(settings.skin, skin);
        QCOMPARE(settings.caption, caption);
    }
}

void SettingsTest::skinFiles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::newRow("0") << 0 << "skin/mxskin24.dll";
    QTest::newRow("1") << 1 << "skin/mxp1.dll";
    QTest::newRow("2") << 2 << "skin/mxp3.dll";
    QTest::newRow("3") << 3 << "skin/mxskin56.dll";
    QTest::newRow("4") << 4 << "skin/mxp2.dll";
    QTest::newRow("-1 has none") << -1 << "";
    QTest::newRow("5 has none") << 5 << "";
}

void SettingsTest::skinFiles()
{
    QFETCH(int, index);
    QFETCH(QString, file);
    QCOMPARE(skinFileOf(index), GetAppPath() + file);
    QCOMPARE(skinListEntries(), (QStringList{QStringLiteral("默认风格"), QStringLiteral("蓝色风情"),
                                             QStringLiteral("秋天童话"), QStringLiteral("深情摇篮"),
                                             QStringLiteral("飞扬天空")}));
}

void SettingsTest::saveRoundTrip_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("last line ends in a bare CR") << QByteArray("[Self_Reg]\r\nskin=0\r");
    QTest::newRow("other section ends in a bare CR") << QByteArray("[Other]\r\na=1\r");
    QTest::newRow("LF only, no break at the end") << QByteArray("[Self_Reg]\nskin=4");
}

void SettingsTest::saveRoundTrip()
{
    QFETCH(QByteArray, before);
    QFile::remove(settingsFilePath());
    if (!before.isNull())
        store(QStringLiteral("teler.dll"), before);
    const IniFile ini(settingsFilePath());
    QString error;
    QVERIFY(saveSettings(ini, 2, QStringLiteral("  梦的标题 "), error));
    StartupSettings settings = readStartupSettings(ini);
    QVERIFY(settings.ok);
    QCOMPARE(settings.skin, 2);
    QCOMPARE(settings.caption, QStringLiteral("梦的标题"));
    QVERIFY(saveSettings(ini, -1, QString(), error));
    settings = readStartupSettings(ini);
    QCOMPARE(settings.skin, -1);
    QCOMPARE(settings.caption, QString());
    if (before.startsWith("[Other]"))
        QCOMPARE(ini.readString(QStringLiteral("Other"), QStringLiteral("a"), {}), QStringLiteral("1"));
}

void SettingsTest::saveUnwritable_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder in its place") << true;
    // Refused for every user, the superuser included.
    QTest::newRow("read-only file") << false;
}

void SettingsTest::saveUnwritable()
{
    QFETCH(bool, folder);
    QFile::remove(settingsFilePath());
    const QByteArray before = "[Self_Reg]\r\nskin=0\r\n";
    if (folder) {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("teler.dll")));
    } else {
        store(QStringLiteral("teler.dll"), before);
        QVERIFY(QFile::setPermissions(settingsFilePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    QString error;
    QVERIFY(!saveSettings(IniFile(settingsFilePath()), 1, QStringLiteral("x"), error));
    QCOMPARE(error, QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(settingsFilePath()));
    if (folder) {
        QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("teler.dll")));
    } else {
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY(QFile::remove(settingsFilePath()));
    }
}

void SettingsTest::writtenFilesFollowTheLayout_data()
{
    QTest::addColumn<bool>("portable");
    QTest::newRow("portable") << true;
    QTest::newRow("installed") << false;
}

void SettingsTest::writtenFilesFollowTheLayout()
{
    QFETCH(bool, portable);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    setAppPath(m_dir.path(), portable);
    const QString folder = portable ? m_dir.path() : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QCOMPARE(settingsFilePath(), folder + QStringLiteral("/teler.dll"));
    QCOMPARE(StartPageFile::defaultPath(), folder + QStringLiteral("/user-registry"));
    QCOMPARE(defaultSettingsFilePath(), m_dir.filePath(QStringLiteral("teler.dll")));
    setAppPath(m_dir.path());
    qunsetenv("XDG_CONFIG_HOME");
}

// Installed, the shipped teler.dll is read until the first save makes the user's copy from it.
void SettingsTest::installedLayoutKeepsAUserCopy()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QByteArray shipped = toGbk(QStringLiteral("[Self_Reg]\r\nskin=3\r\ntite=默认\r\nkept=yes\r\n"));
    store(QStringLiteral("teler.dll"), shipped);
    QFile::setPermissions(defaultSettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    setAppPath(m_dir.path(), false);
    const IniFile ini(settingsFilePath());
    QVERIFY(!QFile::exists(ini.path()));

    StartupSettings settings = readStartupSettings(ini);
    QVERIFY(settings.ok);
    QCOMPARE(settings.skin, 3);
    QCOMPARE(settings.caption, QStringLiteral("默认"));
    QVERIFY(!QFile::exists(ini.path()));

    QString error;
    QVERIFY2(saveSettings(ini, 1, QStringLiteral("我的梦"), error), qPrintable(error));
    QVERIFY(QFileInfo(ini.path()).permissions() & QFileDevice::WriteOwner);
    QVERIFY2(saveSettings(ini, 2, QStringLiteral("我的梦"), error), qPrintable(error));
    settings = readStartupSettings(ini);
    QCOMPARE(settings.skin, 2);
    QCOMPARE(settings.caption, QStringLiteral("我的梦"));
    QCOMPARE(ini.readString(QStringLiteral("Self_Reg"), QStringLiteral("kept"), QString()), QStringLiteral("yes"));

    QFile file(defaultSettingsFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), shipped);
    file.close();
    QFile::setPermissions(defaultSettingsFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(defaultSettingsFilePath());
    setAppPath(m_dir.path());
    qunsetenv("XDG_CONFIG_HOME");
}

void SettingsTest::startPage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("error");
    const QByteArray key = "Software\\Microsoft\\Internet Explorer\\Main\t";
    QTest::newRow("no store") << QByteArray() << true << "" << "";
    QTest::newRow("text") << key + "Start Page\tsz\thttp://a.example/?400\n" << true << "http://a.example/?400" << "";
    QTest::newRow("escapes") << key + "Start Page\tsz\tC:\\\\x\\ty\n" << true << "C:\\x\ty" << "";
    QTest::newRow("name ignores case") << key + "start page\tsz\tp\n" << true << "p" << "";
    QTest::newRow("other value only") << key + "Window Title\tsz\tt\n" << true << "" << "";
    QTest::newRow("number") << key + "Start Page\tdword\t1\n" << false << ""
                            << "Invalid data type for 'Start Page'";
    QTest::newRow("binary") << key + "Start Page\tbinary\t00ff\n" << false << ""
                            << "Invalid data type for 'Start Page'";
    QTest::newRow("garbage lines") << QByteArray("\xff\xfe\x01\nno tabs here\n") << true << "" << "";
}

void SettingsTest::startPage()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QString, page);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(QStringLiteral("user-registry"));
    QFile::remove(path);
    if (!file.isNull())
        store(QStringLiteral("user-registry"), file);
    StartPageFile store(path);
    QString read = QStringLiteral("stale");
    QString failure;
    QCOMPARE(store.read(read, failure), ok);
    QCOMPARE(failure, error);
    if (ok)
        QCOMPARE(read, page);
}

void SettingsTest::startPageWriteKeepsOtherValues()
{
    const QString path = m_dir.filePath(QStringLiteral("sub/user-registry"));
    StartPageFile store(path);
    QString error;
    QVERIFY(store.write(QStringLiteral("http://first.example/"), error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("Software\\Other\tValue\tdword\t5\n");
    file.close();
    QVERIFY(store.write(QStringLiteral("http://p.example/?400\tx"), error));
    QString page;
    QVERIFY(store.read(page, error));
    QCOMPARE(page, QStringLiteral("http://p.example/?400\tx"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QCOMPARE(stored.count("Start Page"), 1);
    QVERIFY(stored.contains("Software\\Other\tValue\tdword\t5\n"));
}

void SettingsTest::startPageUnwritable()
{
    // A file where the store's folder should be.
    store(QStringLiteral("blocker"), "x");
    StartPageFile store(m_dir.filePath(QStringLiteral("blocker/user-registry")));
    QString error;
    QVERIFY(!store.write(QStringLiteral("http://p.example/"), error));
    QCOMPARE(error, QStringLiteral("Failed to set data for 'Start Page'"));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
