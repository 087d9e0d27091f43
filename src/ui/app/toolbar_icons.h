#pragma once

#include <QIcon>

namespace quillby {

inline constexpr int kToolbarIconSize = 16;
inline constexpr int kToolbarIconCount = 12;

// The toolbar's images in button order (new, reset, open, save, print, solve, hint, check,
// pause, resume, clue window, creator), drawn in code at 1x, 2x and 3x so they stay sharp.
// An index outside the strip gives an empty icon.
QIcon ToolbarIcon(int index);

// The Pencil toggle's button: a grey pencil writing a grey letter, drawn like the others.
QIcon PencilModeIcon();

}  // namespace quillby
