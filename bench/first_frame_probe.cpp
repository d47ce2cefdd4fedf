// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints how long it took until a top-level window
// whose title contains the given text first showed a drawn frame. Then,
// after a pause, prints the program's resident memory, and ends it.
//
//   first_frame_probe TITLE SETTLE_MS COMMAND [ARGUMENTS...]
//   -> "<milliseconds to first frame> <resident KiB after SETTLE_MS>
//       <CPU milliseconds the program had used at its first frame>"
//
// The first damage on a newly mapped window is the server filling it with
// its background, before the program has drawn anything; a frame counts
// only once the window holds more than one colour.
//
// The CPU figure is steadier than the wall time on a busy machine.
//
// Run it on a display without a window manager, so that the program's
// windows are children of the root window.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

bool TitleContains(Display* display, Window window, const char* text) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) return false;
    const bool found = std::strstr(name, text) != nullptr;
    XFree(name);
    return found;
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

long CpuMs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name, which is in parentheses and may hold blanks.
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long user = 0;
    long system = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) user = std::stol(field);
        if (index == 15) {
            system = std::stol(field);
            break;
        }
    }
    return (user + system) * 1000 / sysconf(_SC_CLK_TCK);
}

// A window that is gone or partly off the screen cannot be read; that is
// not a frame, and not a reason to stop.
int IgnoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

// Whether every pixel of the image has the colour of the first. Fast for
// 32-bit pixels, since the check runs while the program may be drawing.
bool OneColour(const XImage& image) {
    if (image.bits_per_pixel != 32) {
        const unsigned long first = XGetPixel(const_cast<XImage*>(&image), 0, 0);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (XGetPixel(const_cast<XImage*>(&image), x, y) != first) return false;
            }
        }
        return true;
    }
    // The byte beyond the colour channels is undefined.
    const auto mask =
        static_cast<std::uint32_t>(image.red_mask | image.green_mask | image.blue_mask);
    std::uint32_t first = 0;
    std::memcpy(&first, image.data, sizeof first);
    first &= mask;
    for (int y = 0; y < image.height; ++y) {
        const char* row = image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line;
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
            if ((pixel & mask) != first) return false;
        }
    }
    return true;
}

// Whether the window shows more than one colour: a background fill is one.
bool HoldsADrawing(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const bool drawn = !OneColour(*image);
    XDestroyImage(image);
    return drawn;
}

// Whether more damage on the window is already queued: drawing that landed
// after the damage being examined, whose time is then the one to report.
bool MoreDamageQueued(Display* display, int damageEvent, Window target) {
    XSync(display, False);
    XEvent event;
    while (XCheckTypedEvent(display, damageEvent + XDamageNotify, &event)) {
        if (reinterpret_cast<XDamageNotifyEvent&>(event).drawable == target) return true;
    }
    return false;
}

int Fail(const char* message) {
    std::fprintf(stderr, "first_frame_probe: %s\n", message);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) return Fail("usage: first_frame_probe TITLE SETTLE_MS COMMAND [ARGUMENTS...]");
    const char* title = argv[1];
    const int settleMs = std::atoi(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return Fail("cannot open the display");
    XSetErrorHandler(IgnoreXError);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        return Fail("the display has no DAMAGE extension");
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    Window target = 0;
    Damage damage = 0;
    long elapsedMs = -1;
    long cpuMs = -1;
    while (elapsedMs < 0) {
        if (Clock::now() - start > std::chrono::seconds(20)) {
            kill(child, SIGKILL);
            return Fail("no frame within 20 s");
        }
        if (XPending(display) == 0) {
            // Woken by the next event, not by a timer: the time read is the
            // time it came.
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && target == 0 &&
            TitleContains(display, event.xmap.window, title)) {
            target = event.xmap.window;
            damage = XDamageCreate(display, target, XDamageReportNonEmpty);
            XSync(display, False);
        } else if (event.type == damageEvent + XDamageNotify &&
                   reinterpret_cast<XDamageNotifyEvent&>(event).drawable == target) {
            Clock::time_point damaged = Clock::now();
            const long cpuAtDamage = CpuMs(child);
            // Emptied first, so that drawing from now on reports anew.
            XDamageSubtract(display, damage, None, None);
            if (!HoldsADrawing(display, target)) continue;
            long cpu = cpuAtDamage;
            if (MoreDamageQueued(display, damageEvent, target)) {
                damaged = Clock::now();
                cpu = CpuMs(child);
            }
            elapsedMs =
                std::chrono::duration_cast<std::chrono::milliseconds>(damaged - start).count();
            cpuMs = cpu;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = ResidentKib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%ld %ld %ld\n", elapsedMs, rss, cpuMs);
    return 0;
}
