// How long the self-painted controls take to paint a look: the colour button
// repaints its hover look on every pointer move over it, so one look must
// take well under a frame; the gradient shape repaints on resize only.
#include "ui/ColorUtils.h"
#include "ui/Fonts.h"
#include "ui/SurfacePainting.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace zendaro;

namespace {

void BM_ColourButtonHoverLook(benchmark::State& state) {
    QImage image(105, 25, QImage::Format_RGB32);
    ButtonSurface s;
    s.base = LightenColor(rgbColour(3, 133, 209), 10, 10, 10);
    s.step = 2;
    s.edgeWidths[1] = 2;
    s.edgeWidths[2] = 2;
    for (auto _ : state) {
        paintButtonSurface(image, s, QSize(1920, 1080));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ColourButtonHoverLook)->Unit(benchmark::kMicrosecond);

void BM_MessageBoxShape(benchmark::State& state) {
    QImage image(465, static_cast<int>(state.range(0)), QImage::Format_RGB32);
    ShapeSurface s;
    s.borderBackColor = rgbColour(3, 133, 209);
    s.borderColor = 0;
    s.gradientBorderColor = true;
    s.borderStep = 2;
    s.diagonal = 0;
    s.borderDiagonal = 0;
    s.gradMode = 0;
    s.caption = QStringLiteral("ZENDARO");
    s.font = msSansSerif825();
    for (auto _ : state) {
        paintShapeSurface(image, s, QSize(1920, 1080));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MessageBoxShape)->Arg(120)->Arg(600)->Unit(benchmark::kMicrosecond);

} // namespace
