#include "controls/colortrack.h"
#include "fakes/fakeplatform.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/tform1.h"
#include "model/documentmodel.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

using namespace Tintara;

// From nothing to the first frame of the main window: every control, page and swatch grid.
static void WindowToFirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        Fakes::FakePlatform desktop;
        TForm1 window(desktop.platform());
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(WindowToFirstFrame)->Unit(benchmark::kMillisecond);

// Steps of the hue bar as the user drags it, with the finder shown (no painting). With
// `everyPageMade`, every page has been visited first: a page not shown must not add to a step.
static void dragHueBar(benchmark::State& state, bool everyPageMade)
{
    Fakes::FakePlatform desktop;
    TForm1 window(desktop.platform());
    window.show();
    if (everyPageMade) {
        for (const CommandRow& row : commandTable) {
            if (row.createPage)
                window.Toolbar(row.command);
        }
    }
    window.Toolbar(Command::Farbfinder);
    QApplication::setActiveWindow(&window);
    auto* hue = window.findChild<QScrollBar*>("sbH");
    hue->setFocus();
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 361;
        hue->setValue(value);
    }
}

// One step with only the finder made.
static void HueBarStep(benchmark::State& state)
{
    dragHueBar(state, false);
}
BENCHMARK(HueBarStep)->Unit(benchmark::kMicrosecond);

// The same step once every page has been made and left; the goal is within 1.5 times HueBarStep.
static void HueBarStepEveryPageMade(benchmark::State& state)
{
    dragHueBar(state, true);
}
BENCHMARK(HueBarStepEveryPageMade)->Unit(benchmark::kMicrosecond);

// The three OKLCH bars after a change of one value: every pixel row of each recomputed and checked
// against sRGB, then painted at the bars' size on screen. With the argument 1 the editor works in
// Display P3: a row outside sRGB is checked against P3 too, and the band only P3 holds is dotted.
// The goal is under 2 ms in either gamut.
static void OklchTracksRepaint(benchmark::State& state)
{
    Fakes::FakePlatform desktop;
    TForm1 window(desktop.platform());
    window.show();
    window.Toolbar(Command::Oklch);
    const auto gamut = static_cast<EditorGamut>(state.range(0));
    window.model().setEditorGamut(gamut);
    const std::array<std::pair<const char*, OklchChannel>, 3> bars = {
        {{"sbOkL", OklchChannel::Lightness}, {"sbOkC", OklchChannel::Chroma}, {"sbOkH", OklchChannel::Hue}}};
    QImage canvas(window.findChild<ColorTrack*>("sbOkL")->size(), QImage::Format_RGB32);
    double hue = 0;
    for (auto _ : state) {
        hue = hue >= 359 ? 0 : hue + 1;
        for (const auto& [name, channel] : bars) {
            auto* track = window.findChild<ColorTrack*>(name);
            track->setStops(oklchTrack(channel, {0.62, 0.25, hue}, track->trackLength(), gamut));
            track->render(&canvas);
        }
    }
}
BENCHMARK(OklchTracksRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
