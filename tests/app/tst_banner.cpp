#include "app/BannerFetch.h"
#include "data/GbkText.h"
#include "HttpTestServer.h"
#include "RecordingBrowser.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

BannerRotation::Received receivedOn(const QByteArray &list)
{
    return {list, QByteArray("01"), QByteArray("01")};
}

} // namespace

class BannerTest : public QObject
{
    Q_OBJECT
private slots:
    void memoLines_data();
    void memoLines();
    void fields_data();
    void fields();
    void prepare_data();
    void prepare();
    void rotation_data();
    void rotation();
    void rotationOff();

    void fetchFlags_data();
    void fetchFlags();
    void fetchSendsTheClientsHeaders();
    void fetchFailures_data();
    void fetchFailures();
    void silentServerIsBoundedByTheDeadline();
    void silentThirdFetchKeepsTheList();
    void announcedLengthIsRefusedBeforeTheBody();
};

void BannerTest::memoLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("final break adds no line") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("LF and CR") << "a\nb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("inner empty line") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("break alone") << "\r\n" << QStringList{""};
}

void BannerTest::memoLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(::memoLines(text), lines);
}

void BannerTest::fields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("address");
    QTest::newRow("entry") << "  1>15> http://a.example/x.html  " << "1" << "15" << "http://a.example/x.html";
    QTest::newRow("address with '>'") << "1>5>http://a.example/?a>b" << "1" << "5" << "http://a.example/?a>b";
    QTest::newRow("no mark") << "plain text" << "" << "" << "plain text";
    QTest::newRow("one mark") << "1>5" << "1" << "" << "5";
    QTest::newRow("disabled") << "0>5>http://a.example/" << "0" << "5" << "http://a.example/";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void BannerTest::fields()
{
    QFETCH(QString, line);
    QFETCH(QString, mark);
    QFETCH(QString, time);
    QFETCH(QString, address);
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(receivedOn(toGbk(line + QStringLiteral("\r\nnext"))), browser);
    QCOMPARE(banner.GetBannerField(0, 0), mark);
    QCOMPARE(banner.GetBannerField(1, 0), time);
    QCOMPARE(banner.GetBannerField(2, 0), address);
    QCOMPARE(banner.GetBannerField(0, 5), QString());
}

void BannerTest::prepare_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("top");
    const QByteArray list = "1>5>http://a.example/\r\n1>5>http://b.example/\r\n";
    QTest::newRow("01 turns it on") << list << QByteArray("01") << 1 << 1 << true << -16;
    QTest::newRow("any digit but 0 is on") << list << QByteArray("07xyz") << 7 << 1 << true << -16;
    QTest::newRow("10 is off") << list << QByteArray("10") << 0 << 1 << false << -200;
    QTest::newRow("0 lacks the switch") << list << QByteArray("0") << 0 << 1 << false << -200;
    QTest::newRow("x1 starts with no digit") << list << QByteArray("x1") << 0 << 1 << false << -200;
    QTest::newRow("empty list hides the browser") << QByteArray("") << QByteArray("01") << 1 << -1 << false << -16;
    QTest::newRow("failed list") << QByteArray() << QByteArray("01") << 0 << -1 << false << -200;
}

void BannerTest::prepare()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, flag);
    QFETCH(int, on);
    QFETCH(int, last);
    QFETCH(bool, visible);
    QFETCH(int, top);
    BannerRotation::Received received{flag, flag, flag};
    received.list = list.isNull() ? std::nullopt : std::optional<QByteArray>(list);
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(received, browser);
    QCOMPARE(banner.BannerOn, on);
    QCOMPARE(banner.BannerLast, last);
    QCOMPARE(banner.BannerPos, 0);
    QCOMPARE(browser.visible, visible);
    QCOMPARE(browser.top, top);
}

void BannerTest::rotation_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("intervals");

    QTest::newRow("A B A: the last line is not reached")
        << "1>5>http://a/\r\n1>6>http://b/\r\n1>7>http://c/\r\n" << 4 << QStringList{"a", "b", "a", "b"}
        << QList<int>{5000, 6000, 5000, 6000};
    QTest::newRow("disabled lines around")
        << "head\r\n1>3>http://a/\r\n1>4>http://b/\r\n0>9>http://tail/" << 5 << QStringList{"a", "b", "a", "b", "a"}
        << QList<int>{3000, 4000, 3000, 4000, 3000};
    QTest::newRow("enabled last line, then nothing")
        << "0>1>http://x/\r\n1>2>http://a/\r\n0>1>http://y/\r\n1>6>http://z/" << 4 << QStringList{"a", "z"}
        << QList<int>{2000, 6000, -1, -1};
    QTest::newRow("time 0 stops the timer") << "1>0>http://a/\r\n1>5>http://b/\r\nend" << 1 << QStringList{"a"}
                                            << QList<int>{0};
    QTest::newRow("time not a whole number")
        << "1>2.5>http://a/\r\n1>x>http://b/\r\n1>-3>http://c/\r\n1>5>http://d/\r\nend" << 4
        << QStringList{"a", "b", "c", "d"} << QList<int>{10000, 10000, 10000, 5000};
    QTest::newRow("only web addresses")
        << "1>5>javascript:alert(1)\r\n1>5>http://a/\r\n1>5>file:///etc/passwd\r\n1>5>HTTPS://b/\r\n"
           "1>5>data:text/html,x"
        << 3 << QStringList{"a", "b", "a"} << QList<int>{5000, 5000, 5000};
    QTest::newRow("no enabled line") << "0>5>http://a/\r\nx>5>http://b/" << 2 << QStringList() << QList<int>{-1, -1};
    QTest::newRow("single line shown once") << "1>5>http://a/" << 3 << QStringList{"a"} << QList<int>{5000, -1, -1};
    QTest::newRow("blank list") << "  \r\n \r\n" << 2 << QStringList() << QList<int>{-1, -1};
}

void BannerTest::rotation()
{
    QFETCH(QString, list);
    QFETCH(int, ticks);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, intervals);
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(receivedOn(toGbk(list)), browser);
    QList<int> seen;
    for (int i = 0; i < ticks; ++i)
        seen << banner.tick(browser);
    for (QString &address : browser.navigated)
        address = address.mid(address.indexOf(QLatin1String("//")) + 2).chopped(1);
    QCOMPARE(browser.navigated, shown);
    QCOMPARE(seen, intervals);
}

void BannerTest::rotationOff()
{
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare({QByteArray("1>5>http://a/\r\n1>5>http://b/"), QByteArray("00"), QByteArray("00")}, browser);
    QCOMPARE(banner.tick(browser), -1);
    QVERIFY(browser.navigated.isEmpty());
    QCOMPARE(banner.text(), QStringLiteral("1>5>http://a/\r\n1>5>http://b/"));
}

void BannerTest::fetchFlags_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("requests");
    QTest::newRow("01") << QByteArray("01") << 1 << 3;
    QTest::newRow("10") << QByteArray("10") << 0 << 3;
    QTest::newRow("0") << QByteArray("0") << 0 << 3;
    QTest::newRow("x1 ends after the first flag fetch") << QByteArray("x1") << 0 << 2;
}

void BannerTest::fetchFlags()
{
    QFETCH(QByteArray, flag);
    QFETCH(int, on);
    QFETCH(int, requests);
    HttpTestServer server;
    const QByteArray list = toGbk(QStringLiteral("1>5>http://a.example/梦\r\n1>5>http://b.example/\r\n"));
    server.replies[bannerListPath] = {200, list, false, {}};
    server.replies[bannerFlagPath] = {200, flag, false, {}};
    const BannerRotation::Received received = fetchBanner(server.url());
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(received, browser);
    QCOMPARE(banner.BannerOn, on);
    QCOMPARE(banner.BannerLast, 1);
    QCOMPARE(banner.GetBannerField(2, 0), QStringLiteral("http://a.example/梦"));
    QCOMPARE(server.requests.size(), requests);
}

void BannerTest::fetchSendsTheClientsHeaders()
{
    HttpTestServer server;
    server.replies[bannerListPath] = {200, "1>5>http://a/", false, {}};
    server.replies[bannerFlagPath] = {200, "01", false, {}};
    fetchBanner(server.url() + QLatin1Char('/'));
    QCOMPARE(server.requests.size(), 3);
    QVERIFY(server.requests.at(0).startsWith("GET /Chinese/CPC/loginfo.html HTTP/1.1\r\n"));
    QVERIFY(server.requests.at(1).startsWith("GET /Chinese/SysInfo/logFlagvlmr.htm HTTP/1.1\r\n"));
    for (const QByteArray &head : std::as_const(server.requests)) {
        const QByteArray lower = head.toLower();
        QVERIFY2(lower.contains("\r\nuser-agent: mozilla/3.0 (compatible; indy library)"), head);
        QVERIFY2(lower.contains("\r\naccept: text/html, */*"), head);
        QVERIFY2(lower.contains("\r\ncontent-type: text/html"), head);
    }
}

void BannerTest::fetchFailures_data()
{
    QTest::addColumn<HttpTestServer::Reply>("listReply");
    QTest::addColumn<bool>("listOk");
    QTest::newRow("exactly 64 KiB") << HttpTestServer::Reply{200, QByteArray(64 * 1024, 'a'), false, {}} << true;
    QTest::newRow("oversized") << HttpTestServer::Reply{200, QByteArray(64 * 1024 + 1, 'a'), false, {}} << false;
    QTest::newRow("much oversized") << HttpTestServer::Reply{200, QByteArray(2 << 20, 'a'), false, {}} << false;
    QTest::newRow("oversized without a length")
        << HttpTestServer::Reply{200, {}, false, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(2 << 20, 'a')}
        << false;
    QTest::newRow("garbage response") << HttpTestServer::Reply{200, {}, false, "garbage\x01\xff\r\n\r\n"} << false;
    QTest::newRow("not found") << HttpTestServer::Reply{404, "1>5>http://a/", false, {}} << false;
    QTest::newRow("server error") << HttpTestServer::Reply{500, "1>5>http://a/", false, {}} << false;
    QTest::newRow("redirect") << HttpTestServer::Reply{302, {}, false, {}} << false;
    QTest::newRow("empty body") << HttpTestServer::Reply{200, {}, false, {}} << true;
}

void BannerTest::fetchFailures()
{
    QFETCH(HttpTestServer::Reply, listReply);
    QFETCH(bool, listOk);
    HttpTestServer server;
    server.replies[bannerListPath] = listReply;
    server.replies[bannerFlagPath] = {200, "01", false, {}};
    // Every answer here is complete or refused at once; a fetch that stalls
    // would wait for the deadline, a minute away.
    QElapsedTimer clock;
    clock.start();
    const BannerRotation::Received received = fetchBanner(server.url(), 60000);
    QVERIFY2(clock.elapsed() < 20000, QByteArray::number(clock.elapsed()));
    QCOMPARE(received.list.has_value(), listOk);
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(received, browser);
    QCOMPARE(banner.BannerOn, listOk ? 1 : 0);
    // Qt may repeat a request whose connection broke; the flag file is asked for only after a list.
    const bool flagAsked = std::any_of(server.requests.cbegin(), server.requests.cend(),
                                       [](const QByteArray &head) { return head.contains(bannerFlagPath); });
    QCOMPARE(flagAsked, listOk);
}

void BannerTest::silentServerIsBoundedByTheDeadline()
{
    HttpTestServer server;
    server.replies[bannerListPath] = {200, {}, true, {}};
    QElapsedTimer clock;
    clock.start();
    const BannerRotation::Received received = fetchBanner(server.url());
    // Generous: this guards against a hang, it does not time the program.
    QVERIFY2(clock.elapsed() < 4000, QByteArray::number(clock.elapsed()));
    QVERIFY(!received.list);

    // Nobody listening at all fails without waiting for the deadline.
    const QString closed = server.url();
    server.close();
    QVERIFY(!fetchBanner(closed).list);
}

void BannerTest::silentThirdFetchKeepsTheList()
{
    // The flag file answers once and then never again.
    HttpTestServer server;
    server.replies[bannerListPath] = {200, "1>5>http://a/\r\n1>5>http://b/", false, {}};
    server.replies[bannerFlagPath] = {200, "01", false, {}};
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        if (server.requests.size() >= 2)
            server.replies[bannerFlagPath].silent = true;
    });
    const BannerRotation::Received received = fetchBanner(server.url(), 500);
    QVERIFY(received.list);
    QVERIFY(received.firstFlag);
    QVERIFY(!received.secondFlag);
    BannerRotation banner;
    RecordingBrowser browser;
    banner.prepare(received, browser);
    QCOMPARE(banner.BannerOn, 0);
    QCOMPARE(banner.BannerLast, 1);
    QCOMPARE(browser.top, browserTopWhenOff);
}

void BannerTest::announcedLengthIsRefusedBeforeTheBody()
{
    // 100 MB announced, a few bytes sent, and the connection held open: waiting
    // for the body would last until the deadline.
    HttpTestServer server;
    server.replies[bannerListPath] = {
        200, {}, true, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 104857600\r\n\r\n1>5>http://a/"};
    QElapsedTimer clock;
    clock.start();
    const BannerRotation::Received received = fetchBanner(server.url(), 60000);
    QVERIFY(!received.list);
    // Generous: a refusal is immediate, the deadline a minute away.
    QVERIFY2(clock.elapsed() < 20000, QByteArray::number(clock.elapsed()));
}

QTEST_GUILESS_MAIN(BannerTest)
#include "tst_banner.moc"
