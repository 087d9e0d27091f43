#include "ui/app/stop_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace quillby {

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler may only do async-signal-safe work: it writes one byte for the UI thread.
int wakeFds[2] = {-1, -1};

void OnStopSignal(int)
{
    const char byte = 1;
    (void)!write(wakeFds[0], &byte, 1);
}

void SetHandlers(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) {
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace

StopSignals::StopSignals(std::function<void()> onStop, QObject* parent)
    : QObject(parent), onStop(std::move(onStop))
{
    if (wakeFds[0] != -1 ||
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeFds) != 0) {
        return;
    }
    notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &StopSignals::Drain);
    SetHandlers(OnStopSignal);
}

StopSignals::~StopSignals()
{
    if (notifier == nullptr) {
        return;
    }
    SetHandlers(SIG_DFL);
    delete notifier;
    close(wakeFds[0]);
    close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

void StopSignals::Drain()
{
    char bytes[16];
    while (read(wakeFds[1], bytes, sizeof bytes) > 0) {
    }
    if (onStop) {
        onStop();
    }
}

}  // namespace quillby
