// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessarine {

// Numbers as a file format writes them: a '.' for the decimal point and no
// exponent, whatever locale the toolkit has switched the process to (printf
// would write "0,12" under a German locale, which PDF readers refuse). Each
// is followed by one blank, the separator the page operators need.
void AppendPdfNumber(std::string& out, int value);

// At most `decimals` places, rounded, trailing zeros dropped; "0" for zero.
void AppendPdfNumber(std::string& out, double value, int decimals);

}  // namespace tessarine
