#include "FortuneFixture.h"

#include <QFile>
#include <QTest>

// Runs velmora-cli from a fixture program directory, so it reads the fixture's dream.dll.
class FortuneCliTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void unreadableDatabase();

private:
    FixtureProgramDir m_fixture;
    QString m_cli;
};

void FortuneCliTest::initTestCase()
{
    QVERIFY2(m_fixture.build(fortuneSources()), qPrintable(m_fixture.errors.join('\n')));
    m_cli = m_fixture.path() + QStringLiteral("/velmora-cli");
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_CLI), m_cli));
}

void FortuneCliTest::commands_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("bone") << QStringList{"bone", "1984", "正", "初一", "0"} << 0
                          << "你的骨重为：4两2钱\n四两二钱之诗\n" << "";
    QTest::newRow("bone by numbers") << QStringList{"bone", "1987", "1", "1", "0"} << 0
                                     << "你的骨重为：5两\n五两之诗\n" << "";
    QTest::newRow("bone without verse") << QStringList{"bone", "1986", "正", "初一", "0"} << 1 << ""
                                        << "no verse for the weight code 45";
    QTest::newRow("bone without code") << QStringList{"bone", "1988", "正", "初一", "0"} << 1
                                       << "你的骨重为：10两5钱\n" << "no verse for a total of 10.5";
    QTest::newRow("bone no year") << QStringList{"bone", " ", "正", "初一", "0"} << 2 << "" << "请选择年！";
    QTest::newRow("bone unlisted year") << QStringList{"bone", "2051", "正", "初一", "0"} << 2 << "" << "usage:";
    QTest::newRow("bone bad hour") << QStringList{"bone", "1984", "正", "初一", "24"} << 2 << "" << "usage:";
    QTest::newRow("phone") << QStringList{"phone", "13912341234"} << 0
                           << "手机号码是：13912341234\n状态：三十四之状\n吉凶：凶\n具体表现：三十四之表现\n" << "";
    QTest::newRow("phone no row") << QStringList{"phone", "13900000001"} << 1
                                  << "手机号码是：13900000001\n状态：\n吉凶：\n具体表现：\n" << "";
    QTest::newRow("phone empty") << QStringList{"phone", ""} << 2 << "" << "请输入11位手机号码！";
    QTest::newRow("phone 12") << QStringList{"phone", "12912345678"} << 2 << "" << "请输入正确的手机号码！";
    QTest::newRow("phone short") << QStringList{"phone", "1391234"} << 2 << "" << "请输入正确的手机号码！";
    QTest::newRow("pair") << QStringList{"pair", "水瓶座", "白羊座"} << 0
                          << "水瓶男白羊女\n\n男瓶一\n\n男瓶二\n" << "";
    QTest::newRow("pair reversed") << QStringList{"pair", "白羊", "水瓶"} << 0
                                   << "白羊男水瓶女\n\n男羊一\n\n男羊二\n" << "";
    QTest::newRow("pair not stored") << QStringList{"pair", "金牛座", "白羊座"} << 1 << ""
                                     << "no pairing stored for 金牛座配对白羊座";
    QTest::newRow("pair unknown sign") << QStringList{"pair", "火星座", "白羊座"} << 2 << "" << "usage:";
    QTest::newRow("love") << QStringList{"love", "啊", "阿"} << 0
                          << "男方笔画：10\n女方笔画：7\n你们的缘分：知心朋友 得分70分\n" << "";
    QTest::newRow("love special") << QStringList{"love", " 石青岚", "柳如眉 "} << 0
                                  << "男方笔画：20\n女方笔画：24\n你们的缘分：爱在心间默默关爱 得分99分\n" << "";
    QTest::newRow("love missing") << QStringList{"love", "", "阿"} << 2 << "" << "请输入你们的姓名！";
    QTest::newRow("love usage") << QStringList{"love", "啊"} << 2 << "" << "usage:";
}

void FortuneCliTest::commands()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const ProgramRun run = runProgram(m_cli, args);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, out);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
}

void FortuneCliTest::unreadableDatabase()
{
    QTemporaryDir empty;
    const QString cli = empty.filePath(QStringLiteral("velmora-cli"));
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_CLI), cli));
    for (const QStringList &args : {QStringList{"bone", "1984", "正", "初一", "0"}, QStringList{"phone", "13912341234"},
                                    QStringList{"pair", "水瓶座", "白羊座"}}) {
        const ProgramRun run = runProgram(cli, args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("cannot read the dream database")));
    }
}

QTEST_GUILESS_MAIN(FortuneCliTest)
#include "tst_fortunecli.moc"
