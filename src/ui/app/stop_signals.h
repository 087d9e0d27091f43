#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace quillby {

// Turns SIGTERM, SIGHUP and SIGINT (the session ending, the terminal closing, Ctrl+C) into a
// call on the UI thread, so the game autosaves and closes instead of dying with the puzzle
// unsaved. One at a time; the default dispositions come back when it goes.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void()> onStop, QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // False when the signals could not be taken over; they then keep their defaults.
    bool Installed() const { return notifier != nullptr; }

private:
    void Drain();

    std::function<void()> onStop;
    QSocketNotifier* notifier = nullptr;
};

}  // namespace quillby
