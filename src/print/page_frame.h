// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "print/print_job.h"
#include "print/print_object.h"

namespace tessarine {

// The content area every layout draws in, inches from the sheet's top-left
// corner: margins of 0.75 inch raised per side to the unprintable strip, and
// the sheet less both margins.
//
// The single-letter and two-letter names here and in the layouts (L, T, W,
// H; P and Q for a column and a row, S for the page's start date, CW and RH
// for a planner's column width and row height) are the page geometry's own
// names: they stay wherever a layout writes out the formula they belong to.
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
// Every layout frames its boxes with this pen (device pixels) and sets its
// texts this far inside a box edge (inches).
inline constexpr std::uint16_t kBoxPen = 4;
inline constexpr double kTextInset = 0.02;

// Sums and products of inch values are worked out in double and handed to
// the engine as floats.
inline float Inches(double value) {
    return static_cast<float>(value);
}

// Reads the frame from an engine whose document is open.
PageFrame MeasurePageFrame(const TPrintObject& engine);

// Footer line 1 with the format's label, just below the content area.
void SetFooterLabel(TPrintObject& engine, const PageFrame& frame, const std::string& label);

// The band every layout opens with, from the content area's top-left corner
// to (right, bottom): framed, with the title in bold centred across the
// printable area just below its top.
struct HeadingBand {
    float right = 0.0f;
    float bottom = 0.0f;
    std::string title;
    std::uint16_t titlePoints = 0;
    std::string footerLabel;
};

// Draws the band and its title, then sets the footer label; leaves the base
// font selected.
void DrawHeadingBand(TPrintObject& engine, const PageFrame& frame, const HeadingBand& band);

using PageContent = std::function<void(TPrintObject& engine, const PageFrame& frame)>;

// One page as one print document: busy cursor, engine, orientation, margins,
// base font and line area; then the layout's content; then the document is
// closed. The cursor comes back and the engine is freed on every path.
void PrintFramedPage(const PrintEnvironment& environment, int wide, const PageContent& content);

}  // namespace tessarine
