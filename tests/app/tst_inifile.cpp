#include "app/IniFile.h"
#include "data/GbkText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

// A Unix mode's owner, group and other bits as Qt's permission flags.
QFileDevice::Permissions permissionsOf(int mode)
{
    QFileDevice::Permissions permissions;
    const QFileDevice::Permission bits[] = {QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
                                            QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
                                            QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther};
    for (int i = 0; i < 9; ++i) {
        if (mode & (0400 >> i))
            permissions |= bits[i];
    }
    return permissions;
}

} // namespace

class IniFileTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void read_data();
    void read();
    void write_data();
    void write();
    void lineEndingsSurvive_data();
    void lineEndingsSurvive();
    void roundTripGbk();
    void longValueIsCut();
    void unwritable();
    void readOnlyFileIsRefused();
    void replacementKeepsPermissions_data();
    void replacementKeepsPermissions();

private:
    QString path() const { return m_dir.filePath(QStringLiteral("teler.dll")); }
    void store(const QByteArray &bytes)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray stored() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

void IniFileTest::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray settings = "[Other]\r\nskin=9\r\n[Self_Reg]\r\nskin = 3 \r\ntite=\r\n";
    QTest::newRow("value") << settings << "Self_Reg" << "skin" << "3";
    QTest::newRow("other section's key not taken") << settings << "Other" << "skin" << "9";
    QTest::newRow("names ignore case") << settings << "self_reg" << "SKIN" << "3";
    QTest::newRow("empty value") << settings << "Self_Reg" << "tite" << "";
    QTest::newRow("missing key gives default") << settings << "Self_Reg" << "none" << "default";
    QTest::newRow("missing section gives default") << settings << "Nowhere" << "skin" << "default";
    QTest::newRow("no file gives default") << QByteArray() << "Self_Reg" << "skin" << "default";
    QTest::newRow("garbage gives default") << QByteArray("\x01\xff\xfe garbage ]]][[ =\n\0\0", 22) << "Self_Reg"
                                           << "skin" << "default";
    QTest::newRow("comment line skipped") << QByteArray("[S]\n;k=1\nk=2\n") << "S" << "k" << "2";
    QTest::newRow("LF only") << QByteArray("[S]\nk=v") << "S" << "k" << "v";
    QTest::newRow("value keeps its '='") << QByteArray("[S]\nk=a=b\n") << "S" << "k" << "a=b";
    // A lead byte cut off at a line's end must not swallow the next line's first character.
    QTest::newRow("cut character before a key") << QByteArray("[S]\na=\x81\nk=2\n") << "S" << "k" << "2";
}

void IniFileTest::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    if (!file.isNull())
        store(file);
    else
        QFile::remove(path());
    QString fallback = QStringLiteral("default");
    QCOMPARE(IniFile(path()).readString(section, key, fallback), expected);
}

void IniFileTest::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("creates the file") << QByteArray() << "Self_Reg" << "skin" << "2"
                                      << QByteArray("[Self_Reg]\r\nskin=2\r\n");
    QTest::newRow("replaces the key, keeps the rest")
        << QByteArray("; mine\r\n[A]\r\nx=1\r\n[Self_Reg]\r\nskin=0\r\ntite=t\r\n\r\n[B]\ny=2\n")
        << "Self_Reg" << "skin" << "4"
        << QByteArray("; mine\r\n[A]\r\nx=1\r\n[Self_Reg]\r\nskin=4\r\ntite=t\r\n\r\n[B]\ny=2\n");
    QTest::newRow("adds the key after the section's last line")
        << QByteArray("[Self_Reg]\r\nskin=0\r\n\r\n[B]\r\ny=2\r\n") << "Self_Reg" << "tite" << "x"
        << QByteArray("[Self_Reg]\r\nskin=0\r\ntite=x\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("adds the section at the end")
        << QByteArray("[B]\r\ny=2") << "Self_Reg" << "skin" << "1"
        << QByteArray("[B]\r\ny=2\r\n[Self_Reg]\r\nskin=1\r\n");
    QTest::newRow("a line break in the value stays on one line")
        << QByteArray() << "S" << "k" << "a\r\nb" << QByteArray("[S]\r\nk=a  b\r\n");
    QTest::newRow("last line ends in a bare CR")
        << QByteArray("[Self_Reg]\r\nskin=0\r") << "Self_Reg" << "tite" << "x"
        << QByteArray("[Self_Reg]\r\nskin=0\rtite=x\r\n");
    QTest::newRow("new section after a bare CR")
        << QByteArray("[Other]\r\na=1\r") << "Self_Reg" << "skin" << "1"
        << QByteArray("[Other]\r\na=1\r[Self_Reg]\r\nskin=1\r\n");
    QTest::newRow("bare CR inside the section")
        << QByteArray("[Self_Reg]\rskin=0\rtite=a\r") << "Self_Reg" << "skin" << "3"
        << QByteArray("[Self_Reg]\rskin=3\rtite=a\r");
}

void IniFileTest::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QFile::remove(path());
    if (!before.isNull())
        store(before);
    QVERIFY(IniFile(path()).writeString(section, key, value));
    QCOMPARE(stored(), after);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("teler.dll")});
}

void IniFileTest::lineEndingsSurvive_data()
{
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("breakAtEnd");
    for (const auto &[name, lineBreak] : {std::pair{"CR LF", "\r\n"}, std::pair{"LF", "\n"}, std::pair{"CR", "\r"}}) {
        QTest::addRow("%s, break at the end", name) << QByteArray(lineBreak) << true;
        QTest::addRow("%s, none at the end", name) << QByteArray(lineBreak) << false;
    }
}

void IniFileTest::lineEndingsSurvive()
{
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, breakAtEnd);
    const QList<QByteArray> lines = {"[Other]", "a=1", "[Self_Reg]", "skin=0", "; note", "[Last]", "z=9"};
    const QByteArray end = breakAtEnd ? lineBreak : QByteArray();
    const IniFile ini(path());
    const QString self = QStringLiteral("Self_Reg");

    // A key added to a middle section, a key replaced, and a section added after the last line.
    store(lines.join(lineBreak) + end);
    QVERIFY(ini.writeString(self, QStringLiteral("tite"), QStringLiteral("梦")));
    QVERIFY(ini.writeString(self, QStringLiteral("skin"), QStringLiteral("2")));
    QVERIFY(ini.writeString(QStringLiteral("New"), QStringLiteral("n"), QStringLiteral("5")));
    const QList<QByteArray> after = {"[Other]", "a=1", "[Self_Reg]", "skin=2", "; note",
                                     "tite=" + toGbk(QStringLiteral("梦")), "[Last]", "z=9", "[New]", "n=5"};
    QCOMPARE(stored(), after.join(lineBreak) + lineBreak);
    const QList<std::array<QString, 3>> values = {
        {"Other", "a", "1"}, {"Self_Reg", "skin", "2"}, {"Self_Reg", "tite", "梦"}, {"Last", "z", "9"}, {"New", "n", "5"}};
    for (const auto &[section, key, value] : values)
        QCOMPARE(ini.readString(section, key, QStringLiteral("missing")), value);
}

void IniFileTest::roundTripGbk()
{
    QFile::remove(path());
    const IniFile ini(path());
    const QString caption = QStringLiteral("我的解梦 Velmora");
    QVERIFY(ini.writeString(QStringLiteral("Self_Reg"), QStringLiteral("tite"), caption));
    QCOMPARE(ini.readString(QStringLiteral("Self_Reg"), QStringLiteral("tite"), {}), caption);
    QVERIFY(stored().contains(toGbk(caption)));
}

void IniFileTest::longValueIsCut()
{
    QFile::remove(path());
    const IniFile ini(path());
    QVERIFY(ini.writeString(QStringLiteral("S"), QStringLiteral("ascii"), QString(3000, QLatin1Char('a'))));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("ascii"), {}), QString(iniValueBytes, QLatin1Char('a')));
    // 2047 bytes end in the middle of a double-byte character, which is dropped.
    QVERIFY(ini.writeString(QStringLiteral("S"), QStringLiteral("wide"), QString(1500, QChar(u'梦'))));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("wide"), {}), QString(1023, QChar(u'梦')));
}

void IniFileTest::unwritable()
{
    // A directory where the file should be: nothing can be written there.
    QFile::remove(path());
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("teler.dll")));
    QVERIFY(!IniFile(path()).writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("teler.dll")));
    QVERIFY(!IniFile(m_dir.filePath(QStringLiteral("missing/teler.dll")))
                 .writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
}

void IniFileTest::readOnlyFileIsRefused()
{
    // Run as the superuser this checks that the permission bits still hold.
    const QByteArray before = "[Self_Reg]\r\nskin=0\r\n";
    QFile::remove(path());
    store(before);
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(path(), readOnly));
    QVERIFY(!IniFile(path()).writeString(QStringLiteral("Self_Reg"), QStringLiteral("skin"), QStringLiteral("3")));
    QCOMPARE(stored(), before);
    QCOMPARE(QFileInfo(path()).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
             readOnly);
    QVERIFY(QFile::setPermissions(path(), readOnly | QFileDevice::WriteOwner));
}

void IniFileTest::replacementKeepsPermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0600") << 0600;
    QTest::newRow("0640") << 0640;
    QTest::newRow("0664") << 0664;
    QTest::newRow("0666") << 0666;
}

void IniFileTest::replacementKeepsPermissions()
{
    QFETCH(int, mode);
    QFile::remove(path());
    store("[Self_Reg]\r\nskin=0\r\n");
    const QFileDevice::Permissions permissions = permissionsOf(mode);
    QVERIFY(QFile::setPermissions(path(), permissions));
    QVERIFY(IniFile(path()).writeString(QStringLiteral("Self_Reg"), QStringLiteral("skin"), QStringLiteral("3")));
    QCOMPARE(stored(), QByteArray("[Self_Reg]\r\nskin=3\r\n"));
    QCOMPARE(QFileInfo(path()).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
             permissions);
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
