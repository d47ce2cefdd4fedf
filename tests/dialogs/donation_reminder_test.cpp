// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/donation_reminder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/reg_hive_store.h"
#include "support/temp_dir.h"
#include "support/test_dates.h"

namespace tessarine {
namespace {

const DateSerial kToday = Date(2026, 12, 8);
constexpr char kProgram[] = "/usr/bin/tessarine";
constexpr char kSubkey[] = "Software\\tessarine\\DonateForm";

class DonationReminderTest : public ::testing::Test {
  protected:
    RegHiveStore Store() const {
        return RegHiveStore(HiveLocations{
            dir_.path() / "HKEY_LOCAL_MACHINE.reg", dir_.path() / "HKEY_CURRENT_USER.reg", {}});
    }
    void Put(std::string_view name, const RegistryValue& value) {
        RegHiveStore store = Store();
        store.CreateKey(RegistryRoot::CurrentUser, kSubkey)->WriteValue(name, value);
    }
    std::optional<RegistryValue> Stored(std::string_view name) {
        RegHiveStore store = Store();
        return store.CreateKey(RegistryRoot::CurrentUser, kSubkey)->ReadValue(name);
    }
    static RegistryValue Number(std::int32_t n) {
        return RegistryValue::MakeNumber32(static_cast<std::uint32_t>(n));
    }
    DonationReminder Loaded() {
        RegHiveStore store = Store();
        DonationReminder reminder;
        reminder.LoadDonationState(store, kProgram, kToday);
        return reminder;
    }
    void Save(const DonationReminder& reminder) {
        RegHiveStore store = Store();
        reminder.SaveDonationState(store);
    }

    TempDir dir_{"tessarine-donate"};
};

TEST_F(DonationReminderTest, ReminderAtCloseFollowsTheStoredAnswerAndTheDaysSinceThePrompt) {
    struct Case {
        std::int32_t storedStatus;
        int daysSincePrompt;
        bool due;
        std::int32_t statusRead;
    };
    const Case cases[] = {
        {4, 1, true, 4},    {4, 0, false, 4}, {1, 13, false, 1},
        {1, 14, true, 1},   {0, 0, true, 0},  {2, 400, false, 2},
        {3, 400, false, 3}, {9, 1, true, 4},  // out of range: clamped
        {-7, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "status " << c.storedStatus << ", " << c.daysSincePrompt << " days");
        Put("DonateStatus", Number(c.storedStatus));
        Put("DonateLastPrompt", Number(static_cast<std::int32_t>(kToday) - c.daysSincePrompt));
        DonationReminder reminder = Loaded();
        EXPECT_EQ(reminder.DonationStatus(), c.statusRead);
        EXPECT_EQ(reminder.DonateButtonShown(), c.statusRead != 2 && c.statusRead != 3);
        EXPECT_EQ(reminder.TakeReminderIfDue(kToday), c.due);
        // A reminder shown waits from today whatever the answer; none shown
        // leaves the day alone.
        EXPECT_EQ(reminder.LastPromptDate(), c.due ? kToday : kToday - c.daysSincePrompt);
    }
}

TEST_F(DonationReminderTest, FirstRunCreatesTheKeyAndWaitsAWeek) {
    DonationReminder reminder = Loaded();
    EXPECT_EQ(reminder.DonationKeyPath(), "Software\\tessarine");
    EXPECT_FALSE(reminder.TakeReminderIfDue(kToday));
    Save(reminder);
    EXPECT_EQ(Stored("DonateStatus"), Number(4));
    EXPECT_EQ(Stored("DonateLastPrompt"), Number(static_cast<std::int32_t>(kToday) + 6));
    // Due on the seventh day, not before.
    EXPECT_FALSE(Loaded().TakeReminderIfDue(kToday + 6));
    EXPECT_TRUE(Loaded().TakeReminderIfDue(kToday + 7));
}

TEST_F(DonationReminderTest, AnswersDecideTheNextPromptAndOnDemandSuppressesTheReminder) {
    Put("DonateStatus", Number(4));
    Put("DonateLastPrompt", Number(static_cast<std::int32_t>(kToday) - 5));
    DonationReminder reminder = Loaded();
    reminder.BeginOnDemand();
    EXPECT_EQ(reminder.DonationStatus(), 0);
    EXPECT_FALSE(reminder.RecordAnswer(kRemindTomorrow, kToday));
    EXPECT_FALSE(reminder.TakeReminderIfDue(kToday + 30));
    Save(reminder);
    EXPECT_EQ(Stored("DonateStatus"), Number(4));
    EXPECT_EQ(Stored("DonateLastPrompt"), Number(static_cast<std::int32_t>(kToday)));

    DonationReminder next = Loaded();
    EXPECT_TRUE(next.RecordAnswer(kDonateNow, kToday + 3));  // opens the donation page
    EXPECT_EQ(next.LastPromptDate(), kToday);                // only answers 1 and 4 move it
    EXPECT_FALSE(next.RecordAnswer(kNeverAskAgain, kToday + 3));
    EXPECT_FALSE(next.DonateButtonShown());
}

TEST_F(DonationReminderTest, ValuesStoredAsTextAreReadAndWrittenBackAsText) {
    Put("DonateStatus", RegistryValue::MakeText(" 1 "));
    Put("DonateLastPrompt", RegistryValue::MakeText("no number"));
    DonationReminder reminder = Loaded();
    EXPECT_EQ(reminder.DonationStatus(), 1);
    EXPECT_EQ(reminder.LastPromptDate(), kToday + 6);  // the read default
    Save(reminder);
    EXPECT_EQ(Stored("DonateStatus"), RegistryValue::MakeText("1"));
    EXPECT_EQ(Stored("DonateLastPrompt"),
              RegistryValue::MakeText(std::to_string(static_cast<std::int32_t>(kToday) + 6)));
}

TEST_F(DonationReminderTest, SavingWritesOnlyWhatChangedAndKeepsQuietOnAReadOnlyStore) {
    struct Case {
        const char* name;
        // The run starts with status 4 and a last prompt five days ago, and
        // another copy of the program stores its own answer while it runs:
        // what this run did not change must not undo that.
        bool stored;
        bool writable;  // false: a store this user may only read
        std::function<void(DonationReminder&)> during;
        std::optional<RegistryValue> status;  // stored at the end
        std::optional<RegistryValue> lastPrompt;
    };
    constexpr std::int32_t kOther = 1;
    const std::int32_t today = static_cast<std::int32_t>(kToday);
    const std::int32_t otherPrompt = today - 100;
    const auto nothing = [](DonationReminder&) {};
    const auto neverAgain = [](DonationReminder& r) { r.RecordAnswer(kNeverAskAgain, kToday); };
    const auto tomorrow = [](DonationReminder& r) { r.RecordAnswer(kRemindTomorrow, kToday); };
    const Case cases[] = {
        {"nothing changed", true, true, nothing, Number(kOther), Number(otherPrompt)},
        {"answered never again", true, true, neverAgain, Number(kNeverAskAgain),
         Number(otherPrompt)},
        {"answered tomorrow again", true, true, tomorrow, Number(kOther), Number(today)},
        {"first run", false, true, nothing, Number(kRemindTomorrow), Number(today + 6)},
        {"read-only, key stored", true, false, neverAgain, Number(kOther), Number(otherPrompt)},
        {"read-only, no key", false, false, neverAgain, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir_.path() / "HKEY_CURRENT_USER.reg");
        if (c.stored) {
            Put("DonateStatus", Number(4));
            Put("DonateLastPrompt", Number(today - 5));
        }
        RegHiveStoreOptions options;
        if (!c.writable) options.canWrite = [](const std::filesystem::path&) { return false; };
        RegHiveStore store(
            HiveLocations{
                dir_.path() / "HKEY_LOCAL_MACHINE.reg", dir_.path() / "HKEY_CURRENT_USER.reg", {}},
            std::move(options));
        DonationReminder reminder;
        reminder.LoadDonationState(store, kProgram, kToday);
        c.during(reminder);
        if (c.stored) {
            Put("DonateStatus", Number(kOther));
            Put("DonateLastPrompt", Number(otherPrompt));
        }
        EXPECT_NO_THROW(reminder.SaveDonationState(store));
        EXPECT_EQ(Stored("DonateStatus"), c.status);
        EXPECT_EQ(Stored("DonateLastPrompt"), c.lastPrompt);
    }
}

}  // namespace
}  // namespace tessarine
