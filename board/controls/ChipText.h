#pragma once
// A chip travels through drag and drop as plain text: its value in decimal digits, so other
// programs receive "11" for the yellow chip. Text coming the other way may be anything.

#include <string>
#include <string_view>

namespace chiptext {

// The longest text worth reading; anything longer names no chip.
constexpr std::size_t kMaxLength = 64;

// "1" to "12": no sign, no leading zeros, no blanks.
std::string Format(int value);

// The chip value 1 to 12 that `text` names, or 0 when it names none. Decimal digits only,
// with whitespace around them at most; trailing NULs end the text as in a C string.
// Signs, other characters, values outside 1 to 12 and overlong text name no chip.
int Parse(std::string_view text);

}  // namespace chiptext
