// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

namespace tessarine {

// Opens one of the program's own modules and finds `symbol` in it. The
// module is `environmentVariable`'s file when that is set (for a packager's
// own layout); otherwise `fileName` installed in lib/tessarine beside the
// program's bin folder, or in an uninstalled build beside the program. Never
// unloaded: what it makes runs its code. Null when it cannot be opened, and
// `problem` then tells why for the place it belongs.
QFunctionPointer OpenProgramModule(const char* environmentVariable, const char* fileName,
                                   const char* symbol, QString& problem);

}  // namespace tessarine
