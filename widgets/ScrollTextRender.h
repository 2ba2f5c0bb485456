#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// The parts of the scrolling text control that need no widget: tag parsing,
// line layout, drawing the text once into an image, the fade and the motion.
namespace ScrollText {

// What a font label adds to its font and colour.
struct TextEffect
{
    bool shadow = false;
    QPoint shadowOffset{2, 2};
    QColor shadowColor{68, 68, 68};
    int shadowOpacity = 70; // percent
    int shadowBlur = 80;    // 0 to 100
    bool gradient = false;
    Qt::Orientation gradientDirection = Qt::Horizontal;
    QColor gradientFrom;
    QColor gradientTo;
    int blur = 0; // 0 to 100; softens the text itself
    bool outline = false;
    QColor outlineColor{Qt::black};
};

struct FontLabel
{
    QString name;
    QFont font;
    QColor color;
    TextEffect effect;
};

// The labels every control knows from the start: Title1 to Title4, Text1 to Text3.
QList<FontLabel> standardFontLabels();

enum class LabelEffect { UntilNextLabel, CurrentLineOnly };

// Values of the substitution tags <Owner>, <Organization>, <AppTitle>, <Date>, <Time>.
struct Substitutions
{
    QString owner;
    QString organization;
    QString appTitle;
    QString date;
    QString time;
};

struct ParsedLine
{
    QString text;       // the line with its known tags removed or replaced
    int fontLabel = -1; // the last font label named in the line, -1 for none
    std::optional<Qt::Alignment> alignment;
};

// Tags are "<" + name + ">", matched without regard to case; an unknown tag
// stays in the text as it was.
ParsedLine parseLine(const QString &line, const QList<FontLabel> &labels, const Substitutions &substitutions);

struct LayoutSettings
{
    QSize view;            // the control's client size
    int fadeHeight = 0;    // 0 when fading is off
    int headSpace = 0;     // percent of the view height
    int tailSpace = 0;     // percent of the view height
    int rowPitch = 20;     // a line takes (100 + pitch) % of its text height
    Qt::Alignment alignment = Qt::AlignHCenter;
    bool wordWrap = false;
    LabelEffect labelEffect = LabelEffect::UntilNextLabel;
};

struct PlacedLine
{
    QString text;
    int font = -1; // font label index, -1 for the default font
    int x = 0;
    int y = 0;     // top of the line
    int height = 0;
};

struct Layout
{
    QList<PlacedLine> lines;
    int imageHeight = 0;
};

// Width of a text and height of a line in a font (-1: the default font).
using Measure = std::function<QSize(const QString &text, int font)>;
// Pieces of a line too wide for word wrap.
using Wrap = std::function<QStringList(const QString &text, int font, int width)>;

int floorDiv(int numerator, int denominator);
int lineHeight(int textHeight, int rowPitch);

Layout layoutLines(const QList<ParsedLine> &lines, const LayoutSettings &settings, const Measure &measure,
                   const Wrap &wrap = {});

struct Style
{
    QList<FontLabel> labels;
    QFont defaultFont;
    QColor defaultColor;
    QColor background{Qt::white};
    QImage backgroundPicture;
};

Measure fontMeasure(const Style &style);
Wrap fontWrap(const Style &style);

// Draws a text with its label's effect; top is the top of the line box.
void drawStyledText(QPainter &painter, int x, int top, const QString &text, const QFont &font, const QColor &color,
                    const TextEffect &effect);

// The whole text in one image as wide as the view; a null image when the
// view is empty or the image cannot be allocated.
QImage renderText(const Layout &layout, int width, const Style &style);

// Box blur of all four channels, three passes, for premultiplied images.
void blurImage(QImage &image, int radius);

int fadeWeight(int k, int fadeHeight);
// A colour component blended towards the background with weight w of 255.
int fadeComponent(int c, int b, int w);

// Precomputed blend of every component value for each fade row.
class FadeTable
{
public:
    void build(QRgb background, int fadeHeight);
    int height() const { return m_height; }
    QRgb background() const { return m_background; }
    // Row k counted from the edge, k below height().
    void fadeRow(QRgb *row, int width, int k) const;

private:
    QRgb m_background = 0;
    int m_height = 0;
    std::vector<std::array<std::array<uchar, 256>, 3>> m_rows;
};

// Paints what the view shows at a position: image rows position, position + 1,
// ... wrapping round to row 0, with the fade rows blended. Only the rows of
// exposed are prepared; scratch keeps its allocation between calls.
void paintView(QPainter &painter, const QImage &image, int position, QSize view, const FadeTable &fade,
               QImage &scratch, const QRect &exposed);

// The position and the pauses of the scrolling, without timers.
class Motion
{
public:
    enum class Tick { Pause, Finished, Advance, Wrap };

    Tick tick(int imageHeight);
    // The pause at the start is over.
    void resume(int imageHeight);
    void reset() { m_position = 0; }
    void restartPasses() { m_passes = 0; }

    int position() const { return m_position; }
    int passes() const { return m_passes; }

    int step = 1;
    int repeatCount = 0; // 0: without end

private:
    int m_position = 0;
    int m_passes = 0;
};

} // namespace ScrollText
