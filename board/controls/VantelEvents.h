#pragma once
// Notifications sent to the main window, synchronously, the moment they happen.

#include <QEvent>

constexpr QEvent::Type UM_SHAPES_DROP = static_cast<QEvent::Type>(0x4443);      // a shape chip landed
constexpr QEvent::Type UM_COLORS_DROP = static_cast<QEvent::Type>(0x4444);      // a colour chip landed
constexpr QEvent::Type UM_VARIANT_CHANGED = static_cast<QEvent::Type>(0x4445);  // another variant chosen
