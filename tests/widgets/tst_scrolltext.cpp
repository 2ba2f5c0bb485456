#include "widgets/ScrollTextRender.h"
#include "widgets/TAAScrollText.h"

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace ScrollText;

class ScrollTextTest : public QObject
{
    Q_OBJECT
private slots:
    void fadeWeights_data();
    void fadeWeights();
    void fadeComponents_data();
    void fadeComponents();
    void fadeTableMatchesFormula();
    void parsing_data();
    void parsing();
    void lineHeights_data();
    void lineHeights();
    void layout_data();
    void layout();
    void wordWrapKeepsLinesInside();
    void motion_data();
    void motion();
    void view_data();
    void view();
    void viewWithoutImageIsBackground();
    void shadowAndGradientDraw();

    void rendersWhenSizeOrLookChanges_data();
    void rendersWhenSizeOrLookChanges();
    void ticksNeitherLayOutNorDraw();
    void scrolledFramesMatchFullPaints();
    void pausesAtStartThenScrolls();
    void repeatCountFinishes();
    void doubleClickIsSignalled();
};

namespace {

// A label list for layout cases: "<Big>" lines are 20 pixels high, "<Mid>" 13.
QList<FontLabel> fakeLabels()
{
    return {{QStringLiteral("Big"), QFont(), Qt::black, {}}, {QStringLiteral("Mid"), QFont(), Qt::black, {}}};
}

QSize fakeMeasure(const QString &text, int font)
{
    const int heights[] = {20, 13};
    return QSize(10 * int(text.size()), font >= 0 ? heights[font] : 10);
}

QList<ParsedLine> parsed(const QStringList &lines, const QList<FontLabel> &labels)
{
    QList<ParsedLine> result;
    for (const QString &line : lines)
        result << parseLine(line, labels, {});
    return result;
}

// An image whose rows tell their own number.
QImage numberedRows(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), width, qRgb(y, 100 + y, 3 * y));
    return image;
}

QRect inkBounds(const QImage &image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

void ScrollTextTest::fadeWeights_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("weight");
    QTest::newRow("edge row") << 0 << 10 << 0;
    QTest::newRow("second row") << 1 << 10 << 28;
    QTest::newRow("middle") << 4 << 10 << 113;
    QTest::newRow("ninth row") << 8 << 10 << 226;
    QTest::newRow("tenth row") << 9 << 10 << 255;
    QTest::newRow("band of one row") << 0 << 1 << 0;
    QTest::newRow("other band height") << 2 << 5 << 127;
}

void ScrollTextTest::fadeWeights()
{
    QFETCH(int, k);
    QFETCH(int, height);
    QFETCH(int, weight);
    QCOMPARE(fadeWeight(k, height), weight);
}

void ScrollTextTest::fadeComponents_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("result");
    QTest::newRow("same as background") << 255 << 255 << 0 << 255;
    QTest::newRow("weight 0 is background") << 0 << 255 << 0 << 255;
    QTest::newRow("dark on white, full weight") << 0 << 255 << 255 << 0;
    QTest::newRow("light on black, full weight") << 255 << 0 << 255 << 254;
    QTest::newRow("half, exact") << 0 << 255 << 128 << 127;
    QTest::newRow("negative rounds down") << 100 << 255 << 128 << 177;
    QTest::newRow("second row, dark") << 0 << 255 << 28 << 227;
    QTest::newRow("second row, light") << 255 << 0 << 28 << 27;
    QTest::newRow("grey on grey") << 68 << 200 << 113 << 141;
}

void ScrollTextTest::fadeComponents()
{
    QFETCH(int, c);
    QFETCH(int, b);
    QFETCH(int, w);
    QFETCH(int, result);
    QCOMPARE(fadeComponent(c, b, w), result);
}

void ScrollTextTest::fadeTableMatchesFormula()
{
    const QRgb background = qRgb(250, 240, 10);
    FadeTable table;
    table.build(background, 10);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(68, 68, 68), qRgb(0, 0, 255), background};
    for (int k = 0; k < 10; ++k) {
        QRgb row[std::size(colours)];
        std::copy(std::begin(colours), std::end(colours), row);
        table.fadeRow(row, int(std::size(row)), k);
        const int w = fadeWeight(k, 10);
        for (size_t i = 0; i < std::size(colours); ++i) {
            const QRgb expected = qRgb(fadeComponent(qRed(colours[i]), qRed(background), w),
                                       fadeComponent(qGreen(colours[i]), qGreen(background), w),
                                       fadeComponent(qBlue(colours[i]), qBlue(background), w));
            QCOMPARE(row[i], expected);
        }
    }
}

void ScrollTextTest::parsing_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("alignment"); // 0 when the line names none
    QTest::newRow("heading") << "<Title1>周公解梦" << "周公解梦" << 0 << 0;
    QTest::newRow("any case") << "<tiTLE2>诗曰:" << "诗曰:" << 1 << 0;
    QTest::newRow("tag alone") << "<Text1>" << "" << 3 << 0;
    QTest::newRow("last label wins") << "<Title1>a<Text1>b" << "ab" << 3 << 0;
    QTest::newRow("unknown tag stays") << "a<Title9>b" << "a<Title9>b" << -1 << 0;
    QTest::newRow("comparison signs") << "1 < 2 > 0" << "1 < 2 > 0" << -1 << 0;
    QTest::newRow("doubled bracket") << "<<Title4>x" << "<x" << 5 << 0;
    QTest::newRow("alignment") << "<Right>x" << "x" << -1 << int(Qt::AlignRight);
    QTest::newRow("substitution") << "by <Owner>, <organization>" << "by Ann, Velmora Works" << -1 << 0;
    QTest::newRow("substitution is not parsed again") << "<AppTitle>" << "<Text1>" << -1 << 0;
}

void ScrollTextTest::parsing()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(int, font);
    QFETCH(int, alignment);
    Substitutions values;
    values.owner = QStringLiteral("Ann");
    values.organization = QStringLiteral("Velmora Works");
    values.appTitle = QStringLiteral("<Text1>");
    const ParsedLine result = parseLine(line, standardFontLabels(), values);
    QCOMPARE(result.text, text);
    QCOMPARE(result.fontLabel, font);
    QCOMPARE(int(result.alignment.value_or(Qt::Alignment())), alignment);
}

void ScrollTextTest::lineHeights_data()
{
    QTest::addColumn<int>("textHeight");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("height");
    QTest::newRow("10 px") << 10 << 20 << 12;
    QTest::newRow("12 px rounds down") << 12 << 20 << 14;
    QTest::newRow("13 px rounds up") << 13 << 20 << 16;
    QTest::newRow("16 px") << 16 << 20 << 19;
    QTest::newRow("no pitch") << 15 << 0 << 15;
    QTest::newRow("half rounds up") << 1 << 50 << 2;
}

void ScrollTextTest::lineHeights()
{
    QFETCH(int, textHeight);
    QFETCH(int, pitch);
    QFETCH(int, height);
    QCOMPARE(lineHeight(textHeight, pitch), height);
}

void ScrollTextTest::layout_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<int>("headSpace");
    QTest::addColumn<bool>("currentLineOnly");
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<QList<int>>("ys");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("imageHeight");

    // Lines start below the 10-pixel fade band; the tail is 60 % of the view.
    QTest::newRow("label stays in force")
        << QStringList{"<Big>abc", "de", "<Mid>f", ""} << QSize(100, 50) << 0 << false
        << QList<int>{35, 40, 45, 50} << QList<int>{10, 34, 58, 74} << QList<int>{24, 24, 16, 16} << 90 + 30;
    QTest::newRow("label for one line") << QStringList{"<Big>a", "b"} << QSize(100, 50) << 0 << true
                                        << QList<int>{45, 45} << QList<int>{10, 34} << QList<int>{24, 12}
                                        << 46 + 30;
    QTest::newRow("odd width rounds down") << QStringList{"abc"} << QSize(101, 10) << 0 << false << QList<int>{35}
                                           << QList<int>{10} << QList<int>{12} << 22 + 6;
    QTest::newRow("wider than the view") << QStringList{"abc"} << QSize(25, 10) << 0 << false << QList<int>{-3}
                                         << QList<int>{10} << QList<int>{12} << 22 + 6;
    QTest::newRow("at least the view") << QStringList{"a"} << QSize(100, 400) << 0 << false << QList<int>{45}
                                       << QList<int>{10} << QList<int>{12} << 400;
    QTest::newRow("tail rounds down") << QStringList{"<Big>a"} << QSize(100, 56) << 0 << false << QList<int>{45}
                                      << QList<int>{10} << QList<int>{24} << 34 + 33;
    QTest::newRow("head space") << QStringList{"a"} << QSize(100, 56) << 10 << false << QList<int>{45}
                                << QList<int>{15} << QList<int>{12} << 27 + 33;
    QTest::newRow("alignment tags") << QStringList{"<Left>abc", "<Right>abc", "abc"} << QSize(100, 10) << 0 << false
                                    << QList<int>{0, 70, 35} << QList<int>{10, 22, 34} << QList<int>{12, 12, 12}
                                    << 46 + 6;
}

void ScrollTextTest::layout()
{
    QFETCH(QStringList, lines);
    QFETCH(QSize, view);
    QFETCH(int, headSpace);
    QFETCH(bool, currentLineOnly);
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, ys);
    QFETCH(QList<int>, heights);
    QFETCH(int, imageHeight);

    LayoutSettings settings;
    settings.view = view;
    settings.fadeHeight = 10;
    settings.headSpace = headSpace;
    settings.tailSpace = 60;
    settings.labelEffect = currentLineOnly ? LabelEffect::CurrentLineOnly : LabelEffect::UntilNextLabel;
    const Layout result = layoutLines(parsed(lines, fakeLabels()), settings, fakeMeasure);
    QList<int> gotX, gotY, gotHeight;
    for (const PlacedLine &line : result.lines)
        gotX << line.x, gotY << line.y, gotHeight << line.height;
    QCOMPARE(gotX, xs);
    QCOMPARE(gotY, ys);
    QCOMPARE(gotHeight, heights);
    QCOMPARE(result.imageHeight, imageHeight);
}

void ScrollTextTest::wordWrapKeepsLinesInside()
{
    Style style;
    style.labels = standardFontLabels();
    LayoutSettings settings;
    settings.view = QSize(120, 100);
    settings.wordWrap = true;
    const QString line = QStringLiteral("<Text1>梦见天开主贵显 梦登天门主高升 梦天裂开主国忧");
    const Layout result = layoutLines(parsed({line}, style.labels), settings, fontMeasure(style), fontWrap(style));
    QVERIFY(result.lines.size() > 1);
    QString joined;
    const QFontMetrics fm(style.labels.at(3).font);
    for (const PlacedLine &placed : result.lines) {
        QVERIFY2(fm.horizontalAdvance(placed.text) <= 120, qPrintable(placed.text));
        QVERIFY(placed.x >= 0);
        joined += placed.text;
    }
    QCOMPARE(joined.remove(QLatin1Char(' ')), parseLine(line, style.labels, {}).text.remove(QLatin1Char(' ')));
}

void ScrollTextTest::motion_data()
{
    QTest::addColumn<int>("imageHeight");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("repeatCount");
    QTest::addColumn<QString>("sequence");
    // "P" is a pause at the start, after which the text moves on; "F" the end.
    QTest::newRow("row by row, round and round") << 5 << 1 << 0 << "P1 2 3 4 0 P1 2 3 4 0 P1";
    QTest::newRow("two rows a tick") << 7 << 2 << 0 << "P2 4 6 0 P2 4";
    QTest::newRow("two passes") << 3 << 1 << 2 << "P1 2 0 P1 2 0 F F";
    QTest::newRow("image no taller than a step") << 1 << 1 << 0 << "P0 P0 P0";
}

void ScrollTextTest::motion()
{
    QFETCH(int, imageHeight);
    QFETCH(int, step);
    QFETCH(int, repeatCount);
    QFETCH(QString, sequence);
    Motion motion;
    motion.step = step;
    motion.repeatCount = repeatCount;
    QStringList seen;
    while (seen.join(QLatin1Char(' ')).size() < sequence.size()) {
        switch (motion.tick(imageHeight)) {
        case Motion::Tick::Pause:
            motion.resume(imageHeight);
            seen << QStringLiteral("P%1").arg(motion.position());
            break;
        case Motion::Tick::Finished:
            seen << QStringLiteral("F");
            break;
        case Motion::Tick::Advance:
        case Motion::Tick::Wrap:
            seen << QString::number(motion.position());
            break;
        }
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), sequence);
}

void ScrollTextTest::view_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("viewHeight");
    QTest::newRow("start") << 0 << 30;
    QTest::newRow("inside") << 5 << 30;
    QTest::newRow("across the seam") << 25 << 30;
    QTest::newRow("last row on top") << 39 << 30;
    QTest::newRow("view lower than both bands") << 3 << 13;
}

void ScrollTextTest::view()
{
    QFETCH(int, position);
    QFETCH(int, viewHeight);
    const int imageHeight = 40;
    const QImage image = numberedRows(4, imageHeight);
    const QRgb background = qRgb(255, 255, 255);
    FadeTable fade;
    fade.build(background, 10);
    QImage view(4, viewHeight, QImage::Format_RGB32);
    view.fill(Qt::magenta);
    QImage scratch;
    {
        QPainter painter(&view);
        paintView(painter, image, position, view.size(), fade, scratch, view.rect());
    }
    for (int row = 0; row < viewHeight; ++row) {
        const QRgb source = image.pixel(0, (position + row) % imageHeight);
        const int k = std::min(row, viewHeight - 1 - row);
        QRgb expected = source;
        if (k < 10) {
            const int w = fadeWeight(k, 10);
            expected = qRgb(fadeComponent(qRed(source), 255, w), fadeComponent(qGreen(source), 255, w),
                            fadeComponent(qBlue(source), 255, w));
        }
        for (int x = 0; x < 4; ++x)
            QCOMPARE(view.pixel(x, row), expected);
    }
}

void ScrollTextTest::viewWithoutImageIsBackground()
{
    FadeTable fade;
    fade.build(qRgb(10, 20, 30), 10);
    QImage view(8, 30, QImage::Format_RGB32);
    view.fill(Qt::magenta);
    QImage scratch;
    {
        QPainter painter(&view);
        paintView(painter, QImage(), 7, view.size(), fade, scratch, view.rect());
    }
    QCOMPARE(inkBounds(view, qRgb(10, 20, 30)), QRect());
}

void ScrollTextTest::shadowAndGradientDraw()
{
    const QRgb white = qRgb(255, 255, 255);
    auto draw = [&](const TextEffect &effect) {
        QImage image(120, 60, QImage::Format_RGB32);
        image.fill(white);
        QPainter painter(&image);
        QFont font;
        font.setPixelSize(24);
        drawStyledText(painter, 10, 10, QStringLiteral("HHH"), font, Qt::black, effect);
        painter.end();
        return image;
    };
    const QRect plain = inkBounds(draw({}), white);
    QVERIFY(!plain.isEmpty());
    TextEffect shadow;
    shadow.shadow = true;
    shadow.shadowOffset = QPoint(2, 2);
    shadow.shadowBlur = 0;
    const QRect shadowed = inkBounds(draw(shadow), white);
    QVERIFY(shadowed.right() >= plain.right() + 2);
    QVERIFY(shadowed.bottom() >= plain.bottom() + 2);
    QCOMPARE(shadowed.topLeft(), plain.topLeft());

    TextEffect gradient;
    gradient.gradient = true;
    gradient.gradientFrom = QColor(0, 0, 255);
    gradient.gradientTo = QColor(255, 0, 0);
    const QImage coloured = draw(gradient);
    const int y = plain.center().y();
    auto inkAt = [&](int from, int step) {
        for (int x = from; x >= 0 && x < coloured.width(); x += step) {
            if (coloured.pixel(x, y) != white && qAlpha(coloured.pixel(x, y)))
                return QColor(coloured.pixel(x, y));
        }
        return QColor();
    };
    const QColor left = inkAt(0, 1);
    const QColor right = inkAt(coloured.width() - 1, -1);
    QVERIFY(left.blue() > left.red());
    QVERIFY(right.red() > right.blue());
}

void ScrollTextTest::rendersWhenSizeOrLookChanges_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("size") << 0;
    QTest::newRow("font") << 1;
    QTest::newRow("text colour") << 2;
    QTest::newRow("background") << 3;
    QTest::newRow("text") << 4;
}

void ScrollTextTest::rendersWhenSizeOrLookChanges()
{
    QFETCH(int, change);
    TAAScrollText text;
    text.setLines({QStringLiteral("<Title1>周公解梦"), QString(), QStringLiteral("<Text1>梦见天开主贵显")});
    text.setRepeatDelay(0);
    text.resize(200, 100);
    text.show();
    QVERIFY(QTest::qWaitForWindowExposed(&text));
    text.tick();
    QVERIFY(text.isPausing());
    QTRY_VERIFY(text.position() > 0);
    text.tick();
    const int renders = text.renderCount();

    switch (change) {
    case 0:
        text.resize(160, 120);
        break;
    case 1: {
        QFont font = text.font();
        font.setPixelSize(20);
        text.setFont(font);
        break;
    }
    case 2: {
        QPalette palette = text.palette();
        palette.setColor(QPalette::WindowText, Qt::darkGreen);
        text.setPalette(palette);
        break;
    }
    case 3:
        text.setBackgroundColor(QColor(250, 250, 200));
        break;
    case 4:
        text.setLines({QStringLiteral("<Text1>梦")});
        break;
    }
    QCOMPARE(text.position(), 0);
    const QImage &image = text.renderedImage();
    QCOMPARE(text.renderCount(), renders + 1);
    QCOMPARE(image.width(), text.width());
    QVERIFY(image.height() >= text.height());
    QCOMPARE(image.pixel(0, 0), text.backgroundColor().rgb());
}

void ScrollTextTest::ticksNeitherLayOutNorDraw()
{
    TAAScrollText text;
    text.setLines({QStringLiteral("<Title1>周公解梦"), QStringLiteral("<Text1>梦见天开主贵显")});
    text.setRepeatDelay(0);
    text.resize(200, 60);
    text.show();
    QVERIFY(QTest::qWaitForWindowExposed(&text));
    text.tick();
    QTRY_VERIFY(text.position() > 0);
    const int renders = text.renderCount();
    const int imageHeight = text.renderedImage().height();
    for (int i = 0; i < 3 * imageHeight; ++i) {
        text.tick();
        if (text.isPausing())
            QTRY_VERIFY(!text.isPausing());
    }
    QCoreApplication::processEvents();
    QCOMPARE(text.renderCount(), renders);
    QVERIFY(text.passes() >= 2);
}

void ScrollTextTest::scrolledFramesMatchFullPaints()
{
    // Ticks shift what is already on screen; the result must equal painting
    // the whole view afresh, across the seam too.
    TAAScrollText text;
    text.setLines({QStringLiteral("<Title1>周公解梦"), QString(), QStringLiteral("<Text1>梦见天开主贵显"),
                   QStringLiteral("梦登天门主高升")});
    text.setRepeatDelay(0);
    text.resize(160, 90);
    text.show();
    QVERIFY(QTest::qWaitForWindowExposed(&text));
    const int imageHeight = text.renderedImage().height();
    int compared = 0;
    for (int i = 0; i < imageHeight + 40; ++i) {
        if (!text.isPausing())
            text.tick();
        QCoreApplication::processEvents();
        if (i % 5 != 0 || text.isPausing())
            continue;
        // A tick that ends a pause posts its repaint while events are processed.
        QCoreApplication::processEvents();
        const QImage onScreen = text.screen()->grabWindow(text.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = text.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), painted.size());
        QVERIFY2(onScreen == painted, qPrintable(QStringLiteral("position %1").arg(text.position())));
        ++compared;
    }
    QVERIFY(text.passes() >= 1);
    QVERIFY(compared > 10);
}

void ScrollTextTest::pausesAtStartThenScrolls()
{
    TAAScrollText text;
    text.setLines({QStringLiteral("<Text1>梦")});
    text.setScrollDelay(2);
    text.setRepeatDelay(1000);
    text.resize(100, 200);
    text.show();
    text.setActive(true);
    QTRY_VERIFY(text.isPausing());
    QCOMPARE(text.position(), 0);
    QVERIFY(!text.isTicking());
    QTRY_VERIFY(text.position() > 0);
    QVERIFY(text.isTicking());
    // After a whole pass the text stands at its start again, here for long.
    text.setRepeatDelay(60000);
    QTRY_VERIFY(text.passes() == 1 && text.isPausing());
    QCOMPARE(text.position(), 0);
}

void ScrollTextTest::repeatCountFinishes()
{
    TAAScrollText text;
    text.setLines({QStringLiteral("<Text1>梦")});
    text.setScrollDelay(1);
    text.setRepeatDelay(1);
    text.setRepeatCount(1);
    text.resize(100, 30);
    text.show();
    QSignalSpy finished(&text, &TAAScrollText::finished);
    text.setActive(true);
    QTRY_COMPARE(finished.size(), 1);
    QVERIFY(!text.active());
    QVERIFY(!text.isTicking() && !text.isPausing());
    QCOMPARE(text.position(), 0);
}

void ScrollTextTest::doubleClickIsSignalled()
{
    TAAScrollText text;
    text.resize(100, 40);
    text.show();
    QSignalSpy doubleClicks(&text, &TAAScrollText::doubleClicked);
    QTest::mouseClick(&text, Qt::LeftButton);
    QTest::keyClick(&text, Qt::Key_Return);
    QCOMPARE(doubleClicks.size(), 0);
    QTest::mouseDClick(&text, Qt::LeftButton);
    QCOMPARE(doubleClicks.size(), 1);
}

QTEST_MAIN(ScrollTextTest)
#include "tst_scrolltext.moc"
