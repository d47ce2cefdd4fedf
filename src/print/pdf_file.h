// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tessarine {

// The two faces a standard-font PDF draws in, Arial and Arial bold, named
// and not embedded, with the sans metrics' widths.
enum class PdfFace { Sans = 0, SansBold = 1 };

// The name every page's resources give the face ("/F0", "/F1").
const char* PdfFaceResource(PdfFace face);

struct PdfPage {
    int widthPoints = 0;
    int heightPoints = 0;
    std::string operators;  // the page's content stream, uncompressed
};

struct PdfContent {
    std::string title;
    std::string creator;
    std::vector<PdfPage> pages;
};

// Bytes as a PDF literal string, parentheses included.
std::string PdfLiteralString(const std::string& bytes);

// A complete PDF 1.4 file: the pages' streams compressed, both faces in
// every page's resources, the cross-reference table at the end. Title and
// creator are ASCII.
std::string SerializePdf(const PdfContent& content);

}  // namespace tessarine
