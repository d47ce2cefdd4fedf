// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/termination_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace tessarine {

namespace {

// The handler may only set a lock-free flag and write to a descriptor; the
// event loop reads it.
int signalSocket[2] = {-1, -1};
std::atomic<bool> terminationRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

constexpr char kNotifierName[] = "terminationNotifier";

extern "C" void OnTerminationSignal(int /*signal*/) {
    const int savedErrno = errno;
    terminationRequested.store(true);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void CatchTerminationSignals() {
    if (signalSocket[0] != -1) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) return;
    // A flood of signals fills the socket; the handler must never wait on it.
    ::fcntl(signalSocket[0], F_SETFL, ::fcntl(signalSocket[0], F_GETFL) | O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

void QuitOnTerminationSignals() {
    CatchTerminationSignals();
    QCoreApplication* application = QCoreApplication::instance();
    if (signalSocket[1] == -1 || application == nullptr ||
        application->findChild<QSocketNotifier*>(QLatin1String(kNotifierName)) != nullptr) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, application);
    notifier->setObjectName(QLatin1String(kNotifierName));
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalSocket[1], &byte, 1);
        // Ends every loop, a modal dialog's included, without asking. A loop
        // started afresh later would not see it: TerminationRequested() is
        // what keeps the program from starting one.
        QCoreApplication::exit(0);
    });
}

bool TerminationRequested() {
    return terminationRequested.load();
}

}  // namespace tessarine
