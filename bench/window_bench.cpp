#include "fakes/fakeplatform.h"
#include "mainwindow/tform1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
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

// One step of the hue bar as the user drags it: the editor and the finder recompute (no painting).
static void HueBarStep(benchmark::State& state)
{
    Fakes::FakePlatform desktop;
    TForm1 window(desktop.platform());
    window.show();
    QApplication::setActiveWindow(&window);
    auto* hue = window.findChild<QScrollBar*>("sbH");
    hue->setFocus();
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 361;
        hue->setValue(value);
    }
}
BENCHMARK(HueBarStep)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
