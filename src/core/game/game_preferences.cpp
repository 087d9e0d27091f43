#include <algorithm>
#include <array>

#include "core/game/game.h"

namespace quillby {

namespace {

// The zoom steps, in pixels from one square to the next; 36 is the actual size.
constexpr std::array<int, 8> kZoomSteps = {24, 30, 36, 42, 48, 54, 60, 72};

}  // namespace

void Game::LoadPreferencesFile()
{
    ReadPreferences read = LoadPreferences(PreferencesPath());
    preferences = std::move(read.preferences);
    preferencesMessage = PreferencesMessage(PreferencesPath(), read.problems);
    sizeChoice = preferences.sizeChoice;
    geometry = GeometryOf(preferences.squarePitch);  // the frame is fitted when it is made
}

GridGeometry Game::GeometryOf(int pitch)
{
    // The pitch plus one draws the border line neighbours share, as at the actual size.
    GridGeometry zoomed;
    zoomed.pitch = std::clamp(pitch, kMinSquarePitch, kMaxSquarePitch);
    zoomed.squareSize = zoomed.pitch + 1;
    return zoomed;
}

bool Game::SavePreferencesFile()
{
    preferences.sizeChoice = sizeChoice;
    return SavePreferences(PreferencesPath(), preferences).Ok();
}

void Game::SetPreferences(const Preferences& chosen)
{
    preferences = chosen;
    preferences.squarePitch = std::clamp(preferences.squarePitch, kMinSquarePitch, kMaxSquarePitch);
    // A choice made is kept at once, so a crash does not lose it; like the settings file,
    // a preferences file that cannot be written is not reported.
    (void)SavePreferencesFile();
    if (GeometryOf(preferences.squarePitch) != geometry) {
        SetGeometry(GeometryOf(preferences.squarePitch));  // refits the frame and repaints
    } else {
        host.Repaint(true);
    }
}

int Game::ZoomStep(int pitch, int step)
{
    if (step == 0) {
        return kActualSquarePitch;
    }
    if (step > 0) {
        const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), pitch);
        return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
    }
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), pitch);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

void Game::Zoom(int step)
{
    Preferences zoomed = preferences;
    zoomed.squarePitch = ZoomStep(preferences.squarePitch, step);
    if (zoomed.squarePitch != preferences.squarePitch) {
        SetPreferences(zoomed);
    }
}

}  // namespace quillby
