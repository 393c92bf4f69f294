#pragma once
// The game's own dialogs (the quit question, the High Scores window) run modally over the game's
// window, centred on it, and the game's window has the keyboard again once they close. A window
// manager on X11 does that for a dialog that names its parent. A Wayland compositor may put a
// window of its own anywhere on the screen, and may leave the keyboard with no window when it
// closes; there the dialog is shown inside the game's window instead, over a veil that keeps the
// board from the pointer and the keys while it is open.

class QDialog;

namespace dialogovergame {

// Runs `dialog`, whose parent is the game's window, until it closes; its result.
int Run(QDialog& dialog);

// Whether a dialog is shown inside the game's window on this platform.
bool Inside();

}  // namespace dialogovergame
