// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive_fault.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessarine {

namespace {

constexpr const char* kContext = "Errors";

// The system's reasons a user can act on; any other is given in the
// system's words.
const char* ReasonForErrno(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return TESSARINE_TRANSLATE_NOOP("Errors", "permission denied");
        case ENOSPC:
            return TESSARINE_TRANSLATE_NOOP("Errors", "the disk is full");
        case EDQUOT:
            return TESSARINE_TRANSLATE_NOOP("Errors", "the disk quota is used up");
        case EFBIG:
            return TESSARINE_TRANSLATE_NOOP("Errors", "it would exceed the file size limit");
        case EROFS:
            return TESSARINE_TRANSLATE_NOOP("Errors", "the file system is read-only");
        case EIO:
            return TESSARINE_TRANSLATE_NOOP("Errors", "the disk reported an input/output error");
        case ENOTDIR:
            return TESSARINE_TRANSLATE_NOOP("Errors", "a part of its path is not a folder");
        case EISDIR:
            return TESSARINE_TRANSLATE_NOOP("Errors", "it is a folder");
        case ELOOP:
            return TESSARINE_TRANSLATE_NOOP("Errors",
                                            "it is a symbolic link that leads round in a loop");
        default:
            return nullptr;
    }
}

std::string Message(const char* pattern, const HiveFault& fault, const TextTranslator& translate) {
    return FillPlaceholders(Translate(translate, kContext, pattern),
                            {fault.file(), fault.problem().Text(translate)});
}

}  // namespace

HiveProblem HiveProblem::FromErrno(int error) {
    return HiveProblem(ReasonForErrno(error), error);
}

HiveProblem HiveProblem::NotRegularFile(mode_t mode) {
    if (S_ISDIR(mode)) return FromErrno(EISDIR);
    if (S_ISFIFO(mode))
        return HiveProblem(TESSARINE_TRANSLATE_NOOP("Errors", "it is a named pipe"), 0);
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return HiveProblem(TESSARINE_TRANSLATE_NOOP("Errors", "it is a device"), 0);
    }
    return HiveProblem(TESSARINE_TRANSLATE_NOOP("Errors", "it is not a regular file"), 0);
}

HiveProblem HiveProblem::DanglingLink() {
    return HiveProblem(
        TESSARINE_TRANSLATE_NOOP("Errors", "it is a symbolic link that leads nowhere"), 0);
}

HiveProblem HiveProblem::LockFileIsALink() {
    return HiveProblem(
        TESSARINE_TRANSLATE_NOOP("Errors", "it is a symbolic link, which a lock file may not be"),
        0);
}

HiveProblem HiveProblem::OwnedByAnotherUser() {
    return HiveProblem(TESSARINE_TRANSLATE_NOOP("Errors", "it belongs to another user"), 0);
}

HiveProblem HiveProblem::LockedTooLong() {
    return HiveProblem(
        TESSARINE_TRANSLATE_NOOP("Errors", "another program has kept it locked for too long"), 0);
}

HiveProblem HiveProblem::TooLarge() {
    return HiveProblem(TESSARINE_TRANSLATE_NOOP("Errors", "it would grow larger than 16 MiB"), 0);
}

std::string HiveProblem::Text(const TextTranslator& translate) const {
    if (reason_ != nullptr) return Translate(translate, kContext, reason_);
    return std::strerror(error_);
}

bool OwnedByUserOrRoot(const struct stat& info) {
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

HiveFault::HiveFault(std::string file, HiveProblem problem)
    : RegistryError(file + ": " + problem.Text({})), file_(std::move(file)), problem_(problem) {}

std::string CannotUseMessage(const HiveFault& fault, const TextTranslator& translate) {
    return Message(
        TESSARINE_TRANSLATE_NOOP(
            "Errors", "The settings file %1 cannot be used: %2. Tessarine goes on without it."),
        fault, translate);
}

std::string CannotReadMessage(const HiveFault& fault, const TextTranslator& translate) {
    return Message(TESSARINE_TRANSLATE_NOOP("Errors", "The settings file %1 cannot be read: %2."),
                   fault, translate);
}

std::string CannotWriteMessage(const HiveFault& fault, const TextTranslator& translate) {
    return Message(
        TESSARINE_TRANSLATE_NOOP("Errors", "The settings file %1 could not be written: %2."), fault,
        translate);
}

std::string SetAsideMessage(const std::string& file, const std::string& damage,
                            const std::string& aside, const TextTranslator& translate) {
    return FillPlaceholders(
        Translate(translate, kContext,
                  TESSARINE_TRANSLATE_NOOP("Errors",
                                           "The settings file %1 was damaged (%2). It has been "
                                           "kept as %3, and the settings start afresh.")),
        {file, damage, aside});
}

std::string DamagedIgnoredMessage(const std::string& file, const std::string& damage,
                                  const HiveFault& fault, const TextTranslator& translate) {
    return FillPlaceholders(
        Translate(translate, kContext,
                  TESSARINE_TRANSLATE_NOOP("Errors",
                                           "The settings file %1 is damaged (%2) and could not be "
                                           "moved aside, so it is ignored: %3.")),
        {file, damage, fault.problem().Text(translate)});
}

}  // namespace tessarine
