#include "ui/app/termination_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <utility>

namespace quillby {

namespace {

// One watch at a time: the signal handler can reach only plain globals.
int wakeRead = -1;
int wakeWrite = -1;

void OnSignal(int signal)
{
    // The first signal wakes the UI thread; the default comes back for a second one.
    ::signal(signal, SIG_DFL);
    const char byte = 1;
    (void)!::write(wakeWrite, &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

}  // namespace

TerminationWatch::TerminationWatch(std::function<void()> onStop) : onStop(std::move(onStop))
{
    int fds[2];
    if (wakeWrite >= 0 || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their default
    }
    wakeRead = fds[0];
    wakeWrite = fds[1];
    notifier = std::make_unique<QSocketNotifier>(wakeRead, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &TerminationWatch::Woken);
    for (const int signal : kSignals) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, nullptr);
    }
}

TerminationWatch::~TerminationWatch()
{
    if (!notifier) {
        return;
    }
    for (const int signal : kSignals) {
        ::signal(signal, SIG_DFL);
    }
    notifier.reset();
    ::close(wakeRead);
    ::close(wakeWrite);
    wakeRead = -1;
    wakeWrite = -1;
}

void TerminationWatch::Woken()
{
    char bytes[16];
    while (::read(wakeRead, bytes, sizeof bytes) > 0) {
    }
    if (onStop) {
        onStop();
    }
}

}  // namespace quillby
