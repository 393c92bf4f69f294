#include "AccessibleWords.h"

#include <QStringList>

#include "Chips.h"
#include "PictureWords.h"
#include "SpriteGeometry.h"

namespace words {
namespace {

const char* const kShapes[chips::kShapes] = {"star", "club", "diamond", "heart", "spade", "circle"};
const char* const kColours[chips::kColors] = {"blue", "orange", "purple", "green", "yellow", "red"};

}  // namespace

QString BoardName(int board)
{
    return board == board::kColors ? QStringLiteral("COLORS") : QStringLiteral("SHAPES");
}

QString Shape(int shape)
{
    return shape >= 1 && shape <= chips::kShapes ? QString::fromLatin1(kShapes[shape - 1]) : QString();
}

QString Colour(int colour)
{
    return colour >= 1 && colour <= chips::kColors ? QString::fromLatin1(kColours[colour - 1]) : QString();
}

QString SlotContent(int value)
{
    using namespace chipvalue;
    if (IsShape(value)) return Shape(value);
    if (IsColor(value)) return Colour(value - kFirstColor + 1);
    switch (value) {
    case kEmpty: return QStringLiteral("empty");
    case kHiddenCode: return QStringLiteral("hidden");
    // Only the tray's sixth chip is ever set aside: the circle, or red.
    case kShapeNotInPlay: return Shape(chips::kCircle) + QStringLiteral(", not in play");
    case kColorNotInPlay: return Colour(chips::kRed) + QStringLiteral(", not in play");
    default: return QStringLiteral("not in play");
    }
}

QString CentreCell(int value)
{
    const bool ruledOut = value >= chips::kCount;
    const int chip = ruledOut ? value - chips::kCount : value;
    if (chip < 0 || chip >= chips::kCount) return QString();
    return Colour(chips::ColorOf(chip)) + QLatin1Char(' ') + Shape(chips::ShapeOf(chip)) +
           (ruledOut ? QStringLiteral(", ruled out") : QStringLiteral(", available"));
}

QString Peg(int value)
{
    switch (value) {
    case peg::kExact: return QStringLiteral("right place");
    case peg::kPresent: return QStringLiteral("right chip elsewhere");
    case peg::kNoMatch: return QStringLiteral("no match");
    default: return QStringLiteral("none");
    }
}

QString PegResult(const int32_t* pegs, int count)
{
    int exact = 0, present = 0;
    for (int k = 0; k < count; ++k) {
        exact += pegs[k] == peg::kExact;
        present += pegs[k] == peg::kPresent;
    }
    QStringList parts;
    if (exact > 0) parts << QStringLiteral("%1 right place").arg(exact);
    if (present > 0) parts << QStringLiteral("%1 right chip elsewhere").arg(present);
    return parts.isEmpty() ? QStringLiteral("no match") : parts.join(QStringLiteral(", "));
}

QString Caption(const QString& art)
{
    return picturewords::WordsOf(art);
}

QString Figure(const int32_t* digits, int count)
{
    QString figure;
    for (int k = 0; k < count; ++k) {
        if (digits[k] != sprites::kBlankDigit) figure += QChar(u'0' + digits[k] % 10);
    }
    return figure;
}

}  // namespace words
