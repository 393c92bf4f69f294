#include "CCenterChip.h"

CCenterChip::CCenterChip(QWidget* parent) : CSpriteCell(sprites::kPoolSize, parent) {}
