// One scroll tick of the legends, docked in the main window at its panel size:
// the copy of the visible rows, the fade and the paint into the window's
// backing store. The target is well under 0.3 ms a tick.
#include "app/Fonts.h"
#include "app/Untmain.h"
#include "data/uShare.h"
#include "dream/DreamLegends.h"
#include "dream/Untmomo.h"
#include "widgets/ScrollTextRender.h"
#include "widgets/TAAScrollText.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

TAAScrollText *dockedLegends()
{
    if (!Frmmain) {
        setAppPath(QStringLiteral(VELMORA_PROGRAM_DIR));
        Frmmain = new TFrmmain;
        Frmmain->show();
        QApplication::processEvents();
    }
    if (!Frmmomo) {
        Frmmain->N8Click();
        QApplication::processEvents();
    }
    TAAScrollText *text = Frmmomo->AAScrollText1;
    // The benchmark gives the ticks itself.
    text->setActive(false);
    text->setRepeatDelay(0);
    return text;
}

// What a tick costs in the running program: the move, the shift of the
// visible rows and the repaint of the two fade bands and the new row.
void BM_ScrollTick(benchmark::State &state)
{
    TAAScrollText *text = dockedLegends();
    text->renderedImage();
    for (auto _ : state) {
        text->tick();
        QApplication::processEvents();
        if (text->isPausing()) {
            state.PauseTiming();
            while (text->isPausing())
                QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.counters["width"] = text->width();
    state.counters["height"] = text->height();
}
BENCHMARK(BM_ScrollTick)->Unit(benchmark::kMicrosecond);

// A tick when the whole view has to be painted: every row copied and the
// fade bands blended, into an image like the window's backing store.
void BM_FullFrame(benchmark::State &state)
{
    TAAScrollText *text = dockedLegends();
    const QImage image = text->renderedImage();
    ScrollText::FadeTable fade;
    fade.build(qRgb(255, 255, 255), 10);
    QImage target(text->size(), QImage::Format_ARGB32_Premultiplied);
    QImage scratch;
    int position = 0;
    for (auto _ : state) {
        QPainter painter(&target);
        ScrollText::paintView(painter, image, position, target.size(), fade, scratch, target.rect());
        painter.end();
        position = (position + 1) % image.height();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);

// Rendering the whole text once, as a resize or a new opening does.
void BM_RenderLegends(benchmark::State &state)
{
    TAAScrollText *text = dockedLegends();
    const QSize size = text->size();
    bool narrower = true;
    for (auto _ : state) {
        text->resize(size.width() - (narrower ? 1 : 0), size.height());
        benchmark::DoNotOptimize(text->renderedImage().constBits());
        narrower = !narrower;
    }
    text->resize(size);
}
BENCHMARK(BM_RenderLegends)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete Frmmain.data();
    return 0;
}
