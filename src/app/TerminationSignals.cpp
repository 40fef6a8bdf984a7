#include "app/TerminationSignals.h"

#ifndef _WIN32
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#endif

namespace {
bool terminationRequested = false;
}  // namespace

bool TerminationRequested() {
    return terminationRequested;
}

#ifdef _WIN32

// A Windows GUI program gets no such signals: ending the session reaches it through Qt's
// commitDataRequest, and "taskkill" without /F closes the main window.
void QuitOnTerminationSignals(QObject*) {}

#else

namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    // Only async-signal-safe work here: the message loop reads the byte.
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalPipe[1], &byte, 1);
}
}  // namespace

void QuitOnTerminationSignals(QObject* parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char byte;
        [[maybe_unused]] ssize_t got = ::read(signalPipe[0], &byte, 1);
        terminationRequested = true;
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    // A closed terminal, or a session ended without a session manager.
    ::sigaction(SIGHUP, &action, nullptr);
}

#endif
