#include "widgets/Placement.h"

#include <QTest>

class PlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void relative_data();
    void relative();
    void centred_data();
    void centred();
    void kept_data();
    void kept();
};

void PlacementTest::relative_data()
{
    QTest::addColumn<QPoint>("designed");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed");

    const QRect desktop1024(0, 0, 1024, 768);
    const QRect desktop1280(0, 0, 1280, 1024);
    const QRect desktop1920(0, 0, 1920, 1040); // a task bar below
    QTest::newRow("as designed") << QPoint(384, 246) << QSize(270, 207) << QPoint(112, 84) << desktop1024
                                 << QPoint(384, 246);
    QTest::newRow("1280 x 1024, main centred") << QPoint(403, 310) << QSize(389, 355) << QPoint(240, 212)
                                               << desktop1280 << QPoint(531, 438);
    QTest::newRow("1920 x 1080, main centred") << QPoint(500, 303) << QSize(244, 135) << QPoint(560, 220)
                                               << desktop1920 << QPoint(948, 439);
    QTest::newRow("main moved to the left") << QPoint(426, 337) << QSize(329, 187) << QPoint(0, 30) << desktop1280
                                            << QPoint(314, 283);
    QTest::newRow("kept off the right edge") << QPoint(384, 246) << QSize(270, 207) << QPoint(1100, 300)
                                             << desktop1280 << QPoint(1010, 462);
    QTest::newRow("kept off the bottom") << QPoint(403, 310) << QSize(389, 355) << QPoint(240, 900) << desktop1280
                                         << QPoint(531, 669);
    QTest::newRow("kept off the top left") << QPoint(358, 255) << QSize(538, 350) << QPoint(-400, -300)
                                           << desktop1280 << QPoint(0, 0);
    QTest::newRow("second screen") << QPoint(384, 246) << QSize(270, 207) << QPoint(1392, 84)
                                   << QRect(1280, 0, 1024, 768) << QPoint(1664, 246);
    QTest::newRow("taller than the screen") << QPoint(384, 246) << QSize(270, 900) << QPoint(112, 84)
                                            << QRect(0, 20, 1024, 748) << QPoint(384, 20);
}

void PlacementTest::relative()
{
    QFETCH(QPoint, designed);
    QFETCH(QSize, frame);
    QFETCH(QPoint, main);
    QFETCH(QRect, available);
    QFETCH(QPoint, placed);
    QCOMPARE(placeRelative(designed, frame, main, available), placed);
}

void PlacementTest::centred_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("designed");
    QTest::newRow("calendar") << QSize(331, 285) << QPoint(346, 241);
    QTest::newRow("main window") << QSize(800, 600) << QPoint(112, 84);
    QTest::newRow("odd size") << QSize(351, 215) << QPoint(336, 276);
}

// A window designed centred on the desktop stands centred on the main window,
// which stood centred there too.
void PlacementTest::centred()
{
    QFETCH(QSize, frame);
    QFETCH(QPoint, designed);
    QCOMPARE(designedCentre(frame), designed);
    const QRect main(QPoint(240, 212), designedMainSize);
    const QPoint placed = placeRelative(designedCentre(frame), frame, main.topLeft(), QRect(0, 0, 1280, 1024));
    QVERIFY(qAbs(QRect(placed, frame).center().x() - main.center().x()) <= 1);
    QVERIFY(qAbs(QRect(placed, frame).center().y() - main.center().y()) <= 1);
}

void PlacementTest::kept_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("kept");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("inside") << QRect(100, 100, 500, 400) << screen << QRect(100, 100, 500, 400);
    QTest::newRow("over the right edge") << QRect(1000, 100, 500, 400) << screen << QRect(780, 100, 500, 400);
    QTest::newRow("above the top") << QRect(100, -50, 500, 400) << screen << QRect(100, 0, 500, 400);
    QTest::newRow("larger than the screen") << QRect(-10, -10, 1400, 1100) << screen << screen;
}

void PlacementTest::kept()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, kept);
    QCOMPARE(keptWithin(frame, available), kept);
}

QTEST_GUILESS_MAIN(PlacementTest)
#include "tst_placement.moc"
