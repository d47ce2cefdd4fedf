// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/donation_reminder.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace tessarine {

namespace {

constexpr std::int32_t kMissingStatus = -1;
constexpr int kFirstRunGraceDays = 6;
constexpr std::int64_t kTwoWeeks = 14;

std::string SubkeyPath(const std::string& keyPath) {
    return keyPath + "\\" + std::string(kDonationSubkey);
}

bool IsText(const RegistryValue& value) {
    return value.type == RegistryValueType::Text || value.type == RegistryValueType::ExpandableText;
}

// Decimal text as an integer: optional blanks around an optional sign and
// digits that fit 32 bits. Anything else is no number.
std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// A stored integer, or `fallback` when it is missing or of another kind.
std::int32_t IntegerOf(const std::optional<RegistryValue>& value, std::int32_t fallback) {
    if (!value) return fallback;
    if (IsText(*value)) return ParseDecimal(value->AsText().value_or("")).value_or(fallback);
    if (const auto number = value->AsNumber32()) return static_cast<std::int32_t>(*number);
    return fallback;
}

// `number` as it is written over `stored`: decimal text over text, a 32-bit
// number otherwise.
RegistryValue Encoded(std::int32_t number, const std::optional<RegistryValue>& stored) {
    if (stored && IsText(*stored)) return RegistryValue::MakeText(std::to_string(number));
    return RegistryValue::MakeNumber32(static_cast<std::uint32_t>(number));
}

void WriteInteger(RegistryKey& key, std::string_view name, std::int32_t number) {
    key.WriteValue(name, Encoded(number, key.ReadValue(name)));
}

// The whole day count of a date, as stored.
std::int32_t StoredDay(DateSerial date) {
    return static_cast<std::int32_t>(std::trunc(date));
}

}  // namespace

std::string DonationReminder::KeyPathFor(std::string_view programFileName) {
    const auto slash = programFileName.find_last_of("/\\");
    if (slash != std::string_view::npos) programFileName.remove_prefix(slash + 1);
    const auto dot = programFileName.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) programFileName = programFileName.substr(0, dot);
    return "Software\\" + std::string(programFileName);
}

DonationReminder DonationReminder::NothingStored(DateSerial today) {
    DonationReminder reminder;
    reminder.lastPrompt_ = today + kFirstRunGraceDays;
    return reminder;
}

void DonationReminder::LoadDonationState(Registry& registry, std::string_view programFileName,
                                         DateSerial today) {
    shownOnDemand_ = false;
    keyPath_ = KeyPathFor(programFileName);
    loaded_ = {};
    try {
        if (registry.CreateKey(RegistryRoot::CurrentUser, keyPath_) != nullptr) {
            if (const auto subkey =
                    registry.CreateKey(RegistryRoot::CurrentUser, SubkeyPath(keyPath_))) {
                loaded_.status = subkey->ReadValue(kDonateStatusValue);
                loaded_.lastPrompt = subkey->ReadValue(kDonateLastPromptValue);
            }
        }
    } catch (const RegistryError&) {
        // Unreadable store: the defaults below.
    }
    status_ = IntegerOf(loaded_.status, kMissingStatus);
    if (status_ == kMissingStatus) status_ = kRemindTomorrow;
    if (status_ < kDonateNow) status_ = kDonateNow;
    if (status_ > kRemindTomorrow) status_ = kRemindTomorrow;
    const std::int32_t lastPromptDay = IntegerOf(loaded_.lastPrompt, 0);
    lastPrompt_ = lastPromptDay != 0 ? lastPromptDay : today + kFirstRunGraceDays;
}

void DonationReminder::SaveDonationState(Registry& registry) const {
    // Only what changed: an unchanged value written back would undo another
    // running copy's answer, and would make every exit wait on the store.
    const bool statusChanged = loaded_.status != Encoded(status_, loaded_.status);
    const bool lastPromptChanged =
        loaded_.lastPrompt != Encoded(StoredDay(lastPrompt_), loaded_.lastPrompt);
    if (!statusChanged && !lastPromptChanged) return;
    // A key that cannot be opened, like a refused value, is a store this
    // user may not write: the state then lasts for this run.
    const auto subkey = registry.CreateKey(RegistryRoot::CurrentUser, SubkeyPath(keyPath_));
    if (subkey == nullptr) return;
    try {
        if (statusChanged) WriteInteger(*subkey, kDonateStatusValue, status_);
        if (lastPromptChanged) {
            WriteInteger(*subkey, kDonateLastPromptValue, StoredDay(lastPrompt_));
        }
    } catch (const RegistryAccessDenied&) {
    }
}

bool DonationReminder::TakeReminderIfDue(DateSerial today) {
    const std::int64_t elapsed = DayDifference(today, lastPrompt_);
    if (shownOnDemand_) return false;
    if (status_ == kRemindInTwoWeeks && elapsed < kTwoWeeks) return false;
    if (status_ == kAlreadyDonated || status_ == kNeverAskAgain) return false;
    if (status_ == kRemindTomorrow && elapsed < 1) return false;
    lastPrompt_ = today;
    return true;
}

void DonationReminder::BeginOnDemand() {
    status_ = kDonateNow;
    shownOnDemand_ = true;
}

bool DonationReminder::RecordAnswer(int answer, DateSerial today) {
    if (answer < kDonateNow || answer > kRemindTomorrow) return false;
    status_ = answer;
    if (answer == kRemindInTwoWeeks || answer == kRemindTomorrow) lastPrompt_ = today;
    return answer == kDonateNow;
}

bool DonationReminder::DonateButtonShown() const {
    return status_ != kAlreadyDonated && status_ != kNeverAskAgain;
}

}  // namespace tessarine
