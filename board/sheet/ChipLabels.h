#pragma once
// Numbers on the chips, so that colour is never the only cue: 1 to 6 on every shape chip and every
// colour chip (the numbers the keys 1 to 6 use on each board), and on every chip of the pool its
// colour's number (its shape shows by its form, and its column is its shape's number).

class QPainter;
class QRect;

// Draws with `painter`, in the plain sheet's coordinates, the labels of the cells that meet `area`.
void DrawChipLabels(QPainter& painter, const QRect& area);
