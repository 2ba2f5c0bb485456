// Draws every picture the program ships with. Run by hand:
//   make-art assets/pictures [contact-sheet.png]
// The application icon goes to icons/hicolor beside the pictures folder.
// The output is committed, so everything here must be deterministic:
// no time, no unseeded randomness, fixed drawing order.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr qreal kPi = 3.14159265358979323846;

// One palette for everything so the pictures read as one family.
namespace col {
const QColor ink(0x1b, 0x2a, 0x52);        // outlines
const QColor night(0x13, 0x23, 0x4d);
const QColor blue(0x3a, 0x67, 0xae);
const QColor blueLight(0xa8, 0xc6, 0xec);
const QColor gold(0xe6, 0xb0, 0x3c);
const QColor goldLight(0xf7, 0xd9, 0x82);
const QColor goldDark(0xa8, 0x74, 0x1c);
const QColor vermilion(0xcc, 0x3f, 0x2a);
const QColor vermilionLight(0xe8, 0x6e, 0x55);
const QColor vermilionDark(0x96, 0x2a, 0x1c);
const QColor cream(0xfb, 0xf4, 0xdf);
const QColor paper(0xf2, 0xe3, 0xbf);
const QColor jade(0x3c, 0x8f, 0x73);
const QColor skin(0xf2, 0xca, 0xa2);
} // namespace col

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// Linear congruential generator: same stars on every run and every machine.
struct Rng {
    quint32 state;
    explicit Rng(quint32 seed) : state(seed) {}
    quint32 next()
    {
        state = state * 1664525u + 1013904223u;
        return state;
    }
    double uniform() { return (next() >> 8) / double(1 << 24); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
};

QPen inkPen(qreal width, QColor c = col::ink)
{
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Qt has no blur outside Widgets; three box passes come close to a Gaussian.
void boxBlur(QImage &img, int radius, int passes = 3)
{
    if (radius <= 0)
        return;
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width();
    const int h = img.height();
    std::vector<float> buf(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float *px = &buf[(size_t(y) * w + x) * 4];
            px[0] = qAlpha(line[x]);
            px[1] = qRed(line[x]);
            px[2] = qGreen(line[x]);
            px[3] = qBlue(line[x]);
        }
    }
    std::vector<float> out(std::max(w, h));
    auto pass = [&](bool horizontal) {
        const int len = horizontal ? w : h;
        const int lines = horizontal ? h : w;
        for (int l = 0; l < lines; ++l) {
            for (int c = 0; c < 4; ++c) {
                auto at = [&](int i) -> float & {
                    i = std::clamp(i, 0, len - 1);
                    const int x = horizontal ? i : l;
                    const int y = horizontal ? l : i;
                    return buf[(size_t(y) * w + x) * 4 + c];
                };
                float sum = 0;
                for (int i = -radius; i <= radius; ++i)
                    sum += at(i);
                for (int i = 0; i < len; ++i) {
                    out[i] = sum / float(2 * radius + 1);
                    sum += at(i + radius + 1) - at(i - radius);
                }
                for (int i = 0; i < len; ++i)
                    at(i) = out[i];
            }
        }
    };
    for (int i = 0; i < passes; ++i) {
        pass(true);
        pass(false);
    }
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float *px = &buf[(size_t(y) * w + x) * 4];
            auto ch = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
            const int a = ch(px[0]);
            line[x] = qRgba(std::min(ch(px[1]), a), std::min(ch(px[2]), a), std::min(ch(px[3]), a), a);
        }
    }
}

// ---------------------------------------------------------------- shapes

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points = 5, qreal rotDeg = -90)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = (rotDeg + i * 180.0 / points) * kPi / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// Four-pointed twinkle with pinched sides.
QPainterPath sparklePath(QPointF c, qreal r)
{
    QPainterPath path;
    const qreal k = r * 0.18;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath crescentPath(QPointF c, qreal r, QPointF cut, qreal cutR)
{
    return circle(c, r).subtracted(circle(cut, cutR));
}

struct Bump {
    qreal x, y, r;
};

// A cartoon cloud: round bumps on top of a flat rounded base.
QPainterPath cloudPath(const std::vector<Bump> &bumps, QRectF base)
{
    QPainterPath path;
    path.addRoundedRect(base, base.height() / 2, base.height() / 2);
    for (const Bump &b : bumps)
        path = path.united(circle(QPointF(b.x, b.y), b.r));
    return path.simplified();
}

QPainterPath heartPath(QPointF c, qreal s)
{
    auto P = [&](qreal x, qreal y) { return QPointF(c.x() + x * s, c.y() + y * s); };
    QPainterPath path;
    path.moveTo(P(0, 0.45));
    path.cubicTo(P(-0.25, 0.25), P(-0.5, 0.05), P(-0.5, -0.17));
    path.cubicTo(P(-0.5, -0.4), P(-0.32, -0.5), P(-0.24, -0.5));
    path.cubicTo(P(-0.1, -0.5), P(-0.02, -0.42), P(0, -0.3));
    path.cubicTo(P(0.02, -0.42), P(0.1, -0.5), P(0.24, -0.5));
    path.cubicTo(P(0.32, -0.5), P(0.5, -0.4), P(0.5, -0.17));
    path.cubicTo(P(0.5, 0.05), P(0.25, 0.25), P(0, 0.45));
    path.closeSubpath();
    return path;
}

// Petal from base to tip, bulging by width on both sides.
QPainterPath petalPath(QPointF base, QPointF tip, qreal width)
{
    const QPointF axis = tip - base;
    const qreal len = std::hypot(axis.x(), axis.y());
    const QPointF n(-axis.y() / len * width, axis.x() / len * width);
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + axis * 0.25 + n, base + axis * 0.7 + n, tip);
    path.cubicTo(base + axis * 0.7 - n, base + axis * 0.25 - n, base);
    path.closeSubpath();
    return path;
}

void fillStroke(QPainter &p, const QPainterPath &path, const QBrush &fill, qreal w, QColor line = col::ink)
{
    p.setBrush(fill);
    p.setPen(w > 0 ? inkPen(w, line) : Qt::NoPen);
    p.drawPath(path);
}

QLinearGradient vgrad(qreal y0, qreal y1, QColor a, QColor b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QRadialGradient rgrad(QPointF c, qreal r, QColor inner, QColor outer, QPointF focal = QPointF())
{
    QRadialGradient g(c, r, focal.isNull() ? c : focal);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    return g;
}

// Spiral used inside the traditional cloud curls.
QPainterPath spiralPath(QPointF c, qreal r0, qreal r1, qreal startDeg, qreal turnsDeg)
{
    QPainterPath path;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal r = r0 + (r1 - r0) * t;
        const qreal a = (startDeg + turnsDeg * t) * kPi / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

// Auspicious cloud (xiangyun): curled heads on a flat base with a trailing wisp.
// Drawn in a 0..120 x 0..40 box, placed by origin and scale; mirror flips it.
void drawXiangyun(QPainter &p, QPointF origin, qreal scale, QBrush fill, QColor line, qreal lineW, bool mirror = false)
{
    p.save();
    p.translate(origin);
    p.scale(mirror ? -scale : scale, scale);
    const qreal w = lineW / scale;
    const std::vector<Bump> heads = {{28, 20, 13}, {50, 13, 11}, {68, 21, 9}};
    QPainterPath body = cloudPath(heads, QRectF(14, 22, 66, 12));
    QPainterPath tail;
    tail.moveTo(74, 26);
    tail.cubicTo(90, 22, 104, 25, 118, 31);
    tail.cubicTo(104, 33, 90, 34, 74, 34);
    tail.closeSubpath();
    body = body.united(tail).simplified();
    p.setBrush(fill);
    p.setPen(line.alpha() > 0 ? inkPen(w, line) : Qt::NoPen);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    if (line.alpha() > 0) {
        for (const Bump &b : heads)
            p.drawPath(spiralPath(QPointF(b.x, b.y + b.r * 0.1), b.r * 0.68, b.r * 0.15, 120, -330));
        p.drawLine(QPointF(80, 30), QPointF(104, 30));
    }
    p.restore();
}

// ---------------------------------------------------------------- 32 x 32 command pictures

constexpr qreal kCmdLine = 1.5;

void cmdScroll(QPainter &p)
{
    fillStroke(p, [] { QPainterPath s; s.addRect(QRectF(9, 8.5, 14, 15)); return s; }(),
               vgrad(8, 24, col::cream, col::paper), kCmdLine);
    p.setPen(inkPen(1.2, alpha(col::ink, 170)));
    p.drawLine(QPointF(12, 12.5), QPointF(20, 12.5));
    p.drawLine(QPointF(12, 16), QPointF(20, 16));
    p.drawLine(QPointF(12, 19.5), QPointF(17.5, 19.5));
    for (qreal x : {4.5, 22.5}) {
        QPainterPath knobs;
        knobs.addRoundedRect(QRectF(x + 1, 2.5, 3, 3), 1, 1);
        knobs.addRoundedRect(QRectF(x + 1, 26.5, 3, 3), 1, 1);
        fillStroke(p, knobs, col::gold, 1.2);
        QPainterPath rod;
        rod.addRoundedRect(QRectF(x, 5, 5, 22), 2, 2);
        QLinearGradient g(x, 0, x + 5, 0);
        g.setColorAt(0, col::vermilionDark);
        g.setColorAt(0.4, col::vermilionLight);
        g.setColorAt(1, col::vermilion);
        fillStroke(p, rod, g, kCmdLine);
    }
}

void cmdOpenBook(QPainter &p)
{
    QPainterPath cover;
    cover.moveTo(2, 9.5);
    cover.lineTo(2, 26);
    cover.cubicTo(7, 24.8, 12, 25, 16, 27.5);
    cover.cubicTo(20, 25, 25, 24.8, 30, 26);
    cover.lineTo(30, 9.5);
    cover.closeSubpath();
    fillStroke(p, cover, col::blue, kCmdLine);
    for (int side : {-1, 1}) {
        auto X = [&](qreal dx) { return 16 + side * dx; };
        QPainterPath page;
        page.moveTo(X(0), 8.5);
        page.cubicTo(X(3.5), 5.8, X(9), 5.8, X(12.5), 7);
        page.lineTo(X(12.5), 23.5);
        page.cubicTo(X(9), 22.2, X(3.5), 22.5, X(0), 25);
        page.closeSubpath();
        fillStroke(p, page, vgrad(6, 25, col::cream, col::paper), kCmdLine);
        p.setPen(inkPen(1.1, alpha(col::ink, 150)));
        for (qreal y : {11.0, 14.5, 18.0})
            p.drawLine(QPointF(X(3), y), QPointF(X(10), y - 0.6));
    }
}

void cmdExit(QPainter &p)
{
    QPainterPath doorway;
    doorway.addRect(QRectF(5.5, 4.5, 13, 23));
    fillStroke(p, doorway, vgrad(4, 28, col::night, col::blue), kCmdLine);
    QPainterPath door;
    door.moveTo(5.5, 4.5);
    door.lineTo(12.5, 7);
    door.lineTo(12.5, 29.5);
    door.lineTo(5.5, 27.5);
    door.closeSubpath();
    fillStroke(p, door, col::vermilion, kCmdLine);
    fillStroke(p, circle(QPointF(10.6, 18), 1.1), col::gold, 0);
    QPainterPath arrow;
    arrow.moveTo(14, 13.5);
    arrow.lineTo(22, 13.5);
    arrow.lineTo(22, 9.5);
    arrow.lineTo(29.5, 16);
    arrow.lineTo(22, 22.5);
    arrow.lineTo(22, 18.5);
    arrow.lineTo(14, 18.5);
    arrow.closeSubpath();
    fillStroke(p, arrow, vgrad(9, 23, col::goldLight, col::gold), kCmdLine);
}

void cmdLantern(QPainter &p)
{
    p.setPen(inkPen(1.3));
    p.drawLine(QPointF(16, 1), QPointF(16, 5.5));
    QPainterPath body;
    body.addEllipse(QPointF(16, 16), 10, 8.5);
    fillStroke(p, body, rgrad(QPointF(16, 16), 10, col::vermilionLight, col::vermilion, QPointF(14, 13)), kCmdLine);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.0, col::vermilionDark));
    p.drawEllipse(QPointF(16, 16), 5, 8.2);
    p.drawLine(QPointF(16, 7.8), QPointF(16, 24.2));
    for (qreal y : {5.0, 24.0}) {
        QPainterPath cap;
        cap.addRoundedRect(QRectF(11, y, 10, 3), 1, 1);
        fillStroke(p, cap, col::gold, 1.2);
    }
    QPainterPath tassel;
    tassel.moveTo(14.5, 27);
    tassel.lineTo(17.5, 27);
    tassel.lineTo(18.5, 31);
    tassel.lineTo(13.5, 31);
    tassel.closeSubpath();
    fillStroke(p, tassel, col::gold, 1.0, col::goldDark);
}

void cmdMoonCloud(QPainter &p)
{
    fillStroke(p, crescentPath(QPointF(13, 13), 10, QPointF(18, 9), 8.5),
               vgrad(3, 23, col::goldLight, col::gold), kCmdLine);
    fillStroke(p, sparklePath(QPointF(25.5, 6), 3.6), col::gold, 1.0);
    fillStroke(p, sparklePath(QPointF(20, 2.8), 2.2), col::gold, 0.9);
    fillStroke(p, cloudPath({{17.5, 22.5, 4.2}, {23, 19.5, 5.5}, {27.5, 23, 3.5}}, QRectF(12.5, 22, 18.5, 6)),
               vgrad(14, 28, col::cream, col::blueLight), kCmdLine);
}

void cmdPhone(QPainter &p)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(9, 3, 14, 26), 3, 3);
    fillStroke(p, body, vgrad(3, 29, col::blue, col::night), kCmdLine);
    QPainterPath screen;
    screen.addRect(QRectF(11.5, 7, 9, 15.5));
    fillStroke(p, screen, vgrad(7, 22, col::cream, col::blueLight), 1.0);
    fillStroke(p, starPath(QPointF(16, 15), 3.6, 1.5), col::gold, 0.9, col::goldDark);
    p.setPen(inkPen(1.2, col::blueLight));
    p.drawLine(QPointF(14.5, 5), QPointF(17.5, 5));
    fillStroke(p, circle(QPointF(16, 25.5), 1.4), col::gold, 0);
}

void cmdCalendar(QPainter &p)
{
    QPainterPath page;
    page.addRoundedRect(QRectF(4.5, 6.5, 23, 22), 2, 2);
    fillStroke(p, page, col::cream, 0);
    p.save();
    p.setClipPath(page);
    p.fillRect(QRectF(4.5, 6.5, 23, 6), col::vermilion);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(kCmdLine));
    p.drawPath(page);
    p.drawLine(QPointF(4.5, 12.5), QPointF(27.5, 12.5));
    for (qreal x : {10.5, 21.5}) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(x - 1.25, 3, 2.5, 6), 1.2, 1.2);
        fillStroke(p, ring, col::gold, 1.1);
    }
    // A month in miniature: one day picked out in vermilion.
    for (int row = 0; row < 3; ++row) {
        for (int c = 0; c < 4; ++c) {
            const QRectF cell(7.5 + c * 4.5, 15 + row * 4.2, 3, 2.6);
            const bool today = (row == 1 && c == 2);
            p.fillRect(cell, today ? col::vermilion : alpha(col::ink, 150));
        }
    }
}

QPainterPath roofPath(qreal cx, qreal top, qreal bottom, qreal halfW, qreal ridge)
{
    QPainterPath r;
    r.moveTo(cx - ridge, top);
    r.lineTo(cx + ridge, top);
    r.quadTo(cx + halfW * 0.65, bottom - 0.3, cx + halfW, bottom - 2.2);
    r.lineTo(cx + halfW * 0.78, bottom);
    r.lineTo(cx - halfW * 0.78, bottom);
    r.lineTo(cx - halfW, bottom - 2.2);
    r.quadTo(cx - halfW * 0.65, bottom - 0.3, cx - ridge, top);
    r.closeSubpath();
    return r;
}

void cmdPagoda(QPainter &p)
{
    p.setPen(inkPen(1.3, col::goldDark));
    p.drawLine(QPointF(16, 1.5), QPointF(16, 7));
    fillStroke(p, circle(QPointF(16, 2.6), 1.3), col::gold, 0);
    const QBrush wall = vgrad(8, 30, col::vermilionLight, col::vermilion);
    auto walls = [&](qreal x0, qreal x1, qreal y0, qreal y1) {
        QPainterPath w;
        w.addRect(QRectF(x0, y0, x1 - x0, y1 - y0));
        fillStroke(p, w, wall, 1.2);
    };
    walls(12.5, 19.5, 10, 14.5);
    walls(11, 21, 17, 22);
    walls(9.5, 22.5, 24.5, 29.5);
    // Door and windows.
    QPainterPath door;
    door.moveTo(14, 29.5);
    door.lineTo(14, 26.5);
    door.quadTo(16, 24.8, 18, 26.5);
    door.lineTo(18, 29.5);
    door.closeSubpath();
    fillStroke(p, door, col::gold, 1.0);
    p.fillRect(QRectF(15, 11.5, 2, 2), col::goldLight);
    p.fillRect(QRectF(14.2, 18.5, 1.6, 2), col::goldLight);
    p.fillRect(QRectF(16.2, 18.5, 1.6, 2), col::goldLight);
    const QBrush tile = vgrad(5, 26, col::blue, col::night);
    fillStroke(p, roofPath(16, 6, 10.5, 8, 1), tile, 1.2);
    fillStroke(p, roofPath(16, 13.5, 17.5, 11, 3), tile, 1.2);
    fillStroke(p, roofPath(16, 20.5, 24.5, 13.5, 4.5), tile, 1.2);
    p.setPen(inkPen(1.3));
    p.drawLine(QPointF(6, 29.5), QPointF(26, 29.5));
}

void cmdDreamSearch(QPainter &p)
{
    fillStroke(p, cloudPath({{8.5, 20.5, 4.2}, {14, 17, 5.5}, {19.5, 21, 3.8}}, QRectF(3, 20.5, 20, 6.5)),
               vgrad(11, 27, col::cream, col::blueLight), kCmdLine);
    QPen handle = inkPen(4.0);
    p.setPen(handle);
    p.drawLine(QPointF(24.5, 15.5), QPointF(29, 20));
    p.setPen(inkPen(2.0, col::goldDark));
    p.drawLine(QPointF(25.2, 16.2), QPointF(28.3, 19.3));
    // Lens: translucent so the cloud shows through it.
    fillStroke(p, circle(QPointF(20, 10.5), 7), alpha(col::blueLight, 110), 3.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.6, col::gold));
    p.drawEllipse(QPointF(20, 10.5), 7, 7);
    fillStroke(p, crescentPath(QPointF(19.5, 10.5), 3.6, QPointF(21.5, 9), 3), col::gold, 0);
}

void cmdSteelyard(QPainter &p)
{
    // Lifting cord at the fulcrum, between the pan and the sliding weight.
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(10, 9), QPointF(10, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 3.2), 1.5, 1.5);
    // Pan cords and the weight's cord.
    p.drawLine(QPointF(5, 11), QPointF(2, 21));
    p.drawLine(QPointF(5, 11), QPointF(10, 21));
    p.drawLine(QPointF(23, 11), QPointF(23, 16.5));
    QPainterPath beam;
    beam.addRoundedRect(QRectF(3, 8.4, 26.5, 3), 1.5, 1.5);
    fillStroke(p, beam, vgrad(8, 12, col::goldLight, col::gold), 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(col::goldDark);
    for (qreal x = 14; x <= 28; x += 2.5)
        p.drawEllipse(QPointF(x, 9.9), 0.55, 0.55);
    QPainterPath pan;
    pan.moveTo(1, 21);
    pan.lineTo(11, 21);
    pan.quadTo(10, 25.5, 6, 25.5);
    pan.quadTo(2, 25.5, 1, 21);
    pan.closeSubpath();
    fillStroke(p, pan, vgrad(21, 26, col::goldLight, col::gold), 1.3);
    QPainterPath weight;
    weight.addEllipse(QPointF(23, 17.3), 1.3, 1.3);
    QPainterPath bell;
    bell.moveTo(21, 18.5);
    bell.lineTo(25, 18.5);
    bell.lineTo(27, 25.5);
    bell.quadTo(23, 27, 19, 25.5);
    bell.closeSubpath();
    weight = weight.united(bell);
    fillStroke(p, weight, vgrad(17, 27, col::vermilionLight, col::vermilion), 1.3);
}

void cmdConstellation(QPainter &p)
{
    const std::vector<QPointF> s = {{5, 24}, {10.5, 13}, {18, 17.5}, {24, 6.5}, {27.5, 23}};
    p.setPen(inkPen(1.3, col::blue));
    p.drawLine(s[0], s[1]);
    p.drawLine(s[1], s[2]);
    p.drawLine(s[2], s[3]);
    p.drawLine(s[2], s[4]);
    const qreal sizes[] = {3.2, 3.6, 4.6, 3.8, 3.3};
    for (size_t i = 0; i < s.size(); ++i)
        fillStroke(p, starPath(s[i], sizes[i], sizes[i] * 0.45), vgrad(s[i].y() - 4, s[i].y() + 4, col::goldLight, col::gold), 1.1);
}

void cmdLotus(QPainter &p)
{
    QPainterPath leaf;
    leaf.moveTo(2, 25.5);
    leaf.quadTo(16, 20, 30, 25.5);
    leaf.quadTo(16, 31, 2, 25.5);
    leaf.closeSubpath();
    fillStroke(p, leaf, vgrad(21, 30, col::jade.lighter(125), col::jade), 1.3);
    const QPointF base(16, 24.5);
    const QColor outer(0xf4, 0xb0, 0x9c), middle(0xee, 0x8a, 0x72);
    fillStroke(p, petalPath(base, QPointF(3.5, 15), 4), vgrad(14, 25, QColor(0xfb, 0xd6, 0xc8), outer), 1.2);
    fillStroke(p, petalPath(base, QPointF(28.5, 15), 4), vgrad(14, 25, QColor(0xfb, 0xd6, 0xc8), outer), 1.2);
    fillStroke(p, petalPath(base, QPointF(8.5, 8.5), 4.2), vgrad(8, 25, QColor(0xf8, 0xc0, 0xae), middle), 1.2);
    fillStroke(p, petalPath(base, QPointF(23.5, 8.5), 4.2), vgrad(8, 25, QColor(0xf8, 0xc0, 0xae), middle), 1.2);
    fillStroke(p, petalPath(base, QPointF(16, 3.5), 4.6), vgrad(3, 25, QColor(0xf6, 0xa8, 0x92), col::vermilion), 1.3);
}

void cmdCoin(QPainter &p)
{
    QPainterPath coin = circle(QPointF(16, 16), 12.8);
    QPainterPath hole;
    hole.addRect(QRectF(12.5, 12.5, 7, 7));
    coin = coin.subtracted(hole);
    fillStroke(p, coin, rgrad(QPointF(16, 16), 13, col::goldLight, col::gold, QPointF(12, 11)), kCmdLine);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.0, col::goldDark));
    p.drawEllipse(QPointF(16, 16), 10.3, 10.3);
    p.drawRect(QRectF(11, 11, 10, 10));
    // Four raised marks where the inscription would sit.
    p.setPen(inkPen(1.6, col::goldDark));
    p.drawLine(QPointF(16, 6.8), QPointF(16, 9.2));
    p.drawLine(QPointF(16, 22.8), QPointF(16, 25.2));
    p.drawLine(QPointF(6.8, 16), QPointF(9.2, 16));
    p.drawLine(QPointF(22.8, 16), QPointF(25.2, 16));
}

void strokeRing(QPainter &p, const QPainterPath &path, QColor c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(5.0));
    p.drawPath(path);
    p.setPen(inkPen(2.6, c));
    p.drawPath(path);
}

void cmdHearts(QPainter &p)
{
    const QPainterPath left = heartPath(QPointF(11.5, 14.5), 17);
    const QPainterPath right = heartPath(QPointF(20.5, 17.5), 17);
    strokeRing(p, left, col::vermilion);
    strokeRing(p, right, col::gold);
    // Lay the left heart back over one crossing so the two read as linked.
    p.save();
    p.setClipRect(QRectF(12, 17, 10, 10));
    strokeRing(p, left, col::vermilion);
    p.restore();
}

// A pillow under a rising crescent, read through a lens: finding last night's dream.
void cmdPillowSearch(QPainter &p)
{
    QPainterPath pillow;
    pillow.moveTo(1.8, 21.5);
    pillow.cubicTo(1.6, 16.5, 5, 14.6, 9, 15.4);
    pillow.cubicTo(13, 16.2, 17, 15.8, 21, 15.2);
    pillow.cubicTo(25, 14.6, 27.6, 17.5, 27.2, 22);
    pillow.cubicTo(26.8, 26.5, 23.5, 29, 19.5, 28.4);
    pillow.cubicTo(15, 27.8, 11, 28.8, 7, 29.2);
    pillow.cubicTo(3.5, 29.5, 2, 26.5, 1.8, 21.5);
    pillow.closeSubpath();
    fillStroke(p, pillow, vgrad(14, 30, col::cream, col::blueLight), kCmdLine);
    p.setPen(inkPen(1.1, alpha(col::blue, 180)));
    p.setBrush(Qt::NoBrush);
    QPainterPath seam;
    seam.moveTo(5.5, 22.8);
    seam.cubicTo(10.5, 21.4, 16, 23.2, 23, 21.6);
    p.drawPath(seam);
    fillStroke(p, crescentPath(QPointF(8.5, 8), 6.5, QPointF(11.8, 5.8), 5.6),
               vgrad(1, 15, col::goldLight, col::gold), 1.3);
    fillStroke(p, sparklePath(QPointF(15.2, 3.2), 2.4), col::gold, 0.9);
    // Handle first, so the rim covers its end.
    p.setPen(inkPen(4.4));
    p.drawLine(QPointF(25.5, 15.5), QPointF(30, 20));
    p.setPen(inkPen(2.3, col::vermilion));
    p.drawLine(QPointF(26.1, 16.1), QPointF(29.4, 19.4));
    fillStroke(p, circle(QPointF(21, 10), 6.8), alpha(col::cream, 170), 3.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(1.6, col::gold));
    p.drawEllipse(QPointF(21, 10), 6.8, 6.8);
    fillStroke(p, starPath(QPointF(21, 10.4), 3.8, 1.6), col::vermilion, 0.9, col::vermilionDark);
}

// ---------------------------------------------------------------- 16 x 16 pictures

constexpr qreal kSmallLine = 1.0;

QPainterPath rectPath(QRectF r, qreal radius = 0)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

void treeSave(QPainter &p)
{
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(12, 1.5);
    body.lineTo(14.5, 4);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    fillStroke(p, body, col::blue, kSmallLine);
    fillStroke(p, rectPath(QRectF(4.5, 1.5, 7, 4.5)), col::cream, kSmallLine);
    p.fillRect(QRectF(9, 2.5, 1.5, 2.5), col::ink);
    fillStroke(p, rectPath(QRectF(3.5, 8.5, 9, 6)), col::cream, kSmallLine);
    p.fillRect(QRectF(5, 10, 6, 1), alpha(col::vermilion, 220));
    p.fillRect(QRectF(5, 12, 6, 1), alpha(col::ink, 140));
}

void treeFolder(QPainter &p)
{
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    fillStroke(p, back, col::goldDark.lighter(130), kSmallLine);
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(3, 7.5);
    front.lineTo(15.3, 7.5);
    front.lineTo(14.5, 13.5);
    front.closeSubpath();
    fillStroke(p, front, vgrad(7, 14, col::goldLight, col::gold), kSmallLine);
}

void treePrint(QPainter &p)
{
    fillStroke(p, rectPath(QRectF(4.5, 1.5, 7, 5)), Qt::white, kSmallLine);
    fillStroke(p, rectPath(QRectF(1.5, 5.5, 13, 6.5), 1.5), vgrad(5, 12, col::blue.lighter(120), col::blue), kSmallLine);
    fillStroke(p, rectPath(QRectF(4.5, 9.5, 7, 5)), Qt::white, kSmallLine);
    p.fillRect(QRectF(6, 11, 4, 1), alpha(col::ink, 150));
    p.fillRect(QRectF(6, 13, 3, 1), alpha(col::ink, 150));
    p.fillRect(QRectF(11.5, 7, 1.5, 1.2), col::goldLight);
}

void treeSearch(QPainter &p)
{
    p.setPen(inkPen(3.0));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    fillStroke(p, circle(QPointF(6.5, 6.5), 4.5), alpha(col::blueLight, 200), 1.6);
    p.setPen(inkPen(1.0, Qt::white));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.8, 3.8, 5.4, 5.4), 100 * 16, 70 * 16);
}

void treeStar(QPainter &p)
{
    fillStroke(p, starPath(QPointF(8, 8.6), 7.2, 3.1), vgrad(1, 15, col::goldLight, col::gold), kSmallLine);
}

void treeMoon(QPainter &p)
{
    fillStroke(p, crescentPath(QPointF(7.5, 8.5), 6.3, QPointF(11, 5.8), 5.2), vgrad(2, 15, col::goldLight, col::gold), kSmallLine);
    fillStroke(p, sparklePath(QPointF(13.2, 3.8), 2.6), col::gold, 0.8);
}

void treeClose(QPainter &p)
{
    fillStroke(p, circle(QPointF(8, 8), 7), rgrad(QPointF(8, 8), 7, col::vermilionLight, col::vermilion, QPointF(6, 5)), kSmallLine,
               col::vermilionDark);
    p.setPen(inkPen(1.9, Qt::white));
    p.drawLine(QPointF(5.4, 5.4), QPointF(10.6, 10.6));
    p.drawLine(QPointF(10.6, 5.4), QPointF(5.4, 10.6));
}

void treeNote(QPainter &p)
{
    QPainterPath note;
    note.moveTo(2.5, 2.5);
    note.lineTo(13.5, 2.5);
    note.lineTo(13.5, 10);
    note.lineTo(10, 13.5);
    note.lineTo(2.5, 13.5);
    note.closeSubpath();
    fillStroke(p, note, QColor(0xfb, 0xe9, 0x9a), kSmallLine);
    QPainterPath fold;
    fold.moveTo(13.5, 10);
    fold.lineTo(10, 10);
    fold.lineTo(10, 13.5);
    fillStroke(p, fold, QColor(0xe0, 0xbe, 0x58), kSmallLine);
    p.fillRect(QRectF(5, 5, 6, 1), alpha(col::ink, 160));
    p.fillRect(QRectF(5, 7, 4, 1), alpha(col::ink, 160));
}

void treeBookmark(QPainter &p)
{
    QPainterPath mark;
    mark.moveTo(4.5, 1.5);
    mark.lineTo(11.5, 1.5);
    mark.lineTo(11.5, 14.5);
    mark.lineTo(8, 11);
    mark.lineTo(4.5, 14.5);
    mark.closeSubpath();
    QLinearGradient g(4, 0, 12, 0);
    g.setColorAt(0, col::vermilionLight);
    g.setColorAt(1, col::vermilion);
    fillStroke(p, mark, g, kSmallLine, col::vermilionDark);
    fillStroke(p, starPath(QPointF(8, 5.8), 2.4, 1.0), col::goldLight, 0);
}

void treeQuestion(QPainter &p)
{
    fillStroke(p, circle(QPointF(8, 8), 7), rgrad(QPointF(8, 8), 7, col::blue.lighter(125), col::blue, QPointF(6, 5)), kSmallLine);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16.5), Qt::AlignCenter, QStringLiteral("?"));
}

void treeHeart(QPainter &p)
{
    fillStroke(p, heartPath(QPointF(8, 8.2), 14), vgrad(2, 15, col::vermilionLight, col::vermilion), kSmallLine, col::vermilionDark);
}

void treeClock(QPainter &p)
{
    fillStroke(p, circle(QPointF(8, 8), 6.8), col::cream, 1.2);
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(10.8, 9.6));
    p.setPen(Qt::NoPen);
    p.setBrush(col::vermilion);
    p.drawEllipse(QPointF(8, 8), 1, 1);
}

void treeClosedBook(QPainter &p)
{
    fillStroke(p, rectPath(QRectF(4, 12, 10, 2.5)), col::cream, kSmallLine);
    QPainterPath cover = rectPath(QRectF(2.5, 1.5, 11.5, 11.5), 1);
    fillStroke(p, cover, vgrad(1, 13, col::blue.lighter(115), col::blue), kSmallLine);
    p.fillRect(QRectF(4, 2, 1.5, 10.5), alpha(col::night, 150));
    fillStroke(p, rectPath(QRectF(7, 4.5, 5, 3)), col::goldLight, 0.8, col::goldDark);
}

void treeOpenBook(QPainter &p)
{
    QPainterPath cover;
    cover.moveTo(0.5, 4);
    cover.lineTo(0.5, 13.5);
    cover.quadTo(4.5, 12.5, 8, 14.5);
    cover.quadTo(11.5, 12.5, 15.5, 13.5);
    cover.lineTo(15.5, 4);
    cover.closeSubpath();
    fillStroke(p, cover, col::blue, kSmallLine);
    for (int side : {-1, 1}) {
        auto X = [&](qreal dx) { return 8 + side * dx; };
        QPainterPath page;
        page.moveTo(X(0), 3.5);
        page.quadTo(X(3.5), 1.5, X(6.5), 2.5);
        page.lineTo(X(6.5), 12);
        page.quadTo(X(3.5), 11.2, X(0), 13);
        page.closeSubpath();
        fillStroke(p, page, col::cream, kSmallLine);
        p.setPen(inkPen(0.9, alpha(col::ink, 140)));
        p.drawLine(QPointF(X(2), 5.5), QPointF(X(5), 5.2));
        p.drawLine(QPointF(X(2), 8), QPointF(X(5), 7.7));
    }
}

void treeTag(QPainter &p)
{
    QPainterPath tag;
    tag.moveTo(1.5, 2.5);
    tag.lineTo(1.5, 7.5);
    tag.lineTo(8.5, 14.5);
    tag.lineTo(14.5, 8.5);
    tag.lineTo(7.5, 1.5);
    tag.lineTo(2.5, 1.5);
    tag.closeSubpath();
    tag = tag.subtracted(circle(QPointF(4.8, 4.8), 1.3));
    fillStroke(p, tag, vgrad(1, 15, col::goldLight, col::gold), kSmallLine);
}

void pageLines(QPainter &p, QBrush fill, QColor lines)
{
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(13.5, 5);
    page.lineTo(13.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    fillStroke(p, page, fill, kSmallLine);
    QPainterPath fold;
    fold.moveTo(10, 1.5);
    fold.lineTo(10, 5);
    fold.lineTo(13.5, 5);
    fillStroke(p, fold, col::paper, kSmallLine);
    for (int y : {6, 8, 10, 12})
        p.fillRect(QRectF(5, y, y < 12 ? 6 : 4, 1), lines);
}

void treePage(QPainter &p)
{
    pageLines(p, Qt::white, alpha(col::blue, 190));
}

void treePageSelected(QPainter &p)
{
    pageLines(p, QColor(0xfd, 0xf0, 0xc0), alpha(col::vermilion, 200));
    fillStroke(p, starPath(QPointF(12, 12), 4.2, 1.8), col::gold, 0.9, col::goldDark);
}

void settingsSave(QPainter &p)
{
    QPainterPath check;
    check.moveTo(2.5, 8.5);
    check.lineTo(6.5, 12.5);
    check.lineTo(13.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(4.2, col::ink));
    p.drawPath(check);
    p.setPen(inkPen(2.4, col::jade.lighter(120)));
    p.drawPath(check);
}

void settingsClose(QPainter &p)
{
    QPainterPath x;
    x.moveTo(3.5, 3.5);
    x.lineTo(12.5, 12.5);
    x.moveTo(12.5, 3.5);
    x.lineTo(3.5, 12.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(4.2, col::vermilionDark.darker(130)));
    p.drawPath(x);
    p.setPen(inkPen(2.4, col::vermilionLight));
    p.drawPath(x);
}

// ---------------------------------------------------------------- scenes

// Gold moon disc with a faint, blurred surface pattern.
void drawMoon(QPainter &p, QPointF c, qreal r, bool glow)
{
    if (glow) {
        QRadialGradient g(c, r * 3.6);
        g.setColorAt(0, QColor(255, 236, 190, 96));
        g.setColorAt(0.3, QColor(240, 220, 180, 44));
        g.setColorAt(1, QColor(200, 210, 240, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r * 3.6, r * 3.6);
    }
    const int size = int(std::ceil(r * 2)) + 4;
    QImage disc = canvas(size, size);
    {
        QPainter q(&disc);
        prepare(q);
        const QPointF m(size / 2.0, size / 2.0);
        q.setPen(Qt::NoPen);
        q.setBrush(rgrad(m, r, QColor(0xff, 0xf9, 0xe6), QColor(0xf1, 0xd9, 0xa0), m - QPointF(r * 0.3, r * 0.3)));
        q.drawEllipse(m, r, r);
        q.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        // Dark seas placed roughly as on the real near side, so no face appears.
        q.setBrush(QColor(0xb8, 0x9c, 0x6c, 48));
        const struct {
            qreal x, y, rx, ry;
        } seas[] = {{-0.28, -0.32, 0.30, 0.22}, {-0.50, 0.05, 0.22, 0.38}, {0.15, -0.36, 0.15, 0.13},
                    {0.25, -0.08, 0.20, 0.16}, {0.45, 0.14, 0.12, 0.16}, {0.64, -0.24, 0.10, 0.08},
                    {-0.15, 0.40, 0.20, 0.13}, {-0.34, 0.22, 0.12, 0.10}};
        for (const auto &sea : seas)
            q.drawEllipse(m + QPointF(sea.x * r, sea.y * r), sea.rx * r, sea.ry * r);
    }
    QImage blurred = disc;
    boxBlur(blurred, std::max(1, int(r / 10)), 3);
    // Keep the rim crisp: blurred surface clipped to the sharp disc.
    {
        QPainter q(&disc);
        q.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        q.drawImage(0, 0, blurred);
    }
    p.drawImage(QPointF(c.x() - size / 2.0, c.y() - size / 2.0), disc);
}

void drawStars(QPainter &p, QRectF area, int count, quint32 seed, std::function<qreal(QPointF)> weight, qreal maxR = 1.2)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF pt(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double bright = rng.uniform();
        const qreal w = weight ? weight(pt) : 1.0;
        if (w <= 0.02)
            continue;
        const int a = int((50 + 170 * bright * bright) * w);
        const qreal r = 0.45 + maxR * 0.6 * bright;
        p.setBrush(QColor(255, 250, 232, a));
        p.drawEllipse(pt, r, r);
        if (bright > 0.93 && w > 0.6) {
            p.setBrush(QColor(255, 244, 214, int(a * 0.8)));
            p.drawPath(sparklePath(pt, r * 4));
        }
    }
}

// Ridge line by midpoint displacement with a fixed seed.
std::vector<qreal> ridge(int width, qreal base, qreal amplitude, qreal roughness, quint32 seed)
{
    int n = 1;
    while (n < width)
        n *= 2;
    std::vector<qreal> h(n + 1, base);
    Rng rng(seed);
    h[0] = base + rng.range(-amplitude, amplitude) * 0.5;
    h[n] = base + rng.range(-amplitude, amplitude) * 0.5;
    qreal amp = amplitude;
    for (int step = n; step > 1; step /= 2) {
        for (int i = 0; i < n; i += step) {
            const int mid = i + step / 2;
            h[mid] = (h[i] + h[i + step]) / 2 + rng.range(-amp, amp);
        }
        amp *= roughness;
    }
    h.resize(width + 1);
    return h;
}

QPainterPath mountainPath(const std::vector<qreal> &h, qreal bottom)
{
    QPainterPath path;
    path.moveTo(0, bottom);
    for (size_t x = 0; x < h.size(); ++x)
        path.lineTo(qreal(x), h[x]);
    path.lineTo(qreal(h.size() - 1), bottom);
    path.closeSubpath();
    return path;
}

// A soft cloud bank: a row of bumps over a flat base, lit from above.
QPainterPath cloudBank(qreal x0, qreal x1, qreal baseY, qreal height, quint32 seed)
{
    Rng rng(seed);
    std::vector<Bump> bumps;
    qreal x = x0 + height * 0.4;
    while (x < x1 - height * 0.3) {
        const qreal r = height * rng.range(0.35, 0.75);
        bumps.push_back({x, baseY - r * 0.55, r});
        x += r * rng.range(0.9, 1.4);
    }
    return cloudPath(bumps, QRectF(x0, baseY - height * 0.35, x1 - x0, height * 0.55));
}

void paintSoftLayer(QPainter &p, QSize size, int blur, const std::function<void(QPainter &)> &draw, qreal opacity = 1.0)
{
    QImage layer = canvas(size.width(), size.height());
    {
        QPainter q(&layer);
        prepare(q);
        draw(q);
    }
    boxBlur(layer, blur);
    p.save();
    p.setOpacity(opacity);
    p.drawImage(0, 0, layer);
    p.restore();
}

QImage makeBackground()
{
    const int W = 640, H = 480;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);

    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0.0, QColor(0x09, 0x13, 0x33));
    sky.setColorAt(0.45, QColor(0x18, 0x2f, 0x61));
    sky.setColorAt(0.78, QColor(0x33, 0x55, 0x8f));
    sky.setColorAt(1.0, QColor(0x4a, 0x6c, 0xa3));
    p.fillRect(img.rect(), sky);

    const QPointF moon(468, 132);
    const qreal moonR = 56;
    drawStars(p, QRectF(0, 0, W, 330), 230, 20240917u, [&](QPointF pt) {
        const qreal d = std::hypot(pt.x() - moon.x(), pt.y() - moon.y());
        const qreal nearMoon = std::clamp((d - 90) / 120, 0.0, 1.0);
        const qreal height = std::clamp(1.0 - pt.y() / 330.0, 0.0, 1.0);
        return nearMoon * (0.35 + 0.65 * height);
    });
    drawMoon(p, moon, moonR, true);

    // High thin clouds, lit from above; one drifts across the foot of the moon.
    paintSoftLayer(p, img.size(), 4, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(vgrad(80, 118, QColor(0xb4, 0xc6, 0xea, 110), QColor(0x7c, 0x96, 0xcc, 20)));
        q.drawPath(cloudBank(40, 290, 114, 30, 11u));
        q.setBrush(vgrad(148, 184, QColor(0xcc, 0xd8, 0xf2, 150), QColor(0x86, 0xa0, 0xd2, 30)));
        q.drawPath(cloudBank(370, 640, 182, 30, 12u));
        q.setBrush(vgrad(196, 222, QColor(0xa8, 0xbc, 0xe4, 80), QColor(0x7c, 0x96, 0xcc, 10)));
        q.drawPath(cloudBank(140, 400, 220, 22, 13u));
        q.setBrush(vgrad(250, 270, QColor(0xa8, 0xbc, 0xe4, 50), QColor(0x7c, 0x96, 0xcc, 5)));
        q.drawPath(cloudBank(420, 620, 268, 16, 14u));
    });

    // Far range, hazy.
    const auto far = ridge(W, 326, 64, 0.55, 7u);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(270, 480, QColor(0x3e, 0x5f, 0x98), QColor(0x5a, 0x7b, 0xb0)));
    p.drawPath(mountainPath(far, H));
    p.fillRect(QRectF(0, 300, W, 180), vgrad(300, 480, QColor(0x8a, 0xa6, 0xd2, 0), QColor(0x8a, 0xa6, 0xd2, 120)));

    // Middle range.
    const auto mid = ridge(W, 376, 52, 0.52, 21u);
    p.setBrush(vgrad(320, 480, QColor(0x26, 0x41, 0x75), QColor(0x3b, 0x5a, 0x90)));
    p.drawPath(mountainPath(mid, H));

    // Sea of clouds the peaks rise out of.
    paintSoftLayer(p, img.size(), 6, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(vgrad(380, 480, QColor(0xd4, 0xdf, 0xf3, 200), QColor(0x9a, 0xb2, 0xdc, 180)));
        q.drawPath(cloudBank(-30, 330, 420, 44, 31u));
        q.drawPath(cloudBank(280, 680, 432, 40, 32u));
        q.setBrush(QColor(0xe4, 0xea, 0xf7, 120));
        q.drawPath(cloudBank(-20, 700, 470, 52, 33u));
    });

    // Near dark ridge at the left corner, then a last veil of mist.
    const auto nearR = ridge(W, 450, 36, 0.5, 41u);
    std::vector<qreal> nearLeft(nearR);
    for (size_t x = 0; x < nearLeft.size(); ++x)
        nearLeft[x] += std::max(0.0, (qreal(x) - 200) * 0.45) - std::max(0.0, (120 - qreal(x)) * 0.35);
    p.setBrush(vgrad(400, 480, QColor(0x16, 0x28, 0x52), QColor(0x22, 0x3a, 0x6c)));
    p.drawPath(mountainPath(nearLeft, H));
    paintSoftLayer(p, img.size(), 8, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0xcf, 0xdb, 0xf2, 110));
        q.drawPath(cloudBank(-40, 260, 492, 40, 51u));
        q.drawPath(cloudBank(430, 700, 486, 36, 52u));
    });

    // Gentle vignette keeps the eye in the middle.
    QRadialGradient vig(QPointF(W / 2.0, H / 2.0), W * 0.75);
    vig.setColorAt(0.55, QColor(0, 0, 0, 0));
    vig.setColorAt(1.0, QColor(5, 10, 30, 110));
    p.fillRect(img.rect(), vig);
    return img;
}

QFont latinFont(int px, bool italic = false)
{
    QFont f(QStringLiteral("P052"));
    f.setFamilies({QStringLiteral("P052"), QStringLiteral("DejaVu Serif")});
    f.setPixelSize(px);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont cjkFont(int px)
{
    QFont f(QStringLiteral("Noto Serif CJK SC"));
    f.setPixelSize(px);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Gold lettering with a soft dark shadow underneath.
void goldText(QPainter &p, QPointF baseline, const QFont &font, const QString &text, qreal top, qreal bottom)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(path.translated(0.8, 1.2));
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(0xff, 0xef, 0xb8));
    g.setColorAt(0.55, col::gold);
    g.setColorAt(1, QColor(0xc9, 0x8e, 0x2a));
    p.setBrush(g);
    p.drawPath(path);
}

QImage makeBanner()
{
    const int W = 800, H = 80;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    QLinearGradient base(0, 0, W, 0);
    base.setColorAt(0, QColor(0x0c, 0x18, 0x3b));
    base.setColorAt(0.6, QColor(0x16, 0x2c, 0x5e));
    base.setColorAt(1, QColor(0x1f, 0x3b, 0x74));
    p.fillRect(img.rect(), base);
    p.fillRect(img.rect(), vgrad(0, H, QColor(0, 0, 0, 40), QColor(0x50, 0x70, 0xb0, 40)));

    const QPointF moon(46, 38);
    drawStars(p, QRectF(0, 0, W, H), 110, 77u, [&](QPointF pt) {
        const qreal d = std::hypot(pt.x() - moon.x(), pt.y() - moon.y());
        const bool behindText = pt.x() > 75 && pt.x() < 500 && pt.y() > 14 && pt.y() < 64;
        return behindText ? 0.0 : std::clamp((d - 40) / 60, 0.0, 1.0) * 0.8;
    }, 0.9);

    // Clouds on the right, cropped by the edges so the band feels wider.
    drawXiangyun(p, QPointF(560, 30), 0.95, QColor(0x5a, 0x7f, 0xc0, 55), QColor(0xd8, 0xb3, 0x5c, 120), 1.1);
    drawXiangyun(p, QPointF(690, 6), 0.7, QColor(0x5a, 0x7f, 0xc0, 45), QColor(0xd8, 0xb3, 0x5c, 100), 1.0);
    drawXiangyun(p, QPointF(820, 46), 0.8, QColor(0x5a, 0x7f, 0xc0, 50), QColor(0xd8, 0xb3, 0x5c, 110), 1.0, true);

    // Crescent with glow.
    QRadialGradient glow(moon, 44);
    glow.setColorAt(0, QColor(255, 225, 150, 70));
    glow.setColorAt(1, QColor(255, 225, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(moon, 44, 44);
    p.setBrush(vgrad(16, 60, QColor(0xff, 0xef, 0xb8), col::gold));
    p.drawPath(crescentPath(moon, 21, moon + QPointF(9, -6), 18));
    drawXiangyun(p, QPointF(28, 44), 0.4, QColor(0x2c, 0x4c, 0x8e, 235), QColor(0xd8, 0xb3, 0x5c, 210), 1.0);

    QFont name = latinFont(40);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    goldText(p, QPointF(90, 53), name, QStringLiteral("Velmora"), 22, 54);
    const qreal nameEnd = 90 + QFontMetricsF(name).horizontalAdvance(QStringLiteral("Velmora"));

    // Diamond divider between name and tagline.
    const qreal dx = nameEnd + 22;
    p.setBrush(col::gold);
    QPainterPath diamond;
    diamond.moveTo(dx, 35);
    diamond.lineTo(dx + 3.5, 39);
    diamond.lineTo(dx, 43);
    diamond.lineTo(dx - 3.5, 39);
    diamond.closeSubpath();
    p.drawPath(diamond);
    p.setPen(QPen(alpha(col::gold, 150), 1));
    p.drawLine(QPointF(dx, 20), QPointF(dx, 31));
    p.drawLine(QPointF(dx, 47), QPointF(dx, 58));

    QFont tag = cjkFont(19);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(tag);
    p.setPen(col::goldLight);
    p.drawText(QPointF(dx + 22, 46), QStringLiteral("解梦 · 日历 · 测算"));

    // Gold rule along the bottom edge.
    p.setPen(QPen(alpha(col::gold, 90), 1));
    p.drawLine(QPointF(0, 74.5), QPointF(W, 74.5));
    p.setPen(QPen(alpha(col::gold, 210), 1.5));
    p.drawLine(QPointF(0, 77.25), QPointF(W, 77.25));
    return img;
}

QImage makeStrip()
{
    const int W = 530, H = 105;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    QLinearGradient across(0, 0, W, 0);
    across.setColorAt(0, QColor(0xe4, 0xed, 0xf9));
    across.setColorAt(1, QColor(0xfb, 0xf4, 0xe2));
    p.fillRect(img.rect(), across);
    p.fillRect(img.rect(), vgrad(0, H, QColor(255, 255, 255, 60), QColor(0x9e, 0xb8, 0xdc, 70)));
    // Pattern stays faint in the top band where captions sit.
    const QColor fill(255, 255, 255, 70);
    const QColor line(0x8c, 0xa4, 0xc8, 60);
    drawXiangyun(p, QPointF(18, 2), 0.5, fill, line, 1.0);
    drawXiangyun(p, QPointF(190, -6), 0.45, fill, line, 1.0, true);
    drawXiangyun(p, QPointF(300, 4), 0.5, fill, line, 1.0);
    drawXiangyun(p, QPointF(520, -2), 0.45, fill, line, 1.0, true);
    const QColor fill2(255, 255, 255, 90);
    const QColor line2(0x7d, 0x98, 0xc4, 90);
    drawXiangyun(p, QPointF(-20, 48), 1.0, fill2, line2, 1.2);
    drawXiangyun(p, QPointF(290, 36), 0.9, fill2, line2, 1.2, true);
    drawXiangyun(p, QPointF(330, 66), 1.1, fill2, line2, 1.2);
    p.setPen(QPen(QColor(0xd4, 0xb0, 0x62, 110), 1));
    p.drawLine(QPointF(0, 103.5), QPointF(W, 103.5));
    return img;
}

QImage makeExit()
{
    const int W = 41, H = 44;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    p.fillRect(img.rect(), vgrad(0, H, QColor(0x10, 0x1e, 0x46), QColor(0x2e, 0x4f, 0x8c)));
    drawStars(p, QRectF(0, 0, W, 24), 14, 5u, nullptr, 0.8);
    const QPointF moon(17, 17);
    QRadialGradient glow(moon, 18);
    glow.setColorAt(0, QColor(255, 225, 150, 80));
    glow.setColorAt(1, QColor(255, 225, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(moon, 18, 18);
    p.setBrush(vgrad(5, 29, QColor(0xff, 0xef, 0xb8), col::gold));
    p.drawPath(crescentPath(moon, 11.5, moon + QPointF(5.5, -4), 10));
    fillStroke(p, cloudPath({{14, 32, 5.2}, {22, 28, 6.8}, {30, 32.5, 4.8}}, QRectF(6, 31.5, 31, 7.5)),
               vgrad(21, 39, QColor(0xfb, 0xf6, 0xea), QColor(0xb8, 0xcb, 0xea)), 1.0, QColor(0x0b, 0x16, 0x38));
    fillStroke(p, sparklePath(QPointF(33, 9), 3.2), col::goldLight, 0);
    return img;
}

void drawBigOpenBook(QPainter &p, QPointF spineBottom, qreal halfW, qreal h)
{
    const qreal cx = spineBottom.x();
    const qreal by = spineBottom.y();
    QPainterPath cover;
    cover.moveTo(cx - halfW - 4, by - h + 4);
    cover.lineTo(cx - halfW - 4, by - 2);
    cover.cubicTo(cx - halfW * 0.5, by - 6, cx - 8, by - 4, cx, by + 4);
    cover.cubicTo(cx + 8, by - 4, cx + halfW * 0.5, by - 6, cx + halfW + 4, by - 2);
    cover.lineTo(cx + halfW + 4, by - h + 4);
    cover.closeSubpath();
    fillStroke(p, cover, vgrad(by - h, by, col::vermilion, col::vermilionDark), 1.2, QColor(0x4a, 0x14, 0x10));
    for (int side : {-1, 1}) {
        auto X = [&](qreal dx) { return cx + side * dx; };
        QPainterPath page;
        page.moveTo(X(0), by - h + 6);
        page.cubicTo(X(halfW * 0.3), by - h - 2, X(halfW * 0.7), by - h - 2, X(halfW), by - h + 1);
        page.lineTo(X(halfW), by - 5);
        page.cubicTo(X(halfW * 0.7), by - 8, X(halfW * 0.3), by - 7, X(0), by);
        page.closeSubpath();
        fillStroke(p, page, vgrad(by - h, by, QColor(0xff, 0xfb, 0xee), col::paper), 1.0, QColor(0x8a, 0x6a, 0x3a));
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x3a, 120), 1));
        for (int i = 0; i < 4; ++i) {
            const qreal y = by - h + 9 + i * (h - 18) / 3.5;
            p.drawLine(QPointF(X(halfW * 0.18), y + (side > 0 ? 0 : 0)), QPointF(X(halfW * 0.82), y - 1));
        }
    }
}

QImage makeAbout()
{
    const int W = 161, H = 153;
    QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(0x0b, 0x17, 0x3c));
    sky.setColorAt(0.6, QColor(0x22, 0x3f, 0x7a));
    sky.setColorAt(1, QColor(0x12, 0x22, 0x4e));
    p.fillRect(img.rect(), sky);
    const QPointF moon(114, 40);
    drawStars(p, QRectF(0, 0, W, 100), 60, 99u, [&](QPointF pt) {
        return std::clamp((std::hypot(pt.x() - moon.x(), pt.y() - moon.y()) - 30) / 40, 0.0, 1.0);
    }, 1.0);
    drawMoon(p, moon, 21, true);
    paintSoftLayer(p, img.size(), 2, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0xc4, 0xd2, 0xee, 120));
        q.drawPath(cloudBank(70, 165, 58, 16, 3u));
        q.setBrush(QColor(0xb0, 0xc2, 0xe8, 80));
        q.drawPath(cloudBank(-10, 80, 74, 14, 4u));
    });
    // Light rising from the open pages toward the moon.
    QRadialGradient lift(QPointF(80, 98), 60);
    lift.setColorAt(0, QColor(255, 232, 170, 110));
    lift.setColorAt(1, QColor(255, 232, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(lift);
    p.drawEllipse(QPointF(80, 98), 60, 60);
    paintSoftLayer(p, img.size(), 3, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0xe6, 0xec, 0xf8, 200));
        q.drawPath(cloudBank(-10, 171, 124, 24, 5u));
    });
    drawBigOpenBook(p, QPointF(80, 122), 46, 32);
    p.setBrush(col::goldLight);
    p.drawPath(sparklePath(QPointF(64, 76), 4.5));
    p.drawPath(sparklePath(QPointF(93, 68), 3.5));
    p.drawPath(sparklePath(QPointF(79, 84), 2.6));
    QFont f = latinFont(19, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    const qreal tw = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Velmora"));
    goldText(p, QPointF((W - tw) / 2, 146), f, QStringLiteral("Velmora"), 132, 147);
    return img;
}

void serviceTile(QPainter &p, int size)
{
    p.fillRect(QRectF(0, 0, size, size), vgrad(0, size, QColor(0xfd, 0xf8, 0xea), QColor(0xf0, 0xe3, 0xc2)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd2, 0xb3, 0x6c), 1));
    p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
}

QImage makeService(int which)
{
    const int S = 41;
    QImage img(S, S, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    serviceTile(p, S);
    const qreal lw = 1.4;
    switch (which) {
    case 1: { // handshake, seen from the side
        const QColor palm(0xe9, 0xb5, 0x86), back(0xf7, 0xd6, 0xb2);
        p.setClipRect(QRectF(1, 1, S - 2, S - 2));
        p.translate(20.5, 19.5);
        p.scale(1.22, 1.22);
        p.translate(-20.5, -22);
        p.save();
        QPainterPath leftSleeve;
        leftSleeve.moveTo(-3, 34);
        leftSleeve.lineTo(7, 21);
        leftSleeve.lineTo(14.5, 26.5);
        leftSleeve.lineTo(4.5, 39.5);
        fillStroke(p, leftSleeve, vgrad(20, 40, col::blue, col::night), 1.2);
        QPainterPath rightSleeve;
        rightSleeve.moveTo(44, 34);
        rightSleeve.lineTo(34, 21);
        rightSleeve.lineTo(26.5, 26.5);
        rightSleeve.lineTo(36.5, 39.5);
        fillStroke(p, rightSleeve, vgrad(20, 40, col::vermilionLight, col::vermilion), 1.2);
        p.restore();
        // Hand from the left: palm under, thumb over the other's knuckles.
        QPainterPath under;
        under.moveTo(7.5, 21.5);
        under.cubicTo(11, 17.5, 16, 17, 20, 18);
        under.lineTo(27, 20);
        under.cubicTo(29, 21, 28.5, 25, 26.5, 26.5);
        under.lineTo(14, 27.5);
        under.closeSubpath();
        fillStroke(p, under, palm, 1.2);
        // Hand from the right: back of the hand, fingertips curled underneath.
        QPainterPath over;
        over.moveTo(33.5, 21.5);
        over.cubicTo(31, 17, 26, 15, 21, 15.5);
        over.cubicTo(17, 16, 13.5, 17.5, 12.2, 21);
        over.lineTo(12, 25.5);
        over.lineTo(26.5, 27);
        over.closeSubpath();
        for (const QPointF &tip : {QPointF(14, 25.6), QPointF(17.5, 26.9), QPointF(21, 27.3), QPointF(24.4, 26.8)})
            over = over.united(circle(tip, 2.05));
        fillStroke(p, over.simplified(), back, 1.2);
        p.setPen(inkPen(0.9));
        p.drawLine(QPointF(15.7, 22.5), QPointF(15.7, 26.2));
        p.drawLine(QPointF(19.2, 23), QPointF(19.2, 27.6));
        p.drawLine(QPointF(22.7, 23), QPointF(22.7, 27.6));
        QPainterPath thumb;
        thumb.moveTo(9, 20);
        thumb.cubicTo(13, 16, 19, 14.5, 24, 15);
        thumb.cubicTo(26, 15.2, 26, 17.6, 24, 17.8);
        thumb.cubicTo(19, 18, 15, 19, 12, 21.5);
        thumb.closeSubpath();
        fillStroke(p, thumb, palm, 1.1);
        p.setPen(inkPen(2.2, col::gold));
        p.drawLine(QPointF(7.6, 21.9), QPointF(13.9, 26.5));
        p.drawLine(QPointF(33.4, 21.9), QPointF(27.1, 26.5));
        break;
    }
    case 2: { // desk telephone
        QPainterPath base;
        base.moveTo(6.5, 33.5);
        base.lineTo(34.5, 33.5);
        base.lineTo(30, 18.5);
        base.lineTo(11, 18.5);
        base.closeSubpath();
        fillStroke(p, base, vgrad(18, 34, col::vermilionLight, col::vermilion), lw);
        QPainterPath handset;
        handset.addRoundedRect(QRectF(11, 9.5, 19, 4.5), 2, 2);
        handset.addRoundedRect(QRectF(5, 9, 9, 8), 3, 3);
        handset.addRoundedRect(QRectF(27, 9, 9, 8), 3, 3);
        fillStroke(p, handset.simplified(), vgrad(8, 17, col::blue, col::night), lw);
        fillStroke(p, circle(QPointF(20.5, 26), 5.2), col::cream, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(col::goldDark);
        for (int i = 0; i < 8; ++i) {
            const qreal a = (i * 45 - 90) * kPi / 180;
            p.drawEllipse(QPointF(20.5 + 3.4 * std::cos(a), 26 + 3.4 * std::sin(a)), 0.7, 0.7);
        }
        p.setBrush(col::gold);
        p.drawEllipse(QPointF(20.5, 26), 1.3, 1.3);
        break;
    }
    case 3: { // two chat bubbles
        QPainterPath back;
        back.addRoundedRect(QRectF(16, 6, 20, 14), 5, 5);
        QPainterPath tailB;
        tailB.moveTo(28, 18);
        tailB.lineTo(33, 24);
        tailB.lineTo(32, 17);
        back = back.united(tailB).simplified();
        fillStroke(p, back, vgrad(6, 24, col::blueLight, col::blue), lw);
        QPainterPath front;
        front.addRoundedRect(QRectF(5, 13, 23, 16), 6, 6);
        QPainterPath tailF;
        tailF.moveTo(9, 27);
        tailF.lineTo(7, 35);
        tailF.lineTo(15, 28);
        front = front.united(tailF).simplified();
        fillStroke(p, front, vgrad(13, 34, Qt::white, col::cream), lw);
        p.setPen(Qt::NoPen);
        p.setBrush(col::vermilion);
        for (qreal x : {11.0, 16.5, 22.0})
            p.drawEllipse(QPointF(x, 21), 1.7, 1.7);
        break;
    }
    default: { // envelope
        const QRectF r(5.5, 10.5, 30, 21);
        fillStroke(p, rectPath(r, 1.5), vgrad(10, 32, Qt::white, col::cream), lw);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(1.1));
        p.drawLine(QPointF(6.5, 30.5), QPointF(17, 21.5));
        p.drawLine(QPointF(34.5, 30.5), QPointF(24, 21.5));
        QPainterPath flap;
        flap.moveTo(6, 11.5);
        flap.lineTo(20.5, 23);
        flap.lineTo(35, 11.5);
        fillStroke(p, flap, col::paper, lw);
        fillStroke(p, circle(QPointF(20.5, 22.5), 3.6), col::vermilion, 1.0, col::vermilionDark);
        fillStroke(p, starPath(QPointF(20.5, 22.7), 2, 0.85), col::goldLight, 0);
        break;
    }
    }
    return img;
}

// The application icon in a 64-unit square. Below 32 pixels the stars, the
// spiral and the inner ring would only smear, and the outlines keep at least
// one pixel.
void drawAppIcon(QPainter &p, qreal pixels)
{
    const bool small = pixels < 32;
    const qreal onePixel = 64.0 / pixels;
    const QPointF c(31, 31);
    fillStroke(p, circle(c, 28.5), rgrad(c, 29, QColor(0x2e, 0x55, 0x9a), QColor(0x10, 0x1f, 0x4a), QPointF(36, 24)), 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(col::gold, std::max<qreal>(2, onePixel)));
    p.drawEllipse(c, 28.5, 28.5);
    if (!small) {
        p.setPen(QPen(alpha(col::goldLight, 110), 1));
        p.drawEllipse(c, 25.5, 25.5);
        drawStars(p, QRectF(8, 8, 46, 26), 10, 64u, [&](QPointF pt) {
            return std::hypot(pt.x() - c.x(), pt.y() - c.y()) < 22 ? 1.0 : 0.0;
        }, 1.0);
    }
    const QPointF moon(27, 26);
    QRadialGradient glow(moon, 22);
    glow.setColorAt(0, QColor(255, 225, 150, 90));
    glow.setColorAt(1, QColor(255, 225, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(moon, 22, 22);
    p.setBrush(vgrad(10, 42, QColor(0xff, 0xf0, 0xba), col::gold));
    p.drawPath(crescentPath(moon, 15, moon + QPointF(7, -5), 13));
    // At 16 pixels the twinkle would merge with the ring.
    if (pixels >= 20)
        fillStroke(p, sparklePath(QPointF(44, 17), small ? 6 : 4.5), col::goldLight, 0);
    fillStroke(p, cloudPath({{28, 44, 6.5}, {38, 38.5, 8.5}, {48, 44, 6}}, QRectF(17, 43, 43, 10)),
               vgrad(30, 54, QColor(0xfe, 0xfa, 0xf0), QColor(0xb6, 0xca, 0xec)), std::max<qreal>(1.6, onePixel),
               QColor(0x0b, 0x16, 0x38));
    if (!small) {
        p.setPen(inkPen(1.1, alpha(col::blue, 200)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(spiralPath(QPointF(38, 40), 4.5, 1.2, 150, -300));
    }
}

QImage makeAppIcon(int size = 64)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    drawAppIcon(p, size);
    return img;
}

// The scalable icon: the same drawing, recorded as SVG.
bool saveAppIconSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Velmora"));
    svg.setDescription(QStringLiteral("A crescent moon over a cloud at night"));
    QPainter p;
    if (!p.begin(&svg)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    prepare(p);
    drawAppIcon(p, 256);
    return p.end();
}

QImage drawIcon(int size, const std::function<void(QPainter &)> &draw)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    draw(p);
    return img;
}

bool save(const QImage &img, const QString &path)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    const QImage out = jpeg ? img.convertToFormat(QImage::Format_RGB32) : img.convertToFormat(QImage::Format_ARGB32);
    if (!out.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

// Enlarged proof of the small pictures on a light and a dark ground.
QImage contactSheet(const std::vector<std::pair<QString, QImage>> &items)
{
    const int cellW = 210, cellH = 220, cols = 4;
    const int rows = int((items.size() + cols - 1) / cols);
    QImage sheet(cols * cellW, rows * cellH, QImage::Format_ARGB32);
    sheet.fill(QColor(0xee, 0xee, 0xee));
    QPainter p(&sheet);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    p.setFont(f);
    for (size_t i = 0; i < items.size(); ++i) {
        const int x = int(i % cols) * cellW, y = int(i / cols) * cellH;
        const QImage &img = items[i].second;
        const int k = img.width() <= 16 ? 8 : (img.width() <= 44 ? 4 : 2);
        const QImage big = img.scaled(img.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.fillRect(x + 2, y + 2, cellW - 4, 180, QColor(0xf4, 0xf1, 0xea));
        p.fillRect(x + 2 + 140, y + 2, cellW - 144, 180, QColor(0x1d, 0x33, 0x66));
        p.drawImage(x + 6, y + 6, big);
        p.drawImage(x + 150, y + 10, img);
        p.drawImage(x + 150, y + 80, img.scaled(img.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        p.setPen(Qt::black);
        p.drawText(x + 8, y + cellH - 20, items[i].first);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: make-art <output folder> [contact-sheet.png]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }

    using DrawFn = void (*)(QPainter &);
    const DrawFn commands[] = {cmdScroll, cmdOpenBook, cmdExit, cmdLantern, cmdMoonCloud, cmdPhone, cmdCalendar,
                               cmdPagoda, cmdDreamSearch, cmdSteelyard, cmdConstellation, cmdLotus, cmdCoin, cmdHearts,
                               cmdPillowSearch};
    const DrawFn tree[] = {treeSave, treeFolder, treePrint, treeSearch, treeStar, treeMoon, treeClose, treeNote, treeBookmark,
                           treeQuestion, treeHeart, treeClock, treeClosedBook, treeOpenBook, treeTag, treePage, treePageSelected};

    std::vector<std::pair<QString, QImage>> small;
    bool ok = true;
    auto put = [&](const QString &name, const QImage &img, bool proof) {
        ok = save(img, out.filePath(name)) && ok;
        if (proof)
            small.emplace_back(name, img);
    };
    for (int i = 0; i < int(std::size(commands)); ++i)
        put(QStringLiteral("cmd%1.png").arg(i, 2, 10, QLatin1Char('0')), drawIcon(32, commands[i]), true);
    for (int i = 0; i < int(std::size(tree)); ++i)
        put(QStringLiteral("tree%1.png").arg(i, 2, 10, QLatin1Char('0')), drawIcon(16, tree[i]), true);
    put(QStringLiteral("settings_save.png"), drawIcon(16, settingsSave), true);
    put(QStringLiteral("settings_close.png"), drawIcon(16, settingsClose), true);
    put(QStringLiteral("icon.png"), makeAppIcon(), true);
    // The icon theme's sizes, written beside the pictures folder: <out>/../icons/hicolor.
    const QDir icons(QDir::cleanPath(out.absoluteFilePath(QStringLiteral("../icons/hicolor"))));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = icons.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QImage icon = makeAppIcon(size);
        ok = QDir().mkpath(dir) && save(icon, dir + QStringLiteral("/velmora.png")) && ok;
        if (size <= 48)
            small.emplace_back(QStringLiteral("velmora %1px").arg(size), icon);
    }
    ok = QDir().mkpath(icons.filePath(QStringLiteral("scalable/apps")))
         && saveAppIconSvg(icons.filePath(QStringLiteral("scalable/apps/velmora.svg"))) && ok;
    put(QStringLiteral("exit.jpg"), makeExit(), true);
    for (int i = 1; i <= 4; ++i)
        put(QStringLiteral("service%1.jpg").arg(i), makeService(i), true);
    put(QStringLiteral("background.jpg"), makeBackground(), false);
    put(QStringLiteral("banner.png"), makeBanner(), false);
    put(QStringLiteral("strip.jpg"), makeStrip(), false);
    put(QStringLiteral("about.jpg"), makeAbout(), false);

    if (argc > 2) {
        // Pages of twelve keep each proof large enough to judge single pixels.
        QString sheetPath = QString::fromLocal8Bit(argv[2]);
        for (size_t first = 0, page = 1; first < small.size(); first += 12, ++page) {
            const std::vector<std::pair<QString, QImage>> part(small.begin() + first,
                                                               small.begin() + std::min(small.size(), first + 12));
            QString name = sheetPath;
            name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("-%1").arg(page));
            ok = contactSheet(part).save(name) && ok;
        }
    }
    return ok ? 0 : 1;
}
