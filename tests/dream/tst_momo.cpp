#include "app/Fonts.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "dream/DreamLegends.h"
#include "dream/Untmomo.h"
#include "support/RecordingPlatform.h"
#include "widgets/TAAScrollText.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class LegendsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scrollsAsDesigned_data();
    void scrollsAsDesigned();
    void opensStillAtTheTop();
    void tailFollowsTheLastSection();
    void doubleClickCloses();
    void singleClicksAndKeysDoNothing();
    void dockingTakesTheClientRectangle();
    void mainWindowDocksTheLegends();

private:
    TFrmmomo *openWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    QPointer<TFrmmomo> m_window;
};

void LegendsWindowTest::initTestCase()
{
    installFontSubstitutes();
}

void LegendsWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    setAppPath(m_dir->path());
    m_platform = std::make_unique<RecordingPlatform>();
}

void LegendsWindowTest::cleanup()
{
    delete m_window.data();
    m_platform.reset();
    setAppPath(QString());
    m_dir.reset();
}

TFrmmomo *LegendsWindowTest::openWindow()
{
    Frmmomo = m_window = new TFrmmomo;
    m_window->resize(600, 400);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.data()))
        qWarning("legends window not exposed");
    return m_window.data();
}

void LegendsWindowTest::scrollsAsDesigned_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("active") << QByteArray("active") << QVariant(true);
    QTest::newRow("one pixel a tick") << QByteArray("scrollStep") << QVariant(1);
    QTest::newRow("60 ms a tick") << QByteArray("scrollDelay") << QVariant(60);
    QTest::newRow("two seconds at the start") << QByteArray("repeatDelay") << QVariant(2000);
    QTest::newRow("without end") << QByteArray("repeatCount") << QVariant(0);
    QTest::newRow("white") << QByteArray("backgroundColor") << QVariant(QColor(Qt::white));
    QTest::newRow("centred") << QByteArray("alignment") << QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter));
    QTest::newRow("no word wrap") << QByteArray("wordWrap") << QVariant(false);
    QTest::newRow("row pitch") << QByteArray("rowPitch") << QVariant(20);
    QTest::newRow("fading") << QByteArray("fade") << QVariant(true);
    QTest::newRow("fade rows") << QByteArray("fadeHeight") << QVariant(10);
    QTest::newRow("head space") << QByteArray("headSpace") << QVariant(0);
    QTest::newRow("tail space") << QByteArray("tailSpace") << QVariant(60);
}

// The window's form configures the scrolling text as the legends need it.
void LegendsWindowTest::scrollsAsDesigned()
{
    QFETCH(QByteArray, setting);
    QFETCH(QVariant, value);
    openWindow();
    QCOMPARE(m_window->AAScrollText1->property(setting.constData()), value);
    QCOMPARE(m_window->AAScrollText1->font().pixelSize(), 11);
    QCOMPARE(m_window->AAScrollText1->labelEffect(), ScrollText::LabelEffect::UntilNextLabel);
}

void LegendsWindowTest::opensStillAtTheTop()
{
    openWindow();
    auto *text = m_window->findChild<TAAScrollText *>(QStringLiteral("AAScrollText1"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), m_window->rect());
    QCOMPARE(text->lines(), dreamLegendLines());
    QVERIFY(text->active());

    const ScrollText::Layout &layout = text->renderedLayout();
    QCOMPARE(layout.lines.size(), 331);
    QCOMPARE(layout.lines.at(0).text, QStringLiteral("周公解梦"));
    QCOMPARE(layout.lines.at(0).y, 10);
    QCOMPARE(text->fontLabels().at(layout.lines.at(0).font).name, QStringLiteral("Title1"));
    // "<Text1>" alone shows as an empty line in the body font.
    QCOMPARE(layout.lines.at(9).text, QString());
    QCOMPARE(text->fontLabels().at(layout.lines.at(9).font).name, QStringLiteral("Text1"));

    // The first tick finds the start position and holds the text there.
    QTRY_VERIFY(text->isPausing());
    QCOMPARE(text->position(), 0);
    const QImage shot = text->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < shot.width(); ++x)
        QCOMPARE(shot.pixel(x, 0), qRgb(255, 255, 255));
    bool headingInk = false;
    for (int y = 10; y < 10 + layout.lines.at(0).height && !headingInk; ++y) {
        for (int x = 0; x < shot.width() && !headingInk; ++x)
            headingInk = shot.pixel(x, y) != qRgb(255, 255, 255);
    }
    QVERIFY(headingInk);
}

void LegendsWindowTest::tailFollowsTheLastSection()
{
    openWindow();
    TAAScrollText *text = m_window->AAScrollText1;
    const ScrollText::Layout &layout = text->renderedLayout();
    const ScrollText::PlacedLine &last = layout.lines.constLast();
    QCOMPARE(last.text, QString());
    QCOMPARE(layout.lines.at(layout.lines.size() - 2).text, dreamLegendLines().at(329));
    QCOMPARE(layout.imageHeight, last.y + last.height + text->height() * 60 / 100);
    QCOMPARE(text->renderedImage().height(), layout.imageHeight);
}

void LegendsWindowTest::doubleClickCloses()
{
    openWindow();
    QTest::mouseDClick(m_window->AAScrollText1, Qt::LeftButton, {}, QPoint(100, 200));
    QVERIFY(Frmmomo.isNull());
    QTRY_VERIFY(m_window.isNull());
}

void LegendsWindowTest::singleClicksAndKeysDoNothing()
{
    openWindow();
    QTest::mouseClick(m_window->AAScrollText1, Qt::LeftButton);
    QTest::mouseClick(m_window->AAScrollText1, Qt::RightButton);
    QTest::keyClick(m_window->AAScrollText1, Qt::Key_Escape);
    QTest::keyClick(m_window->AAScrollText1, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(Frmmomo.data(), m_window.data());
}

void LegendsWindowTest::dockingTakesTheClientRectangle()
{
    QFrame panel;
    panel.setFrameStyle(QFrame::Box | QFrame::Raised);
    panel.resize(300, 200);
    panel.show();
    Frmmomo = m_window = new TFrmmomo;
    m_window->dockInto(&panel);
    m_window->show();
    QCOMPARE(m_window->parentWidget(), &panel);
    QVERIFY(!m_window->isWindow());
    QVERIFY(panel.contentsRect() != panel.rect());
    QCOMPARE(m_window->geometry(), panel.contentsRect());
    QCOMPARE(m_window->AAScrollText1->size(), panel.contentsRect().size());
    // It follows the panel's later resizes.
    panel.resize(400, 260);
    QCOMPARE(m_window->geometry(), panel.contentsRect());
    panel.resize(250, 150);
    QCOMPARE(m_window->geometry(), panel.contentsRect());
    delete m_window.data();
}

void LegendsWindowTest::mainWindowDocksTheLegends()
{
    TFrmmain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.N8Click();
    QPointer<TFrmmomo> first = Frmmomo;
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), main.RzPanel1);
    QCOMPARE(first->geometry(), main.RzPanel1->contentsRect());
    QVERIFY(first->isVisible());

    main.N8Click();
    QVERIFY(first.isNull());
    QPointer<TFrmmomo> second = Frmmomo;
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->geometry(), main.RzPanel1->contentsRect());

    // No strip of the panel shows beside it after the main window grows or the
    // left panel goes.
    main.resize(main.width() + 120, main.height() + 80);
    QCoreApplication::processEvents();
    QCOMPARE(second->geometry(), main.RzPanel1->contentsRect());
    main.Paneleft->hide();
    main.Desk->layout()->activate();
    QCOMPARE(second->geometry(), main.RzPanel1->contentsRect());
    main.Paneleft->show();

    QTest::mouseDClick(second->AAScrollText1, Qt::LeftButton);
    QVERIFY(Frmmomo.isNull());
    QTRY_VERIFY(second.isNull());
    QVERIFY(main.Image1->isVisible());
}

QTEST_MAIN(LegendsWindowTest)
#include "tst_momo.moc"
