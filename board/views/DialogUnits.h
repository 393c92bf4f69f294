#pragma once
// Both windows are laid out in dialog units of the 8-point dialog font they were designed with: on
// screen a unit is 6/4 pixel across and 13/8 pixel down. Each picture keeps its own pixel size.

namespace layout {

// Dialog units to pixels, rounded half away from zero as the dialog manager does.
constexpr int DuToPxX(int x) { return (x * 6 + 2) / 4; }
constexpr int DuToPxY(int y) { return (y * 13 + 4) / 8; }

}  // namespace layout
