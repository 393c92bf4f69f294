#include "ChipText.h"

#include "Chips.h"

namespace chiptext {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && s.back() == '\0') s.remove_suffix(1);
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string Format(int value)
{
    return std::to_string(value);
}

int Parse(std::string_view text)
{
    if (text.size() > kMaxLength) return 0;
    const std::string_view digits = Trim(text);
    if (digits.empty()) return 0;
    int value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return 0;
        value = 10 * value + (c - '0');
        // Stopping early keeps a long run of digits from overflowing.
        if (value > chipvalue::kLastColor) return 0;
    }
    return chipvalue::IsChip(value) ? value : 0;
}

}  // namespace chiptext
