#include "widgets/ScrollTextRender.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cstring>

namespace ScrollText {

namespace {

FontLabel label(const char *name, const char *family, int pixelSize, bool bold, const QColor &color,
                const TextEffect &effect = {})
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return {QString::fromLatin1(name), font, color, effect};
}

TextEffect shadow(int offset)
{
    TextEffect effect;
    effect.shadow = true;
    effect.shadowOffset = QPoint(offset, offset);
    return effect;
}

TextEffect gradient(TextEffect effect, Qt::Orientation direction, const QColor &from, const QColor &to)
{
    effect.gradient = true;
    effect.gradientDirection = direction;
    effect.gradientFrom = from;
    effect.gradientTo = to;
    return effect;
}

bool sameName(QStringView a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A blur setting of 0 to 100 as a box radius of at most maxRadius pixels.
int blurRadius(int setting, int maxRadius)
{
    return (std::clamp(setting, 0, 100) * maxRadius + 50) / 100;
}

void blurPass(QRgb *data, int count, qsizetype stride, int radius, std::vector<QRgb> &line)
{
    line.resize(count);
    for (int i = 0; i < count; ++i)
        line[i] = data[i * stride];
    const int divisor = 2 * radius + 1;
    int a = 0, r = 0, g = 0, b = 0;
    auto add = [&](QRgb p, int sign) {
        a += sign * qAlpha(p);
        r += sign * qRed(p);
        g += sign * qGreen(p);
        b += sign * qBlue(p);
    };
    // Outside the image counts as transparent, which is what a padded layer holds.
    for (int j = 0; j <= radius && j < count; ++j)
        add(line[j], 1);
    for (int i = 0; i < count; ++i) {
        data[i * stride] = qRgba(r / divisor, g / divisor, b / divisor, a / divisor);
        if (i + radius + 1 < count)
            add(line[i + radius + 1], 1);
        if (i - radius >= 0)
            add(line[i - radius], -1);
    }
}

} // namespace

QList<FontLabel> standardFontLabels()
{
    const QColor blue(0, 0, 255);
    TextEffect title4 = gradient(shadow(2), Qt::Horizontal, QColor(0, 34, 255), QColor(255, 16, 34));
    title4.blur = 50;
    title4.outline = true;
    return {
        label("Title1", "黑体", 16, true, Qt::black, shadow(2)),
        label("Title2", "黑体", 12, true, blue, shadow(1)),
        label("Title3", "楷体_GB2312", 15, false, blue, shadow(2)),
        label("Text1", "楷体_GB2312", 12, false, Qt::black),
        label("Text2", "楷体_GB2312", 11, false, QColor(0, 128, 128), shadow(1)),
        label("Title4", "隶书", 29, true, Qt::black, title4),
        label("Text3", "隶书", 15, false, blue,
              gradient(shadow(1), Qt::Vertical, QColor(17, 51, 204), QColor(170, 34, 255))),
    };
}

ParsedLine parseLine(const QString &line, const QList<FontLabel> &labels, const Substitutions &substitutions)
{
    ParsedLine result;
    result.text.reserve(line.size());
    const std::pair<const char *, Qt::Alignment> alignments[] = {
        {"Left", Qt::AlignLeft}, {"Center", Qt::AlignHCenter}, {"Right", Qt::AlignRight}};
    const std::pair<const char *, const QString *> values[] = {{"Owner", &substitutions.owner},
                                                               {"Organization", &substitutions.organization},
                                                               {"AppTitle", &substitutions.appTitle},
                                                               {"Date", &substitutions.date},
                                                               {"Time", &substitutions.time}};
    auto applyTag = [&](QStringView name) {
        for (int i = 0; i < labels.size(); ++i) {
            if (sameName(name, labels.at(i).name)) {
                result.fontLabel = i;
                return true;
            }
        }
        for (const auto &[tag, alignment] : alignments) {
            if (sameName(name, QString::fromLatin1(tag))) {
                result.alignment = alignment;
                return true;
            }
        }
        for (const auto &[tag, value] : values) {
            if (sameName(name, QString::fromLatin1(tag))) {
                result.text += *value;
                return true;
            }
        }
        return false;
    };
    qsizetype i = 0;
    while (i < line.size()) {
        if (line.at(i) == QLatin1Char('<')) {
            const qsizetype close = line.indexOf(QLatin1Char('>'), i + 1);
            if (close > i && applyTag(QStringView(line).mid(i + 1, close - i - 1))) {
                i = close + 1;
                continue;
            }
        }
        result.text += line.at(i);
        ++i;
    }
    return result;
}

int floorDiv(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

int lineHeight(int textHeight, int rowPitch)
{
    // Rounded to the nearest pixel, halves upward.
    const int percent = std::max(0, 100 + rowPitch);
    return (2 * std::max(0, textHeight) * percent + 100) / 200;
}

Layout layoutLines(const QList<ParsedLine> &lines, const LayoutSettings &settings, const Measure &measure,
                   const Wrap &wrap)
{
    Layout layout;
    const int width = settings.view.width();
    const int viewHeight = std::max(0, settings.view.height());
    int y = std::max(0, settings.fadeHeight) + viewHeight * std::max(0, settings.headSpace) / 100;
    int font = -1;
    for (const ParsedLine &line : lines) {
        if (line.fontLabel >= 0)
            font = line.fontLabel;
        const QStringList pieces = settings.wordWrap && wrap ? wrap(line.text, font, width) : QStringList{line.text};
        const Qt::Alignment alignment = line.alignment.value_or(settings.alignment);
        for (const QString &piece : pieces) {
            PlacedLine placed;
            placed.text = piece;
            placed.font = font;
            const int textWidth = measure(piece, font).width();
            // A blank is appended so that an empty line is as high as a blank.
            placed.height = lineHeight(measure(piece + QLatin1Char(' '), font).height(), settings.rowPitch);
            if (alignment & Qt::AlignRight)
                placed.x = width - textWidth;
            else if (alignment & Qt::AlignHCenter)
                placed.x = floorDiv(width - textWidth, 2);
            placed.y = y;
            y += placed.height;
            layout.lines << placed;
        }
        if (settings.labelEffect == LabelEffect::CurrentLineOnly)
            font = -1;
    }
    y += viewHeight * std::max(0, settings.tailSpace) / 100;
    layout.imageHeight = std::max(y, viewHeight);
    return layout;
}

namespace {

const QFont &fontOf(const Style &style, int font)
{
    return font >= 0 && font < style.labels.size() ? style.labels.at(font).font : style.defaultFont;
}

} // namespace

Measure fontMeasure(const Style &style)
{
    std::vector<QFontMetrics> metrics;
    for (const FontLabel &label : style.labels)
        metrics.emplace_back(label.font);
    metrics.emplace_back(style.defaultFont);
    return [metrics](const QString &text, int font) {
        const QFontMetrics &fm = font >= 0 && font + 1 < int(metrics.size()) ? metrics[font] : metrics.back();
        return QSize(fm.horizontalAdvance(text), fm.height());
    };
}

Wrap fontWrap(const Style &style)
{
    return [style](const QString &text, int font, int width) {
        if (text.isEmpty() || width <= 0)
            return QStringList{text};
        QTextLayout layout(text, fontOf(style, font));
        QStringList pieces;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString piece = text.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            pieces << piece;
        }
        layout.endLayout();
        return pieces.isEmpty() ? QStringList{text} : pieces;
    };
}

void blurImage(QImage &image, int radius)
{
    if (radius <= 0 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    std::vector<QRgb> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            blurPass(bits + y * stride, width, 1, radius, line);
        for (int x = 0; x < width; ++x)
            blurPass(bits + x, height, stride, radius, line);
    }
}

void drawStyledText(QPainter &painter, int x, int top, const QString &text, const QFont &font, const QColor &color,
                    const TextEffect &effect)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(font);
    const int baseline = top + fm.ascent();
    const bool layered = effect.gradient || effect.outline || effect.blur > 0;
    if (!effect.shadow && !layered) {
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(x, baseline, text);
        return;
    }

    // Effects are drawn into a padded layer around the text and then put in place.
    const int shadowRadius = effect.shadow ? blurRadius(effect.shadowBlur, 3) : 0;
    const int textRadius = blurRadius(effect.blur, 2);
    const int margin = 3 * std::max(shadowRadius, textRadius) + 2;
    const QRect ink = fm.boundingRect(text);
    const int left = std::min(0, ink.left());
    const int right = std::max(fm.horizontalAdvance(text), ink.right() + 1);
    const QSize layerSize(right - left + 2 * margin, fm.height() + 2 * margin);
    const QPoint origin(margin - left, margin + fm.ascent());
    const QPoint layerAt(x - origin.x(), baseline - origin.y());
    auto newLayer = [&] {
        QImage layer(layerSize, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        return layer;
    };

    if (effect.shadow) {
        QImage layer = newLayer();
        {
            QPainter p(&layer);
            p.setFont(font);
            p.setPen(effect.shadowColor);
            p.drawText(origin, text);
        }
        blurImage(layer, shadowRadius);
        painter.save();
        painter.setOpacity(std::clamp(effect.shadowOpacity, 0, 100) / 100.0);
        painter.drawImage(layerAt + effect.shadowOffset, layer);
        painter.restore();
    }

    if (!layered) {
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(x, baseline, text);
        return;
    }
    QImage layer = newLayer();
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        QBrush brush(color);
        if (effect.gradient) {
            const QPointF start(origin.x(), origin.y() - fm.ascent());
            const QPointF end = effect.gradientDirection == Qt::Horizontal
                                    ? QPointF(origin.x() + fm.horizontalAdvance(text), start.y())
                                    : QPointF(start.x(), start.y() + fm.height());
            QLinearGradient gradient(start, end);
            gradient.setColorAt(0, effect.gradientFrom);
            gradient.setColorAt(1, effect.gradientTo);
            brush = QBrush(gradient);
        }
        if (effect.outline) {
            QPainterPath path;
            path.addText(origin, font, text);
            // The outline is drawn first, so only its outer half shows around the fill.
            p.strokePath(path, QPen(effect.outlineColor, 2));
            p.fillPath(path, brush);
        } else {
            p.setFont(font);
            p.setPen(QPen(brush, 0));
            p.drawText(origin, text);
        }
    }
    blurImage(layer, textRadius);
    painter.drawImage(layerAt, layer);
}

QImage renderText(const Layout &layout, int width, const Style &style)
{
    if (width <= 0 || layout.imageHeight <= 0)
        return {};
    QImage image(width, layout.imageHeight, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(style.background);
    QPainter painter(&image);
    if (!style.backgroundPicture.isNull())
        painter.fillRect(image.rect(), QBrush(style.backgroundPicture));
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedLine &line : layout.lines) {
        if (line.text.isEmpty())
            continue;
        if (line.font >= 0 && line.font < style.labels.size()) {
            const FontLabel &label = style.labels.at(line.font);
            drawStyledText(painter, line.x, line.y, line.text, label.font, label.color, label.effect);
        } else {
            drawStyledText(painter, line.x, line.y, line.text, style.defaultFont, style.defaultColor, {});
        }
    }
    return image;
}

int fadeWeight(int k, int fadeHeight)
{
    if (fadeHeight <= 1)
        return 0;
    return std::clamp(k, 0, fadeHeight - 1) * 255 / (fadeHeight - 1);
}

int fadeComponent(int c, int b, int w)
{
    if (c == b)
        return c;
    return b + floorDiv(w * (c - b), 256);
}

void FadeTable::build(QRgb background, int fadeHeight)
{
    m_background = background;
    m_height = std::max(0, fadeHeight);
    m_rows.resize(m_height);
    const int components[3] = {qRed(background), qGreen(background), qBlue(background)};
    for (int k = 0; k < m_height; ++k) {
        const int w = fadeWeight(k, m_height);
        for (int channel = 0; channel < 3; ++channel) {
            for (int c = 0; c < 256; ++c)
                m_rows[k][channel][c] = uchar(fadeComponent(c, components[channel], w));
        }
    }
}

void FadeTable::fadeRow(QRgb *row, int width, int k) const
{
    const auto &table = m_rows[k];
    for (int x = 0; x < width; ++x) {
        const QRgb p = row[x];
        row[x] = qRgb(table[0][qRed(p)], table[1][qGreen(p)], table[2][qBlue(p)]);
    }
}

void paintView(QPainter &painter, const QImage &image, int position, QSize view, const FadeTable &fade,
               QImage &scratch, const QRect &exposed)
{
    const int width = view.width();
    const int height = view.height();
    if (width <= 0 || height <= 0)
        return;
    const QColor background = QColor::fromRgb(fade.background());
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        painter.fillRect(QRect(0, 0, width, height), background);
        return;
    }
    const int imageHeight = image.height();
    const int copyWidth = std::min(width, image.width());
    if (copyWidth < width)
        painter.fillRect(QRect(copyWidth, 0, width - copyWidth, height), background);
    const int top = ((position % imageHeight) + imageHeight) % imageHeight;
    // With a view lower than both bands, each row fades from its nearer edge.
    const int fadeRows = std::min(fade.height(), (height + 1) / 2);
    const int bodyStart = fadeRows;
    const int bodyEnd = std::max(bodyStart, height - fadeRows);

    // The unfaded rows come straight from the image, in two pieces at the seam.
    for (int row = bodyStart; row < bodyEnd;) {
        const int source = (top + row) % imageHeight;
        const int count = std::min(bodyEnd - row, imageHeight - source);
        const QRect target(0, row, copyWidth, count);
        if (target.intersects(exposed))
            painter.drawImage(target.topLeft(), image, QRect(0, source, copyWidth, count));
        row += count;
    }

    auto fadeBand = [&](int first, int count) {
        const QRect target(0, first, copyWidth, count);
        if (count <= 0 || !target.intersects(exposed))
            return;
        if (scratch.width() != copyWidth || scratch.height() < count || scratch.format() != QImage::Format_RGB32)
            scratch = QImage(copyWidth, std::max(count, fade.height()), QImage::Format_RGB32);
        for (int i = 0; i < count; ++i) {
            const int row = first + i;
            auto *line = reinterpret_cast<QRgb *>(scratch.scanLine(i));
            std::memcpy(line, image.constScanLine((top + row) % imageHeight), size_t(copyWidth) * sizeof(QRgb));
            fade.fadeRow(line, copyWidth, std::min(row, height - 1 - row));
        }
        painter.drawImage(target.topLeft(), scratch, QRect(0, 0, copyWidth, count));
    };
    fadeBand(0, bodyStart);
    fadeBand(bodyEnd, height - bodyEnd);
}

Motion::Tick Motion::tick(int imageHeight)
{
    if (m_position == 0) {
        if (repeatCount > 0 && m_passes >= repeatCount)
            return Tick::Finished;
        return Tick::Pause;
    }
    if (m_position + step >= imageHeight) {
        m_position = 0;
        ++m_passes;
        return Tick::Wrap;
    }
    m_position += step;
    return Tick::Advance;
}

void Motion::resume(int imageHeight)
{
    m_position = step < imageHeight ? step : 0;
}

} // namespace ScrollText
