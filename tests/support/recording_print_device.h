// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "print/print_device.h"

namespace tessarine {

// The unprintable strips of one orientation, in device pixels.
struct PrintStrips {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A printer as a test wants it. Sizes and strips are for portrait; landscape
// swaps the sheet's sides and turns the strips with it (the portrait top
// strip becomes the landscape left one) unless landscapeStrips says
// otherwise.
struct RecordingPrinterConfig {
    int pixelsPerInchX = 600;
    int pixelsPerInchY = 600;
    DeviceSize sheet{5100, 6600};  // US Letter at 600 dpi
    PrintStrips strips{150, 150, 150, 150};
    std::optional<PrintStrips> landscapeStrips;
    PrintFont initialFont{"System", 10, kFontPlain};
    // Metrics and extents by font; the defaults are simple and exact:
    // em = points x dpi / 72, height = em x 1.15, leading = em x 0.03,
    // width = half an em per character (UTF-8 code point).
    std::function<DeviceTextMetrics(const PrintFont&, int pixelsPerInchY)> metrics;
    std::function<int(const std::string&, const PrintFont&, int pixelsPerInchX)> textWidth;
    // Failure injection: BeginDocument of this document (1-based) throws.
    int failOnBeginOfDocument = 0;
    // Text drawing throws once this many texts were drawn in all documents.
    int failAfterTexts = 0;
    std::string failureMessage = "The printer is out of paper.";
};

DeviceTextMetrics DefaultRecordingMetrics(const PrintFont& font, int pixelsPerInchY);
int DefaultRecordingTextWidth(const std::string& text, const PrintFont& font, int pixelsPerInchX);

struct RecordedPrintCall {
    enum class Kind {
        SetOrientation,
        BeginDocument,
        EndDocument,
        AbortDocument,
        NewPage,
        SetFont,
        Text,
        Rectangle
    };
    Kind kind = Kind::Text;
    int document = 0;  // 1-based, counted over every device of one printer
    int page = 0;      // sheet within the document, 1-based
    PageOrientation orientation = PageOrientation::Portrait;
    PrintFont font;  // the font in effect (for Text: the font it was drawn in)
    std::string text;
    int x1 = 0;  // canvas pixels; for Text the top-left corner
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 0;  // Text: its measured width and height
    int height = 0;
    int penWidth = 0;
    std::uint8_t gray = 0;
};

// Everything the devices of one printer did, in order.
struct PrintRecording {
    using Kind = RecordedPrintCall::Kind;

    std::vector<RecordedPrintCall> calls;
    int documentsBegun = 0;
    int devicesCreated = 0;
    int textsDrawn = 0;

    std::vector<RecordedPrintCall> Of(Kind kind, int document = 0) const;
    std::vector<RecordedPrintCall> Texts(int document = 0) const {
        return Of(Kind::Text, document);
    }
    std::vector<RecordedPrintCall> Rectangles(int document = 0) const {
        return Of(Kind::Rectangle, document);
    }
    // The first text call with exactly this text (in one document if given).
    std::optional<RecordedPrintCall> FindText(const std::string& text, int document = 0) const;
    int DocumentsEnded() const { return static_cast<int>(Of(Kind::EndDocument).size()); }
};

class RecordingPrintDevice : public PrintDevice {
  public:
    RecordingPrintDevice(RecordingPrinterConfig config, std::shared_ptr<PrintRecording> recording);

    void SetOrientation(PageOrientation orientation) override;
    void BeginDocument() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    void NewPage() override;
    int PageNumber() const override { return page_; }

    int PixelsPerInchX() const override { return config_.pixelsPerInchX; }
    int PixelsPerInchY() const override { return config_.pixelsPerInchY; }
    DeviceSize PhysicalSize() const override;
    DevicePoint PrintableOffset() const override;
    DeviceSize PrintableSize() const override;

    void SetFont(const PrintFont& font) override;
    PrintFont Font() const override { return font_; }
    DeviceTextMetrics TextMetrics() const override;
    DeviceSize TextExtent(const std::string& text) const override;

    void TextOutOpaque(int x, int y, const std::string& text) override;
    void Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) override;

  private:
    PrintStrips Strips() const;
    RecordedPrintCall Call(RecordedPrintCall::Kind kind) const;
    void RequireOpen(const char* what) const;

    RecordingPrinterConfig config_;
    std::shared_ptr<PrintRecording> recording_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PrintFont font_;
    bool open_ = false;
    int document_ = 0;
    int page_ = 0;
};

// One recording shared by every device the factory makes.
class RecordingPrinter {
  public:
    explicit RecordingPrinter(RecordingPrinterConfig config = {});

    PrintDeviceFactory Factory();
    const PrintRecording& Recording() const { return *recording_; }
    RecordingPrinterConfig& Config() { return config_; }

  private:
    RecordingPrinterConfig config_;
    std::shared_ptr<PrintRecording> recording_;
};

}  // namespace tessarine
