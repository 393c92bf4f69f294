#include "CSideVert.h"

CSideVert::CSideVert(QWidget* parent) : CSpriteCell(sprites::SideVertSize(0), parent) {}
