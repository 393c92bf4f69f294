#pragma once
#include <QIcon>

// The application icon in every size the art provides.
QIcon AppIcon();
