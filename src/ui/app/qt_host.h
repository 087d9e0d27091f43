#pragma once

#include <QPointer>
#include <QWidget>

#include "core/platform/host.h"

namespace quillby {

// Host over Qt: message boxes and file dialogs owned by the main window. The parts that need
// the main frame (title, status, clue window) are forwarded to it by the frame's own Host.
class QtHost : public Host {
public:
    explicit QtHost(QWidget* window = nullptr) : window(window) {}
    void SetWindow(QWidget* newWindow) { window = newWindow; }

    Reply ShowMessage(const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    std::optional<std::string> ChooseOpenPath() override;
    std::optional<std::string> ChooseSavePath() override;
    void PlaySound(const std::string& path) override;
    void Repaint(bool erase) override;
    void SetTitle(const std::string& title) override;
    void SetStatusText(StatusPane, const std::string&) override {}
    void FitFrameToGrid(int, int) override {}
    void Minimise() override;
    void PlaceClueWindow(bool) override {}
    void ClueLinesChanged() override {}
    void ClueLineSelected(int) override {}

protected:
    QPointer<QWidget> window;
};

}  // namespace quillby
