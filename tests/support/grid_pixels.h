#pragma once

#include "core/model/square.h"

namespace quillby::testing {

// The pixel at the middle of a square, at the game's own square size.
inline int MiddleX(int col)
{
    return kGridMargin + kSquarePitch * col + 18;
}
inline int MiddleY(int row)
{
    return kGridMargin + kSquarePitch * row + 18;
}

}  // namespace quillby::testing
