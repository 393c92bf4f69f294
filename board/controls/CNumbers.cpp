#include "CNumbers.h"

CNumbers::CNumbers(QWidget* parent) : CSpriteCell(sprites::kDigitSize, parent) {}
