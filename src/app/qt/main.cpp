// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/main_form.h"
#include "dialogs/donation_reminder.h"
#include "platform/qt/app_style.h"
#include "platform/qt/app_translators.h"
#include "platform/qt/font_config_warm_up.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/icon_theme_setup.h"
#include "platform/qt/pictures.h"
#include "platform/qt/termination_signals.h"
#include "platform/reg_hive_store.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt would only print warnings about its platform plugins
// and abort.
bool DisplayAvailable() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

// One heap for every thread. The toolkit's threads and the font loader's
// allocate little, and glibc would give each a heap of its own, which
// stays for the program's life.
void ShareOneHeap() {
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

void ShowNotices(std::vector<std::string>& notices) {
    for (const std::string& notice : notices) tessarine::ShowErrorMessageBox(nullptr, notice);
    notices.clear();
}

// What changed of the reminder's state is stored once, after the main
// window is gone. A failure is shown (unless the program was asked to end):
// the answer the user gave would otherwise be lost without a word.
void SaveDonationState(const tessarine::DonationReminder& donation, tessarine::Registry& registry) {
    try {
        donation.SaveDonationState(registry);
    } catch (const std::exception& failure) {
        tessarine::ShowErrorMessageBox(nullptr, failure.what());
    }
}

int RunMainWindow(tessarine::MainFormServices services) {
    tessarine::TjulCalMainForm mainForm(std::move(services));
    // A request to end that came while the window was being built (its
    // start-up message included) ends the run here: the main loop would not
    // see it.
    if (tessarine::TerminationRequested()) return EXIT_SUCCESS;
    mainForm.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fputs(
            "Tessarine needs a graphical display and found none: run it from a desktop session, "
            "or start a virtual display first (for example 'Xvfb :99 &' and then "
            "'export DISPLAY=:99').\n",
            stderr);
        return EXIT_FAILURE;
    }
    // Before anything else: a desktop that ends the session while the
    // program starts must not have to ask twice.
    tessarine::CatchTerminationSignals();
    ShareOneHeap();
    // A write past the file-size limit then fails like any other, with a
    // message, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The font configuration loads on the second core while Qt connects to
    // the display.
    tessarine::FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    // Long done by now; its thread's stack is then the next one's.
    fontConfig.Finish();
    // The window icon and the button glyphs decode on the second core while
    // the window is being built.
    std::vector<tessarine::PictureKey> firstPictures =
        tessarine::WindowIconKeys(tessarine::kAppIconPicture);
    for (const tessarine::PictureKey& key : tessarine::TjulCalMainForm::FirstPictures()) {
        firstPictures.push_back(key);
    }
    tessarine::PicturePrefetch pictures(std::move(firstPictures));
    QApplication::setStyle(new tessarine::AppStyle);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    tessarine::InstallTranslations();
    tessarine::SetUpFontSubstitutes();
    tessarine::SetUpIconTheme();
    tessarine::QuitOnTerminationSignals();

    // What the store has to tell the user waits for a window to show it.
    std::vector<std::string> storeNotices;
    tessarine::RegHiveStoreOptions storeOptions;
    storeOptions.tellUser = [&storeNotices](const std::string& message) {
        storeNotices.push_back(message);
    };
    storeOptions.translate = tessarine::QtTextTranslator();
    tessarine::RegHiveStore registry(tessarine::ResolveHiveLocations(), std::move(storeOptions));
    tessarine::DonationReminder donation;
    donation.LoadDonationState(registry, QCoreApplication::applicationFilePath().toStdString(),
                               tessarine::TodayDate());
    QApplication::setWindowIcon(tessarine::WindowIcon(tessarine::kAppIconPicture, &pictures));

    int status = EXIT_SUCCESS;
    if (!tessarine::TerminationRequested()) {
        tessarine::MainFormServices services;
        services.registry = &registry;
        services.donation = &donation;
        services.storeNotices = &storeNotices;
        services.pictures = &pictures;
        status = RunMainWindow(std::move(services));
    }
    SaveDonationState(donation, registry);
    ShowNotices(storeNotices);
    return status;
}
