// SPDX-License-Identifier: GPL-3.0-or-later
// The colour sets and display modes as the user chooses them from the menus,
// and their record in the machine hive across runs of the window.

#include <sys/file.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_defaults.h"
#include "app/color_sets.h"
#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "platform/qt/font_setup.h"
#include "platform/reg_hive_store.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

constexpr char kInvalidType[] = "Invalid data type for 'AppDefaultsRec'";
constexpr char kFailedToSet[] = "Failed to set data for 'AppDefaultsRec'";

// Points the hive store at a directory of its own for one test, and puts
// the previous setting back afterwards.
class ScopedRegistryDir {
  public:
    explicit ScopedRegistryDir(const QString& path) : previous_(qgetenv("TESSARINE_REGISTRY_DIR")) {
        qputenv("TESSARINE_REGISTRY_DIR", path.toLocal8Bit());
    }
    ~ScopedRegistryDir() { qputenv("TESSARINE_REGISTRY_DIR", previous_); }

    ScopedRegistryDir(const ScopedRegistryDir&) = delete;
    ScopedRegistryDir& operator=(const ScopedRegistryDir&) = delete;

  private:
    QByteArray previous_;
};

// Every message the window would have shown in a message box.
struct ShownErrors {
    std::vector<std::string> messages;

    ErrorDisplay Display() {
        return
            [this](QWidget* /*owner*/, const std::string& message) { messages.push_back(message); };
    }
};

// One run of the program's main window over whatever store the environment
// names, with its messages recorded.
struct Run {
    RecordingShell shell;
    ShownErrors errors;
    std::unique_ptr<TjulCalMainForm> form;

    explicit Run(Registry* registry = nullptr) {
        form =
            std::make_unique<TjulCalMainForm>(MainFormServices{&shell, registry, errors.Display()});
    }

    QAction* Item(const char* name) const {
        auto* item = form->findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(item != nullptr);
        return item;
    }
    const TJulianCalendar& Grid() const { return form->Calendar1()->calendar(); }
};

constexpr const char* kSettingItems[] = {
    "ShowDayofYear1",        "ShowDayofYear2",      "ShowJulianDayNumbers1",
    "ShowJulianDayNumbers2", "ShowNone1",           "ShowNone2",
    "UseStandardColorSet1",  "UseDefaultColorset1", "UseBusinessColorset1"};

QStringList Ticked(const Run& run) {
    QStringList names;
    for (const char* name : kSettingItems) {
        if (run.Item(name)->isChecked()) {
            names << QString::fromLatin1(name);
        }
    }
    return names;
}

// The ticks a mode and a set must leave: both twins of the mode, one set.
QStringList Expected(DayNumberMode mode, std::size_t set) {
    const std::map<DayNumberMode, QStringList> modes{
        {DayNumberMode::DayOfYear, {"ShowDayofYear1", "ShowDayofYear2"}},
        {DayNumberMode::JulianDayNumber, {"ShowJulianDayNumbers1", "ShowJulianDayNumbers2"}},
        {DayNumberMode::None, {"ShowNone1", "ShowNone2"}}};
    const char* sets[] = {"UseStandardColorSet1", "UseDefaultColorset1", "UseBusinessColorset1"};
    return modes.at(mode) + QStringList{QString::fromLatin1(sets[set])};
}

const char* SetItem(std::size_t set) {
    const char* items[] = {"UseStandardColorSet1", "UseDefaultColorset1", "UseBusinessColorset1"};
    return items[set];
}

const char* ModeItem(DayNumberMode mode, bool contextMenu) {
    switch (mode) {
        case DayNumberMode::DayOfYear:
            return contextMenu ? "ShowDayofYear2" : "ShowDayofYear1";
        case DayNumberMode::JulianDayNumber:
            return contextMenu ? "ShowJulianDayNumbers2" : "ShowJulianDayNumbers1";
        case DayNumberMode::None:
            break;
    }
    return contextMenu ? "ShowNone2" : "ShowNone1";
}

// The stored value and a way to plant one, through a store of the test's own
// over the same directory.
std::optional<RegistryValue> StoredValue() {
    RegHiveStore store;
    auto key = store.CreateKey(RegistryRoot::LocalMachine, "\\Software\\Tessarine");
    if (!key) return std::nullopt;
    return key->ReadValue("AppDefaultsRec");
}

void Store(const RegistryValue& value) {
    RegHiveStore store;
    auto key = store.CreateKey(RegistryRoot::LocalMachine, "\\Software\\Tessarine");
    QVERIFY(key != nullptr);
    key->WriteValue("AppDefaultsRec", value);
}

void StoreRecord(std::int32_t code, std::uint8_t julian, std::uint8_t none) {
    const AppDefaultsRec rec{code, 0, julian, none, 0};
    const AppDefaultsRec::Bytes bytes = rec.ToBytes();
    Store(RegistryValue::MakeBinary({bytes.begin(), bytes.end()}));
}

std::vector<std::uint8_t> Bytes(std::initializer_list<std::uint8_t> bytes) {
    return bytes;
}

QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// A registry whose key opens but whose value cannot be written.
class UnwritableRegistry : public Registry {
  public:
    struct Key : RegistryKey {
        std::optional<RegistryValue> ReadValue(std::string_view /*name*/) override {
            return std::nullopt;
        }
        void WriteValue(std::string_view /*name*/, const RegistryValue& /*value*/) override {
            throw RegistryError("no space left on the device");
        }
        void Close() override {}
    };
    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot /*root*/,
                                           std::string_view /*path*/) override {
        return std::make_unique<Key>();
    }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

Q_DECLARE_METATYPE(tessarine::DayNumberMode)
Q_DECLARE_METATYPE(tessarine::RegistryValue)

class MainFormSettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetUpFontSubstitutes(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        registryDir_ = std::make_unique<ScopedRegistryDir>(dir_->path());
    }
    void cleanup() {
        registryDir_.reset();
        dir_.reset();
    }

    void firstRunShowsTheDesignStateAndStoresNothing() {
        Run run;
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 0));
        QCOMPARE(run.form->ActiveColors(), MakeColorSets()[0]);
        QCOMPARE(run.Grid().Colors(), MakeColorSets()[0]);
        QVERIFY(!run.Grid().ShowJulianDayNumber());
        QVERIFY(!run.Grid().ShowNone());
        QVERIFY(run.errors.messages.empty());
        run.form.reset();  // closing writes nothing either
        QVERIFY(!StoredValue().has_value());
    }

    void eachColourSetSurvivesARestart_data() {
        QTest::addColumn<int>("set");
        QTest::newRow("Standard Colors") << 0;
        QTest::newRow("Green and Yellow") << 1;
        QTest::newRow("Silver and Teal") << 2;
    }
    void eachColourSetSurvivesARestart() {
        QFETCH(int, set);
        const auto index = static_cast<std::size_t>(set);
        // Start from another set, with a mode to be carried along.
        StoreRecord((set + 1) % 3, 1, 0);
        {
            Run run;
            QCOMPARE(Ticked(run), Expected(DayNumberMode::JulianDayNumber, (index + 1) % 3));
            run.Item(SetItem(index))->trigger();
            QCOMPARE(Ticked(run), Expected(DayNumberMode::JulianDayNumber, index));
            // Written at once, the mode bytes as they were.
            QCOMPARE(StoredValue()->data,
                     Bytes({static_cast<std::uint8_t>(set), 0, 0, 0, 0, 1, 0, 0}));
            QCOMPARE(StoredValue()->type, RegistryValueType::Binary);
        }
        Run again;
        QCOMPARE(Ticked(again), Expected(DayNumberMode::JulianDayNumber, index));
        QCOMPARE(again.form->ActiveColors(), MakeColorSets()[index]);
        QCOMPARE(again.Grid().Colors(), MakeColorSets()[index]);
        QCOMPARE(again.form->ClientArea()->palette().color(QPalette::Window),
                 ToQColor(MakeColorSets()[index][ColorSet::BackgroundColor]));
        QVERIFY(again.errors.messages.empty());
    }

    void eachModeSurvivesARestart_data() {
        QTest::addColumn<DayNumberMode>("mode");
        QTest::addColumn<bool>("julian");
        QTest::addColumn<bool>("none");
        QTest::newRow("day of year") << DayNumberMode::DayOfYear << false << false;
        QTest::newRow("Julian Day Number") << DayNumberMode::JulianDayNumber << true << false;
        QTest::newRow("none") << DayNumberMode::None << false << true;
    }
    void eachModeSurvivesARestart() {
        QFETCH(DayNumberMode, mode);
        QFETCH(bool, julian);
        QFETCH(bool, none);
        // Start in another mode (none beats Julian Day Numbers), with a set
        // to be carried along.
        StoreRecord(2, 1, mode == DayNumberMode::None ? 0 : 1);
        {
            Run run;
            run.Item(ModeItem(mode, false))->trigger();
            QCOMPARE(Ticked(run), Expected(mode, 2));
            QCOMPARE(run.Grid().ShowJulianDayNumber(), julian);
            QCOMPARE(run.Grid().ShowNone(), none);
            QCOMPARE(StoredValue()->data, Bytes({2, 0, 0, 0, 0, static_cast<std::uint8_t>(julian),
                                                 static_cast<std::uint8_t>(none), 0}));
        }
        Run again;
        QCOMPARE(Ticked(again), Expected(mode, 2));
        QCOMPARE(again.Grid().ShowJulianDayNumber(), julian);
        QCOMPARE(again.Grid().ShowNone(), none);
        QVERIFY(again.errors.messages.empty());
    }

    // The ticks behave as radio items in both menus, also when the item
    // already ticked is chosen again (which by itself would untick it).
    void choosingInTheContextMenuTicksBothTwins() {
        Run run;
        for (DayNumberMode mode :
             {DayNumberMode::None, DayNumberMode::None, DayNumberMode::JulianDayNumber,
              DayNumberMode::DayOfYear, DayNumberMode::DayOfYear}) {
            run.Item(ModeItem(mode, true))->trigger();
            QCOMPARE(Ticked(run), Expected(mode, 0));
            QCOMPARE(DayNumberModeOf(run.Grid().ShowJulianDayNumber(), run.Grid().ShowNone()),
                     mode);
            QCOMPARE(DayNumberModeOf(run.form->AppDefaults()), mode);
        }
        for (std::size_t set :
             {std::size_t{1}, std::size_t{1}, std::size_t{2}, std::size_t{0}, std::size_t{0}}) {
            run.Item(SetItem(set))->trigger();
            QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, set));
        }
        QVERIFY(run.errors.messages.empty());
    }

    // The popup reaches the handler through the menu itself, not only
    // through the action.
    void contextMenuItemsAreInTheGridsMenu() {
        Run run;
        auto* popup = run.form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QVERIFY(popup->actions().contains(run.Item("ShowNone2")));
        popup->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        popup->setActiveAction(run.Item("ShowNone2"));
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(run.Grid().ShowNone());
        QCOMPARE(Ticked(run), Expected(DayNumberMode::None, 0));
    }

    void storedCodeOutsideTheSetsStartsStandardColors_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("7") << 7;
        QTest::newRow("-1") << -1;
    }
    void storedCodeOutsideTheSetsStartsStandardColors() {
        QFETCH(int, code);
        StoreRecord(code, 0, 1);
        Run run;
        QCOMPARE(Ticked(run), Expected(DayNumberMode::None, 0));
        QCOMPARE(run.form->ActiveColors(), MakeColorSets()[0]);
        // The code itself is kept until the user picks a set.
        QCOMPARE(run.form->AppDefaults().ColorSetCode, code);
        run.Item("ShowDayofYear1")->trigger();
        const std::vector<std::uint8_t> stored = StoredValue()->data;
        QCOMPARE(stored.size(), AppDefaultsRec::kSize);
        AppDefaultsRec::Bytes bytes{};
        std::copy(stored.begin(), stored.end(), bytes.begin());
        QCOMPARE(AppDefaultsRec::FromBytes(bytes).ColorSetCode, code);
        QVERIFY(run.errors.messages.empty());
    }

    void fiveByteValueSetsOnlyTheCodeAndByteFour() {
        Store(RegistryValue::MakeBinary({2, 0, 0, 0, 0x5A}));
        Run run;
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 2));
        QCOMPARE(run.form->AppDefaults().Reserved4, std::uint8_t{0x5A});
        QVERIFY(!run.Grid().ShowJulianDayNumber());
        QVERIFY(!run.Grid().ShowNone());
        // The next write stores all eight bytes, byte 4 carried.
        run.Item("ShowNone1")->trigger();
        QCOMPARE(StoredValue()->data, Bytes({2, 0, 0, 0, 0x5A, 0, 1, 0}));
    }

    void refusedValueIsShownOnceAndTheProgramGoesOn_data() {
        QTest::addColumn<RegistryValue>("value");
        QTest::newRow("text") << RegistryValue::MakeText("2");
        QTest::newRow("expandable text") << RegistryValue::MakeExpandableText("%HOME%");
        QTest::newRow("32-bit number") << RegistryValue::MakeNumber32(2);
        QTest::newRow("9 bytes") << RegistryValue::MakeBinary({2, 0, 0, 0, 0, 1, 0, 0, 0});
    }
    void refusedValueIsShownOnceAndTheProgramGoesOn() {
        QFETCH(RegistryValue, value);
        Store(value);
        Run run;
        QCOMPARE(run.errors.messages, std::vector<std::string>{kInvalidType});
        // Nothing of the value applied: the design state, whole colours.
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 0));
        QCOMPARE(run.form->ActiveColors(), MakeColorSets()[0]);
        QCOMPARE(run.Grid().Colors(), MakeColorSets()[0]);
        QVERIFY(!run.Grid().ShowJulianDayNumber());
        QVERIFY(!run.Grid().ShowNone());
        QCOMPARE(StoredValue(), std::optional<RegistryValue>(value));

        // The window works on, and a choice replaces the refused value.
        run.Item("UseBusinessColorset1")->trigger();
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 2));
        QCOMPARE(run.errors.messages.size(), std::size_t{1});
        QCOMPARE(StoredValue()->type, RegistryValueType::Binary);
        QCOMPARE(StoredValue()->data, Bytes({2, 0, 0, 0, 0, 0, 0, 0}));
    }

    void aDamagedHiveSetAsideIsShownOnceNamingWhereItIsKept() {
        QFile hive(dir_->filePath(QStringLiteral("HKEY_LOCAL_MACHINE.reg")));
        QVERIFY(hive.open(QIODevice::WriteOnly));
        hive.write("not a hive\n");
        hive.close();

        Run run;
        run.form->findChild<QAction*>(QStringLiteral("UseBusinessColorset1"))->trigger();
        QCOMPARE(run.errors.messages.size(), std::size_t{1});
        const QStringList kept =
            QDir(dir_->path()).entryList({QStringLiteral("HKEY_LOCAL_MACHINE.reg.damaged-*")});
        QCOMPARE(kept.size(), 1);
        QVERIFY2(run.errors.messages[0].find(kept[0].toStdString()) != std::string::npos,
                 run.errors.messages[0].c_str());
    }

    void unwritableSettingsDirectoryKeepsTheChoiceForTheRunSilently() {
        const QString file = dir_->filePath(QStringLiteral("plain-file"));
        {
            QFile plain(file);
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.write("not a directory\n");
        }
        ScopedRegistryDir below(file + QStringLiteral("/settings"));
        {
            Run run;
            QVERIFY(run.errors.messages.empty());
            run.Item("UseBusinessColorset1")->trigger();
            run.Item("ShowJulianDayNumbers2")->trigger();
            QCOMPARE(Ticked(run), Expected(DayNumberMode::JulianDayNumber, 2));
            QCOMPARE(run.form->ActiveColors(), MakeColorSets()[2]);
            QVERIFY(run.Grid().ShowJulianDayNumber());
            QVERIFY(run.errors.messages.empty());
        }
        Run again;
        QCOMPARE(Ticked(again), Expected(DayNumberMode::DayOfYear, 0));
        QVERIFY(again.errors.messages.empty());
    }

    void failedWriteIsShownAndTheChoiceStaysForTheRun() {
        UnwritableRegistry registry;
        Run run(&registry);
        QVERIFY(run.errors.messages.empty());

        const std::string failed = std::string(kFailedToSet) + "\nno space left on the device";
        run.Item("UseDefaultColorset1")->trigger();
        QCOMPARE(run.errors.messages, std::vector<std::string>{failed});
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 1));
        QCOMPARE(run.form->ActiveColors(), MakeColorSets()[1]);

        run.Item("ShowNone1")->trigger();
        QCOMPARE(run.errors.messages, (std::vector<std::string>{failed, failed}));
        QCOMPARE(Ticked(run), Expected(DayNumberMode::None, 1));
        QVERIFY(run.Grid().ShowNone());
    }

    // Another program has held the settings since before the start: nothing
    // is said until a choice cannot be saved, and then that is said.
    void aChoiceBlockedByAnotherProgramsLockIsShownNamingTheFile() {
        const QString hive = dir_->filePath(QStringLiteral("HKEY_LOCAL_MACHINE.reg"));
        QFile lock(hive + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QCOMPARE(::flock(lock.handle(), LOCK_EX), 0);
        RegHiveStoreOptions quick;
        quick.lockTimeout = std::chrono::milliseconds(50);
        RegHiveStore store(ResolveHiveLocations(), quick);
        Run run(&store);
        QVERIFY(run.errors.messages.empty());

        run.Item("UseBusinessColorset1")->trigger();
        QCOMPARE(run.errors.messages.size(), std::size_t{1});
        const std::string& shown = run.errors.messages[0];
        QVERIFY2(shown.rfind(std::string(kFailedToSet) + "\n", 0) == 0, shown.c_str());
        QVERIFY2(shown.find(hive.toStdString() + " could not be written") != std::string::npos,
                 shown.c_str());
        QCOMPARE(Ticked(run), Expected(DayNumberMode::DayOfYear, 2));
    }

    // Two copies share the value; each writes only when its user chooses.
    void closingNeverWritesTheSettings() {
        Run first;
        first.Item("UseBusinessColorset1")->trigger();
        {
            Run second;
            second.Item("ShowNone1")->trigger();
        }
        QCOMPARE(StoredValue()->data, Bytes({2, 0, 0, 0, 0, 0, 1, 0}));
        first.form->close();
        first.form.reset();
        QCOMPARE(StoredValue()->data, Bytes({2, 0, 0, 0, 0, 0, 1, 0}));
    }

    void switchingSetsRepaintsTheTitleBandAtOnce() {
        Run run;
        run.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.form.get()));
        QWidget* client = run.form->ClientArea();
        PaintCounter clientPaints;
        PaintCounter gridPaints;
        client->installEventFilter(&clientPaints);
        run.form->Calendar1()->installEventFilter(&gridPaints);

        struct Band {
            const char* item;
            QColor band;
            QColor window;
        };
        const Band bands[] = {
            {"UseDefaultColorset1", QColor(255, 255, 128), QColor(255, 255, 204)},
            {"UseBusinessColorset1", QColor(192, 192, 192), QColor(192, 192, 192)},
            {"UseStandardColorSet1", QColor(232, 232, 232), QColor(166, 202, 240)}};
        for (const Band& expected : bands) {
            const int before = clientPaints.paints;
            run.Item(expected.item)->trigger();
            // Painted before the event loop runs again.
            QVERIFY2(clientPaints.paints > before, expected.item);
            const QImage image = client->grab().toImage();
            QCOMPARE(image.pixelColor(88, 2), expected.band);
            QCOMPARE(image.pixelColor(88, 30), expected.band);
            QCOMPARE(image.pixelColor(image.width() - 1, 2), expected.band);
            QCOMPARE(image.pixelColor(88, 1), expected.window);
            QCOMPARE(image.pixelColor(88, 31), expected.window);
        }
        // The grid was asked too.
        QTRY_VERIFY(gridPaints.paints > 0);
    }

    // A disabled caption must not vanish into any set's background (the
    // desktop's disabled grey is close to silver).
    void disabledCaptionsStayReadableInEverySet() {
        Run run;
        run.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.form.get()));
        auto* donate = run.form->findChild<QWidget*>(QStringLiteral("btnOrder"));
        donate->setEnabled(false);
        for (std::size_t set = 0; set < kColorSetCount; ++set) {
            run.Item(SetItem(set))->trigger();
            const QImage image = donate->grab().toImage();
            const int background =
                qGray(ToQColor(MakeColorSets()[set][ColorSet::BackgroundColor]).rgb());
            int darkest = 255;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    darkest = std::min(darkest, qGray(image.pixel(x, y)));
                }
            }
            QVERIFY2(background - darkest >= 48, SetItem(set));
        }
    }

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScopedRegistryDir> registryDir_;
};

QTEST_MAIN(MainFormSettingsTest)
#include "main_form_settings_test.moc"
