// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_serial.h"
#include "calendar/text_catalog.h"
#include "platform/registry.h"

namespace tessarine {

// The answers of the donation dialog in English, in the order it lists them; the index
// of the chosen answer is the stored status.
enum DonationAnswer : std::int32_t {
    kDonateNow = 0,         // opens the donation page; asked again at every close
    kRemindInTwoWeeks = 1,  // asked again 14 days after the answer
    kAlreadyDonated = 2,    // never asked again, no Donate button
    kNeverAskAgain = 3,     // never asked again, no Donate button
    kRemindTomorrow = 4,    // asked again a day after the answer
};

inline constexpr int kDonationAnswerCount = 5;
inline constexpr std::array<const char*, kDonationAnswerCount> kDonationAnswerTexts{
    TESSARINE_TRANSLATE_NOOP("DonationAnswers", "Yes, take me to the donations page now!"),
    TESSARINE_TRANSLATE_NOOP("DonationAnswers",
                             "I still have to check it a bit more, show this again in two weeks"),
    TESSARINE_TRANSLATE_NOOP("DonationAnswers",
                             "I already made a donation, don't show this dialog again"),
    TESSARINE_TRANSLATE_NOOP("DonationAnswers",
                             "No, I don't want to donate, never show this dialog again"),
    TESSARINE_TRANSLATE_NOOP("DonationAnswers", "Not now, notify me again in 1 day"),
};

// Where the state lives below the current user's root: "Software\<program>"
// and its subkey "DonateForm" with two 32-bit values.
inline constexpr std::string_view kDonationSubkey = "DonateForm";
inline constexpr std::string_view kDonateStatusValue = "DonateStatus";
inline constexpr std::string_view kDonateLastPromptValue = "DonateLastPrompt";

// The donation reminder: the last answer, the day the reminder waits from,
// and whether the dialog was opened on demand in this run. Every decision
// takes today's date from its caller, so no rule depends on the clock.
class DonationReminder {
  public:
    // "Software\" + the program's file name without directory and extension.
    static std::string KeyPathFor(std::string_view programFileName);
    // The state of a first run that stores nothing: no reminder for a week.
    static DonationReminder NothingStored(DateSerial today);

    // Reads the stored state (creating the key when missing). Missing,
    // unreadable or non-numeric values take their defaults: status 4 and a
    // last prompt six days after today. A store that cannot be read at all
    // is treated as empty: the reminder must never keep the program from
    // starting.
    void LoadDonationState(Registry& registry, std::string_view programFileName, DateSerial today);
    // Writes the values that differ from what was loaded, nothing when none
    // does. A value already stored as text is written back as decimal text,
    // otherwise as a 32-bit number. A store this user may only read keeps
    // what it holds, silently: the state then lasts for this run. Throws
    // RegistryError when the values cannot be written otherwise.
    void SaveDonationState(Registry& registry) const;

    // Whether the dialog is due as the main window closes; when it is, the
    // reminder starts waiting from today.
    bool TakeReminderIfDue(DateSerial today);
    // The dialog is about to open on demand: no reminder for the rest of
    // this run.
    void BeginOnDemand();
    // The dialog closed with `answer` (0..4) selected. Returns whether the
    // donation page is to be opened.
    bool RecordAnswer(int answer, DateSerial today);

    // The Donate button shows unless the user asked for no more requests.
    bool DonateButtonShown() const;

    std::int32_t DonationStatus() const { return status_; }
    DateSerial LastPromptDate() const { return lastPrompt_; }
    const std::string& DonationKeyPath() const { return keyPath_; }

  private:
    // The values as the store held them at load; nothing when missing.
    struct StoredValues {
        std::optional<RegistryValue> status;
        std::optional<RegistryValue> lastPrompt;
    };

    std::int32_t status_ = kRemindTomorrow;
    DateSerial lastPrompt_ = 0;
    bool shownOnDemand_ = false;
    std::string keyPath_;
    StoredValues loaded_;
};

}  // namespace tessarine
