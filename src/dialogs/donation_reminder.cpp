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
std::int32_t ReadInteger(RegistryKey& key, std::string_view name, std::int32_t fallback) {
    const std::optional<RegistryValue> value = key.ReadValue(name);
    if (!value) return fallback;
    if (IsText(*value)) return ParseDecimal(value->AsText().value_or("")).value_or(fallback);
    if (const auto number = value->AsNumber32()) return static_cast<std::int32_t>(*number);
    return fallback;
}

void WriteInteger(RegistryKey& key, std::string_view name, std::int32_t number) {
    const std::optional<RegistryValue> stored = key.ReadValue(name);
    if (stored && IsText(*stored)) {
        key.WriteValue(name, RegistryValue::MakeText(std::to_string(number)));
    } else {
        key.WriteValue(name, RegistryValue::MakeNumber32(static_cast<std::uint32_t>(number)));
    }
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
    status_ = kMissingStatus;
    shownOnDemand_ = false;
    keyPath_ = KeyPathFor(programFileName);
    std::int32_t lastPromptDay = 0;
    try {
        if (registry.CreateKey(RegistryRoot::CurrentUser, keyPath_) != nullptr) {
            if (const auto subkey =
                    registry.CreateKey(RegistryRoot::CurrentUser, SubkeyPath(keyPath_))) {
                status_ = ReadInteger(*subkey, kDonateStatusValue, kMissingStatus);
                lastPromptDay = ReadInteger(*subkey, kDonateLastPromptValue, 0);
            }
        }
    } catch (const RegistryError&) {
        // Unreadable store: the defaults below.
    }
    if (status_ == kMissingStatus) status_ = kRemindTomorrow;
    if (status_ < kDonateNow) status_ = kDonateNow;
    if (status_ > kRemindTomorrow) status_ = kRemindTomorrow;
    lastPrompt_ = lastPromptDay != 0 ? lastPromptDay : today + kFirstRunGraceDays;
}

void DonationReminder::SaveDonationState(Registry& registry) const {
    const auto subkey = registry.CreateKey(RegistryRoot::CurrentUser, SubkeyPath(keyPath_));
    if (subkey == nullptr) {
        throw RegistryError("Failed to create key '" + SubkeyPath(keyPath_) + "'");
    }
    WriteInteger(*subkey, kDonateStatusValue, status_);
    WriteInteger(*subkey, kDonateLastPromptValue, StoredDay(lastPrompt_));
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
