// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_print_device.h"

#include <stdexcept>
#include <utility>

namespace tessarine {

DeviceTextMetrics DefaultRecordingMetrics(const PrintFont& font, int pixelsPerInchY) {
    const int em = font.points * pixelsPerInchY / 72;
    return DeviceTextMetrics{em * 115 / 100, em * 3 / 100};
}

int DefaultRecordingTextWidth(const std::string& text, const PrintFont& font, int pixelsPerInchX) {
    int codePoints = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++codePoints;
        }
    }
    const int em = font.points * pixelsPerInchX / 72;
    return codePoints * em / 2;
}

std::vector<RecordedPrintCall> PrintRecording::Of(Kind kind, int document) const {
    std::vector<RecordedPrintCall> result;
    for (const RecordedPrintCall& call : calls) {
        if (call.kind == kind && (document == 0 || call.document == document)) {
            result.push_back(call);
        }
    }
    return result;
}

std::optional<RecordedPrintCall> PrintRecording::FindText(const std::string& text,
                                                          int document) const {
    for (const RecordedPrintCall& call : calls) {
        if (call.kind == Kind::Text && call.text == text &&
            (document == 0 || call.document == document)) {
            return call;
        }
    }
    return std::nullopt;
}

RecordingPrintDevice::RecordingPrintDevice(RecordingPrinterConfig config,
                                           std::shared_ptr<PrintRecording> recording)
    : config_(std::move(config)), recording_(std::move(recording)), font_(config_.initialFont) {
    if (!config_.metrics) {
        config_.metrics = DefaultRecordingMetrics;
    }
    if (!config_.textWidth) {
        config_.textWidth = DefaultRecordingTextWidth;
    }
    ++recording_->devicesCreated;
}

RecordedPrintCall RecordingPrintDevice::Call(RecordedPrintCall::Kind kind) const {
    RecordedPrintCall call;
    call.kind = kind;
    call.document = document_;
    call.page = page_;
    call.orientation = orientation_;
    call.font = font_;
    return call;
}

void RecordingPrintDevice::RequireOpen(const char* what) const {
    if (!open_) {
        throw std::logic_error(std::string("recording printer: ") + what + " outside a document");
    }
}

PrintStrips RecordingPrintDevice::Strips() const {
    if (orientation_ == PageOrientation::Portrait) {
        return config_.strips;
    }
    if (config_.landscapeStrips) {
        return *config_.landscapeStrips;
    }
    const PrintStrips& p = config_.strips;
    return PrintStrips{p.top, p.right, p.bottom, p.left};
}

void RecordingPrintDevice::SetOrientation(PageOrientation orientation) {
    if (open_) {
        throw std::logic_error("recording printer: orientation changed inside a document");
    }
    orientation_ = orientation;
    recording_->calls.push_back(Call(RecordedPrintCall::Kind::SetOrientation));
}

void RecordingPrintDevice::BeginDocument() {
    if (open_) {
        throw std::logic_error("recording printer: document begun twice");
    }
    const int document = recording_->documentsBegun + 1;
    if (config_.failOnBeginOfDocument == document) {
        throw PrintError(config_.failureMessage);
    }
    recording_->documentsBegun = document;
    document_ = document;
    page_ = 1;
    open_ = true;
    recording_->calls.push_back(Call(RecordedPrintCall::Kind::BeginDocument));
}

void RecordingPrintDevice::EndDocument() {
    RequireOpen("EndDocument");
    recording_->calls.push_back(Call(RecordedPrintCall::Kind::EndDocument));
    open_ = false;
}

void RecordingPrintDevice::AbortDocument() noexcept {
    if (open_) {
        recording_->calls.push_back(Call(RecordedPrintCall::Kind::AbortDocument));
        open_ = false;
    }
}

void RecordingPrintDevice::NewPage() {
    RequireOpen("NewPage");
    recording_->calls.push_back(Call(RecordedPrintCall::Kind::NewPage));
    ++page_;
}

DeviceSize RecordingPrintDevice::PhysicalSize() const {
    if (orientation_ == PageOrientation::Portrait) {
        return config_.sheet;
    }
    return DeviceSize{config_.sheet.height, config_.sheet.width};
}

DevicePoint RecordingPrintDevice::PrintableOffset() const {
    const PrintStrips strips = Strips();
    return DevicePoint{strips.left, strips.top};
}

DeviceSize RecordingPrintDevice::PrintableSize() const {
    const PrintStrips strips = Strips();
    const DeviceSize sheet = PhysicalSize();
    return DeviceSize{sheet.width - strips.left - strips.right,
                      sheet.height - strips.top - strips.bottom};
}

void RecordingPrintDevice::SetFont(const PrintFont& font) {
    font_ = font;
    recording_->calls.push_back(Call(RecordedPrintCall::Kind::SetFont));
}

DeviceTextMetrics RecordingPrintDevice::TextMetrics() const {
    return config_.metrics(font_, config_.pixelsPerInchY);
}

DeviceSize RecordingPrintDevice::TextExtent(const std::string& text) const {
    return DeviceSize{config_.textWidth(text, font_, config_.pixelsPerInchX), TextMetrics().height};
}

void RecordingPrintDevice::TextOutOpaque(int x, int y, const std::string& text) {
    RequireOpen("TextOutOpaque");
    if (config_.failAfterTexts > 0 && recording_->textsDrawn >= config_.failAfterTexts) {
        throw PrintError(config_.failureMessage);
    }
    ++recording_->textsDrawn;
    RecordedPrintCall call = Call(RecordedPrintCall::Kind::Text);
    call.text = text;
    call.x1 = x;
    call.y1 = y;
    const DeviceSize extent = TextExtent(text);
    call.width = extent.width;
    call.height = extent.height;
    call.x2 = x + extent.width;
    call.y2 = y + extent.height;
    recording_->calls.push_back(std::move(call));
}

void RecordingPrintDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth,
                                     std::uint8_t gray) {
    RequireOpen("Rectangle");
    RecordedPrintCall call = Call(RecordedPrintCall::Kind::Rectangle);
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.penWidth = penWidth;
    call.gray = gray;
    recording_->calls.push_back(std::move(call));
}

RecordingPrinter::RecordingPrinter(RecordingPrinterConfig config)
    : config_(std::move(config)), recording_(std::make_shared<PrintRecording>()) {}

PrintDeviceFactory RecordingPrinter::Factory() {
    return [this]() -> std::unique_ptr<PrintDevice> {
        return std::make_unique<RecordingPrintDevice>(config_, recording_);
    };
}

}  // namespace tessarine
