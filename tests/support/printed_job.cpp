#include "support/printed_job.h"

#include <cmath>
#include <utility>

namespace tessarine {

namespace {

constexpr double kDpi = 600;
constexpr int kStrip = 150;
constexpr double kNear = 0.002;  // a little over one pixel

}  // namespace

PrintedJob::PrintedJob(int formatIndex, DateSerial gridDate, int pages, LocaleNames names) {
    const bool wide = PageFormats()[static_cast<std::size_t>(formatIndex)].wide != 0;
    W = (wide ? 11.0 : 8.5) - 2 * 0.75;
    H = (wide ? 8.5 : 11.0) - 2 * 0.75;
    PrintJobState job{gridDate, formatIndex, pages - 1};
    PrintPages(job, PrintEnvironment{printer_.Factory(), nullptr, false, false, std::move(names)});
}

double PrintedJob::XIn(int canvasX) const {
    return (canvasX + kStrip) / kDpi;
}

double PrintedJob::YIn(int canvasY) const {
    return (canvasY + kStrip) / kDpi;
}

bool PrintedJob::TextInCell(int document, const std::string& text, int column, int row, int columns,
                            int rows) const {
    const double x = L + column * W / columns + 0.02;
    const double y = T + row * H / rows + 0.02;
    for (const RecordedPrintCall& call : Recording().Texts(document)) {
        if (call.text == text && std::abs(XIn(call.x1) - x) < kNear &&
            std::abs(YIn(call.y1) - y) < kNear) {
            return true;
        }
    }
    return false;
}

}  // namespace tessarine
