// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_canvas.h"

namespace tessarine {

namespace {

int CodePoints(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

bool CanvasCall::Draws() const {
    switch (kind) {
        case Kind::FillRect:
        case Kind::TextRect:
        case Kind::Polyline:
        case Kind::Ellipse:
        case Kind::DrawFocusRect:
            return true;
        default:
            return false;
    }
}

std::string_view KindName(CanvasCall::Kind kind) {
    switch (kind) {
        case CanvasCall::Kind::SetBrushColor:
            return "SetBrushColor";
        case CanvasCall::Kind::SetPenColor:
            return "SetPenColor";
        case CanvasCall::Kind::SetPenWidth:
            return "SetPenWidth";
        case CanvasCall::Kind::SetTextColor:
            return "SetTextColor";
        case CanvasCall::Kind::FillRect:
            return "FillRect";
        case CanvasCall::Kind::TextRect:
            return "TextRect";
        case CanvasCall::Kind::TextExtent:
            return "TextExtent";
        case CanvasCall::Kind::Polyline:
            return "Polyline";
        case CanvasCall::Kind::Ellipse:
            return "Ellipse";
        case CanvasCall::Kind::DrawFocusRect:
            return "DrawFocusRect";
    }
    return "?";
}

RecordingCanvas::RecordingCanvas(int charWidth, int textHeight)
    : charWidth_(charWidth), textHeight_(textHeight) {
    sysColors_[SystemColor::Highlight] = 0x6A240A;
    sysColors_[SystemColor::HighlightText] = 0xFFFFFF;
    sysColors_[SystemColor::ButtonFace] = 0xC8D0D4;
    sysColors_[SystemColor::WindowText] = 0x000000;
}

CanvasCall& RecordingCanvas::Record(CanvasCall::Kind kind) {
    CanvasCall& call = calls_.emplace_back();
    call.kind = kind;
    call.brush = brush_;
    call.pen = pen_;
    call.penWidth = penWidth_;
    call.textColor = textColor_;
    return call;
}

void RecordingCanvas::SetState(Color brush, Color pen, int penWidth, Color textColor) {
    brush_ = brush;
    pen_ = pen;
    penWidth_ = penWidth;
    textColor_ = textColor;
}

void RecordingCanvas::SetBrushColor(Color color) {
    brush_ = color;
    Record(CanvasCall::Kind::SetBrushColor).color = color;
}

void RecordingCanvas::SetPenColor(Color color) {
    pen_ = color;
    Record(CanvasCall::Kind::SetPenColor).color = color;
}

void RecordingCanvas::SetPenWidth(int width) {
    penWidth_ = width;
    Record(CanvasCall::Kind::SetPenWidth).width = width;
}

void RecordingCanvas::SetTextColor(Color color) {
    textColor_ = color;
    Record(CanvasCall::Kind::SetTextColor).color = color;
}

void RecordingCanvas::FillRect(const Rect& rect) {
    Record(CanvasCall::Kind::FillRect).rect = rect;
}

void RecordingCanvas::TextRect(const Rect& clip, int x, int y, std::string_view text,
                               TextBackground background) {
    CanvasCall& call = Record(CanvasCall::Kind::TextRect);
    call.rect = clip;
    call.at = {x, y};
    call.text = std::string(text);
    call.background = background;
}

TextSize RecordingCanvas::TextExtent(std::string_view text) {
    Record(CanvasCall::Kind::TextExtent).text = std::string(text);
    return {CodePoints(text) * charWidth_, textHeight_};
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
    Record(CanvasCall::Kind::Polyline).points = points;
}

void RecordingCanvas::Ellipse(const Rect& bounds) {
    Record(CanvasCall::Kind::Ellipse).rect = bounds;
}

void RecordingCanvas::DrawFocusRect(const Rect& rect) {
    Record(CanvasCall::Kind::DrawFocusRect).rect = rect;
}

Color RecordingCanvas::SysColor(SystemColor which) const {
    const auto it = sysColors_.find(which);
    return it == sysColors_.end() ? 0 : it->second;
}

std::vector<CanvasCall> RecordingCanvas::DrawingCalls() const {
    std::vector<CanvasCall> drawing;
    for (const CanvasCall& call : calls_) {
        if (call.Draws()) drawing.push_back(call);
    }
    return drawing;
}

}  // namespace tessarine
