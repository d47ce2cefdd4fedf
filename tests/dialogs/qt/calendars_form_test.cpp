// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/calendars_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/reg_hive_store.h"

namespace tessarine {

namespace {

using Texts = std::vector<std::string>;

Texts StoredTexts(Registry& registry, std::string_view name) {
    const auto key = registry.CreateKey(RegistryRoot::CurrentUser, kCalendarsKey);
    if (key == nullptr) return {"<no key>"};
    const auto value = key->ReadValue(name);
    if (!value) return {"<no value>"};
    if (value->type != RegistryValueType::MultiText) return {"<other type>"};
    return *value->AsMultiText();
}

}  // namespace

class CalendarsFormTest : public QObject {
    Q_OBJECT

  private slots:
    // Each step of the dialog stores the whole list at once, in the order
    // shown, with the calendars turned off listed again under Hidden.
    void everyChangeIsStoredInOrder() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::filesystem::path folder = dir.path().toStdString();
        RegHiveStore store(HiveLocations{folder / "machine.reg", folder / "user.reg", {}});
        const std::string file = (folder / "family.ics").string();

        CalendarSources sources;
        TCalendarsForm form(
            nullptr, sources, [&] { sources.Write(store); }, {},
            [&](QWidget*) { return QString::fromStdString(file); });
        const std::string address = "webcal://example.org/holidays.ics";

        struct Step {
            const char* name;
            std::function<void()> act;
            Texts sources;
            Texts hidden;
        };
        const Step steps[] = {
            {"add a file", [&] { form.btnAddFile->click(); }, {file}, {}},
            {"add an address",
             [&] {
                 form.edAddress->setText(QStringLiteral("ftp://example.org/holidays.ics"));
                 QVERIFY(!form.btnAddAddress->isEnabled());
                 form.edAddress->setText(QString::fromStdString(address));
                 form.btnAddAddress->click();
             },
             {file, address},
             {}},
            {"the same file again changes nothing",
             [&] { form.btnAddFile->click(); },
             {file, address},
             {}},
            {"turn the file off",
             [&] { form.lstCalendars->item(0)->setCheckState(Qt::Unchecked); },
             {file, address},
             {file}},
            {"remove the address",
             [&] {
                 form.lstCalendars->setCurrentRow(1);
                 form.btnRemove->click();
             },
             {file},
             {file}},
        };
        for (const Step& step : steps) {
            step.act();
            const QByteArray where = step.name;
            QVERIFY2(StoredTexts(store, kCalendarSourcesValue) == step.sources, where);
            QVERIFY2(StoredTexts(store, kHiddenCalendarsValue) == step.hidden, where);
            QCOMPARE(form.lstCalendars->count(), static_cast<int>(step.sources.size()));
        }
        // Read back as the next start reads it.
        QCOMPARE(CalendarSources::Read(store), sources);
        QCOMPARE(form.lstCalendars->item(0)->checkState(), Qt::Unchecked);
    }

    // A source that could not be read, or is shown from the copy kept before,
    // is named in the dialog itself.
    void problemsAreNamedQuietly() {
        CalendarSources sources;
        TCalendarsForm form(nullptr, sources, {}, {});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!form.lblNotice->isVisible());
        form.setProblems({QStringLiteral("/tmp/x.ics: This is not an iCalendar file.")});
        QVERIFY(form.lblNotice->isVisible());
        QVERIFY(form.lblNotice->text().contains(QStringLiteral("/tmp/x.ics")));
        // An address shown from its kept copy is not under "Not shown".
        const QString kept = QStringLiteral(
            "The calendar https://example.org/a.ics cannot be "
            "fetched (Host not found); showing the copy from 1 "
            "hour ago.");
        form.setProblems({}, {kept});
        QCOMPARE(form.lblNotice->text(), kept);
        form.setProblems({});
        QVERIFY(!form.lblNotice->isVisible());
        QVERIFY(!form.lstCalendars->accessibleName().isEmpty());
        QVERIFY(!form.edAddress->accessibleName().isEmpty());
    }
};

}  // namespace tessarine

QTEST_MAIN(tessarine::CalendarsFormTest)
#include "calendars_form_test.moc"
