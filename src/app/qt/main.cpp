#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/qt/main_form.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/icon_theme_setup.h"

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
    // Every size in the windows is a pixel count meant as it stands.
    if (!IsSet("QT_ENABLE_HIGHDPI_SCALING") && !IsSet("QT_SCALE_FACTOR")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    tessarine::SetUpFontSubstitutes();
    tessarine::SetUpIconTheme();

    tessarine::TjulCalMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
