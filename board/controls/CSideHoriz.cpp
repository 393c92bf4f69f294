#include "CSideHoriz.h"

CSideHoriz::CSideHoriz(QWidget* parent) : CSpriteCell(sprites::kBarSize, parent) {}
