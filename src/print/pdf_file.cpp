// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pdf_file.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "print/pdf_number.h"
#include "print/sans_metrics.h"

namespace tessarine {

namespace {

constexpr int kFaceCount = 2;

// Catalog, page tree, information and the two fonts come first; each page
// then takes a page object and a content stream.
constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kInfo = 3;
constexpr int kFirstFont = 4;
constexpr int kFirstDescriptor = kFirstFont + kFaceCount;
constexpr int kFirstPage = kFirstDescriptor + kFaceCount;

std::string Compressed(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        throw std::bad_alloc();
    }
    packed.resize(size);
    return packed;
}

// Widths in the font's glyph space of 1/1000 em.
std::string FontObject(PdfFace face) {
    const bool bold = face == PdfFace::SansBold;
    std::string font = bold ? "<</Type/Font/Subtype/TrueType/BaseFont/Arial,Bold"
                            : "<</Type/Font/Subtype/TrueType/BaseFont/Arial";
    font += "/Encoding/WinAnsiEncoding/FirstChar " + std::to_string(kSansFirstCode) + "/LastChar " +
            std::to_string(kSansLastCode) + "/Widths[";
    for (int code = kSansFirstCode; code <= kSansLastCode; ++code) {
        AppendPdfNumber(
            font, SansAdvance(bold, static_cast<std::uint8_t>(code)) * 1000.0 / kSansUnitsPerEm, 2);
    }
    font.pop_back();
    return font + "]/FontDescriptor " + std::to_string(kFirstDescriptor + static_cast<int>(face)) +
           " 0 R>>";
}

// The sans face's vertical metrics, so that readers which place text boxes
// by them place them as the embedded face would.
std::string DescriptorObject(PdfFace face) {
    const auto thousandths = [](int units) {
        return std::to_string(static_cast<int>(std::lround(units * 1000.0 / kSansUnitsPerEm)));
    };
    const bool bold = face == PdfFace::SansBold;
    return std::string("<</Type/FontDescriptor/FontName/") + (bold ? "Arial,Bold" : "Arial") +
           "/Flags 32/FontBBox[-665 -325 2000 1006]" + "/ItalicAngle 0/Ascent " +
           thousandths(kSansAscent) + "/Descent -" + thousandths(kSansDescent) +
           "/CapHeight 716/StemV " + (bold ? "140" : "80") + ">>";
}

class ObjectWriter {
  public:
    explicit ObjectWriter(std::string& out) : out_(out) {}

    void Add(int number, const std::string& body) {
        Begin(number);
        out_ += body;
        out_ += "\nendobj\n";
    }
    void AddStream(int number, const std::string& data) {
        const std::string packed = Compressed(data);
        Begin(number);
        out_ += "<</Length " + std::to_string(packed.size()) + "/Filter/FlateDecode>>\nstream\n";
        out_ += packed;
        out_ += "\nendstream\nendobj\n";
    }
    // The cross-reference table and trailer; objects must have been added
    // as 1, 2, 3, ... in any order.
    void Finish(int rootNumber, int infoNumber) {
        const std::size_t table = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            out_ += entry;
        }
        out_ += "trailer\n<</Size " + std::to_string(offsets_.size() + 1) + "/Root " +
                std::to_string(rootNumber) + " 0 R/Info " + std::to_string(infoNumber) +
                " 0 R>>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    }

  private:
    void Begin(int number) {
        if (offsets_.size() < static_cast<std::size_t>(number)) {
            offsets_.resize(static_cast<std::size_t>(number));
        }
        offsets_[static_cast<std::size_t>(number - 1)] = out_.size();
        out_ += std::to_string(number) + " 0 obj\n";
    }

    std::string& out_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

const char* PdfFaceResource(PdfFace face) {
    return face == PdfFace::SansBold ? "/F1" : "/F0";
}

std::string PdfLiteralString(const std::string& bytes) {
    std::string literal = "(";
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            literal += '\\';
        }
        literal += c;
    }
    return literal + ")";
}

std::string SerializePdf(const PdfContent& content) {
    // The binary-marker comment tells transfer tools the file is not text.
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    ObjectWriter writer(out);
    writer.Add(kCatalog, "<</Type/Catalog/Pages " + std::to_string(kPageTree) + " 0 R>>");
    std::string kids;
    for (std::size_t i = 0; i < content.pages.size(); ++i) {
        kids += (i == 0 ? "" : " ") + std::to_string(kFirstPage + 2 * static_cast<int>(i)) + " 0 R";
    }
    writer.Add(kPageTree, "<</Type/Pages/Kids[" + kids + "]/Count " +
                              std::to_string(content.pages.size()) + ">>");
    writer.Add(kInfo, "<</Title" + PdfLiteralString(content.title) + "/Creator" +
                          PdfLiteralString(content.creator) + ">>");
    std::string resources = "/Resources<</Font<<";
    for (const PdfFace face : {PdfFace::Sans, PdfFace::SansBold}) {
        const int font = kFirstFont + static_cast<int>(face);
        writer.Add(font, FontObject(face));
        writer.Add(kFirstDescriptor + static_cast<int>(face), DescriptorObject(face));
        resources += PdfFaceResource(face) + std::string(" ") + std::to_string(font) + " 0 R";
    }
    resources += ">>>>";
    for (std::size_t i = 0; i < content.pages.size(); ++i) {
        const PdfPage& page = content.pages[i];
        const int number = kFirstPage + 2 * static_cast<int>(i);
        writer.Add(number, "<</Type/Page/Parent " + std::to_string(kPageTree) +
                               " 0 R/MediaBox[0 0 " + std::to_string(page.widthPoints) + " " +
                               std::to_string(page.heightPoints) + "]" + resources + "/Contents " +
                               std::to_string(number + 1) + " 0 R>>");
        writer.AddStream(number + 1, page.operators);
    }
    writer.Finish(kCatalog, kInfo);
    return out;
}

}  // namespace tessarine
