#pragma once
// Numbers on the chips, so that colour is never the only cue: 1 to 6 on every shape chip and every
// colour chip (the numbers the keys 1 to 6 use on each board), and on every chip of the pool its
// colour's number (its shape shows by its form, and its column is its shape's number).

class QPixmap;

// Draws the labels into `sheet`, a copy of the sprite sheet whose pixels are `pixelsPerCell` times
// as many as the plain sheet's along each side.
void DrawChipLabels(QPixmap& sheet, double pixelsPerCell);
