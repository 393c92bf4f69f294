#pragma once
// Waits until the display has taken everything sent to it so far, so a measurement ends when the
// picture is on the screen rather than when it left the program. Nothing to wait for offscreen.
void SyncWithDisplay();
