#pragma once

#include <functional>
#include <string>

#include "print/print_job.h"
#include "print/print_object.h"

namespace tessarine {

// The content area every layout draws in, inches from the sheet's top-left
// corner: margins of 0.75 inch raised per side to the unprintable strip, and
// the sheet less both margins.
struct PageFrame {
    float L = 0.0f;  // left margin
    float R = 0.0f;  // right margin
    float T = 0.0f;  // top margin
    float B = 0.0f;  // bottom margin
    float W = 0.0f;  // content width
    float H = 0.0f;  // content height
};

inline constexpr float kPageMarginInches = 0.75f;
inline constexpr float kFooterGapInches = 0.02f;
inline constexpr const char* kPrintFontName = "Arial";

// Reads the frame from an engine whose document is open.
PageFrame MeasurePageFrame(const TPrintObject& engine);

// Footer line 1 with the format's label, just below the content area.
void SetFooterLabel(TPrintObject& engine, const PageFrame& frame, const std::string& label);

using PageContent = std::function<void(TPrintObject& engine, const PageFrame& frame)>;

// One page as one print document: busy cursor, engine, orientation, margins,
// base font and line area; then the layout's content; then the document is
// closed. The cursor comes back and the engine is freed on every path.
void PrintFramedPage(const PrintEnvironment& environment, int wide, const PageContent& content);

}  // namespace tessarine
