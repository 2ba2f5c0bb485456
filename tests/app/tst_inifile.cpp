#include "app/IniFile.h"
#include "data/GbkText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class IniFileTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void read_data();
    void read();
    void write_data();
    void write();
    void roundTripGbk();
    void longValueIsCut();
    void unwritable();

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

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
