#include "print/month_view.h"

#include <cmath>
#include <string>

#include "print/page_frame.h"

namespace tessarine {

namespace {

constexpr std::uint16_t kBoxPen = 4;
constexpr double kTextInset = 0.02;

// Sums and products of inch values are worked out in double and handed to
// the engine as floats.
float Inches(double value) {
    return static_cast<float>(value);
}

}  // namespace

void PrintMonthView(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const float P = Inches(static_cast<double>(frame.W) / 7);
        const float Q = Inches(static_cast<double>(frame.H) / 7);
        const DateSerial pageDate = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;

        engine.SetFont(kPrintFontName, 11, kFontPlain);
        const std::string title = FormatDateSerial("mmmm yyyy", pageDate, names);
        engine.ResetCurrentLine();
        engine.DrawBox(kBoxPen, frame.L, frame.T, Inches(L + 7.0 * P), Inches(T + Q));
        engine.SetFont(kPrintFontName, 18, kFontBold);
        engine.WriteTextCentred(title, Inches(T + kTextInset));
        engine.SetFont(kPrintFontName, 11, kFontPlain);
        SetFooterLabel(engine, frame, "Month View");

        const DateFields pageFields = DecodeDateSerial(pageDate);
        const DateSerial first = EncodeDateSerial(pageFields.year, pageFields.month, 1);
        const DateFields following = DecodeDateSerial(first + 32);
        const DateSerial next = EncodeDateSerial(following.year, following.month, 1);
        const int offset = WeekdaySundayFirst(first) - 1;
        const int last = static_cast<int>(std::trunc(next - first)) + offset - 1;

        // The printed week always starts on Sunday.
        for (int i = 0; i <= 6; ++i) {
            engine.SetFont(kPrintFontName, 14, kFontPlain);
            engine.WriteTextBottomCentred(names.shortDayNames[static_cast<std::size_t>(i)],
                                          Inches(L + i * P + P / 2.0), Inches(T + Q - kTextInset));
        }

        const std::string year = FormatDateSerial("yyyy", pageDate, names);
        for (int j = 0; j <= 6; ++j) {
            for (int k = 1; k <= 6; ++k) {
                const double left = L + j * P;
                const double top = T + k * Q;
                engine.DrawBox(kBoxPen, Inches(left), Inches(top), Inches(left + P),
                               Inches(top + Q));
                const int n = (k - 1) * 7 + j;
                if (n < offset || n > last) {
                    continue;
                }
                engine.SetFont(kPrintFontName, 14, kFontPlain);
                engine.WriteText(std::to_string(n - offset + 1), Inches(left + kTextInset),
                                 Inches(top + kTextInset));
                engine.SetFont(kPrintFontName, 10, kFontPlain);
                if (environment.ShowNone) {
                    continue;
                }
                const DateSerial cellDate = pageDate + (n - offset);
                std::string label;
                if (environment.ShowJulianDayNumber) {
                    const DateFields cell = DecodeDateSerial(cellDate);
                    label = std::to_string(
                        ChronologicalJulianDayNumber(cell.year, cell.month, cell.day));
                } else {
                    label = year + " " + std::to_string(DayOfYear(cellDate));
                }
                engine.WriteTextBottomRight(label, Inches(left + P - kTextInset),
                                            Inches(top + Q - kTextInset));
            }
        }
    });
}

}  // namespace tessarine
