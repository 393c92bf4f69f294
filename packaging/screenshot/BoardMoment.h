#pragma once
// The moment of a game the software-centre screenshot shows.

class CVantel2Dlg;

// Plays the window to the middle of its third round: two rounds scored, the SHAPES board of the
// third solved (its shapes shown above the COLORS board, the pool narrowed), three COLORS rows
// judged and a fourth being filled.
void PlayToTheScreenshotMoment(CVantel2Dlg& dlg);
