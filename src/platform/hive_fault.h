// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <string>

#include "calendar/text_catalog.h"
#include "platform/registry.h"

namespace tessarine {

// Why a settings file, or the lock file beside it, cannot be used: a reason
// of our own, marked for translation, or a system error number.
class HiveProblem {
  public:
    static HiveProblem FromErrno(int error);
    // What stands there instead of a regular file, by its stat mode.
    static HiveProblem NotRegularFile(mode_t mode);
    static HiveProblem DanglingLink();
    static HiveProblem LockFileIsALink();
    static HiveProblem OwnedByAnotherUser();
    static HiveProblem LockedTooLong();
    static HiveProblem TooLarge();

    // The reason in the user's words, as a clause ("it is a folder").
    std::string Text(const TextTranslator& translate) const;

  private:
    HiveProblem(const char* reason, int error) : reason_(reason), error_(error) {}

    const char* reason_;  // marked with TESSARINE_TRANSLATE_NOOP; null for error_
    int error_;
};

// Whether a file is this process's own or root's. Anyone else's could be
// swapped or held to steer or block us, in a folder others may write.
bool OwnedByUserOrRoot(const struct stat& info);

// A settings file that cannot be used, thrown where it fails; the store puts
// it into a message. `what()` is the English for the diagnostics stream.
class HiveFault : public RegistryError {
  public:
    // `file` is the file as the user should read its name.
    HiveFault(std::string file, HiveProblem problem);

    const std::string& file() const { return file_; }
    const HiveProblem& problem() const { return problem_; }

  private:
    std::string file_;
    HiveProblem problem_;
};

// The messages of the settings store, in the user's words.

// Told once: the file is left aside for this run.
std::string CannotUseMessage(const HiveFault& fault, const TextTranslator& translate);
std::string CannotReadMessage(const HiveFault& fault, const TextTranslator& translate);
std::string CannotWriteMessage(const HiveFault& fault, const TextTranslator& translate);
// A damaged file kept under another name, and one that could not be.
std::string SetAsideMessage(const std::string& file, const std::string& damage,
                            const std::string& aside, const TextTranslator& translate);
std::string DamagedIgnoredMessage(const std::string& file, const std::string& damage,
                                  const HiveFault& fault, const TextTranslator& translate);

}  // namespace tessarine
