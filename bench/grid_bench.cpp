// SPDX-License-Identifier: GPL-3.0-or-later
// One date step of the month grid with its full repaint: on the recording
// canvas (the core alone), and as the widget painting into an image beside
// the toolkit's own calendar widget doing the same.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <memory>

#include "calendar/julian_calendar.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "ratio_report.h"
#include "support/recording_canvas.h"

namespace {

using tessarine::EncodeDateSerial;

QApplication& App() {
    static int argc = 1;
    static char name[] = "grid_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

void CoreStepAndPaint(benchmark::State& state) {
    tessarine::TJulianCalendar grid;
    grid.SetGridLineWidth(0);
    grid.Resize(525, 340);
    grid.SetSelectedDate(EncodeDateSerial(1600, 1, 15));
    grid.SetFocused(true);
    tessarine::RecordingCanvas canvas;
    for (auto _ : state) {
        grid.KeyDown(tessarine::GridKey::PageUp);
        if (grid.Year() == tessarine::kLastSupportedYear) {
            grid.SetSelectedDate(EncodeDateSerial(1600, 1, 15));
        }
        canvas.Clear();
        grid.Paint(canvas);
        benchmark::DoNotOptimize(canvas.Calls().data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CoreStepAndPaint);

void WidgetStepAndRepaint(benchmark::State& state) {
    App();
    tessarine::JulianCalendarWidget widget;
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    widget.setFont(font);
    widget.resize(525, 340);
    widget.calendar().SetGridLineWidth(0);
    widget.calendar().SetSelectedDate(EncodeDateSerial(1600, 1, 15));
    QImage image(525, 340, QImage::Format_RGB32);
    for (auto _ : state) {
        widget.calendar().NextMonth();
        if (widget.calendar().Year() == tessarine::kLastSupportedYear) {
            widget.calendar().SetSelectedDate(EncodeDateSerial(1600, 1, 15));
        }
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WidgetStepAndRepaint);

void ToolkitCalendarStepAndRepaint(benchmark::State& state) {
    App();
    QCalendarWidget widget;
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    widget.setFont(font);
    widget.resize(525, 340);
    widget.setSelectedDate(QDate(1600, 1, 15));
    QImage image(525, 340, QImage::Format_RGB32);
    for (auto _ : state) {
        widget.showNextMonth();
        if (widget.yearShown() == tessarine::kLastSupportedYear) widget.setCurrentPage(1600, 1);
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ToolkitCalendarStepAndRepaint);

}  // namespace

int main(int argc, char** argv) {
    return bench_report::RunAndCompare(
        argc, argv, {{"WidgetStepAndRepaint", "ToolkitCalendarStepAndRepaint", 0.25}});
}
