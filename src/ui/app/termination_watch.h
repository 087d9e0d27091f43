#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace quillby {

// A desktop session that ends (log-out, shut-down) or a plain `kill` asks a program to stop
// with SIGTERM or SIGHUP, a closed terminal with SIGHUP, Ctrl+C with SIGINT; left to the
// default, that ends the game at once and loses the puzzle's progress since the last safety
// save, with every solved clue of the session. While it lives, those signals run onStop on the
// UI thread instead (the signal handler only wakes the event loop through a pipe), also from
// the nested loop of an open dialog. A second signal, if onStop never returns, still ends the
// program. One watch at a time; the default dispositions come back when it goes.
class TerminationWatch : public QObject {
public:
    explicit TerminationWatch(std::function<void()> onStop);
    ~TerminationWatch() override;
    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

    // False when the signals could not be taken over; they then keep their defaults.
    bool Installed() const { return notifier != nullptr; }

private:
    void Woken();

    std::function<void()> onStop;
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace quillby
