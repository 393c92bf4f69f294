#include "AccessibleWords.h"

#include <QCoreApplication>
#include <QStringList>

#include "Chips.h"
#include "PictureWords.h"
#include "SpriteGeometry.h"

namespace words {
namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(BoardWords)
};

// Shapes and colours as the player names them, in the chips' own order (the numbers on the chips).
const char* const kShapes[chips::kShapes] = {
    QT_TRANSLATE_NOOP("BoardWords", "star"),    QT_TRANSLATE_NOOP("BoardWords", "club"),
    QT_TRANSLATE_NOOP("BoardWords", "diamond"), QT_TRANSLATE_NOOP("BoardWords", "heart"),
    QT_TRANSLATE_NOOP("BoardWords", "spade"),   QT_TRANSLATE_NOOP("BoardWords", "circle")};
const char* const kColours[chips::kColors] = {
    QT_TRANSLATE_NOOP("BoardWords", "blue"),  QT_TRANSLATE_NOOP("BoardWords", "orange"),
    QT_TRANSLATE_NOOP("BoardWords", "purple"), QT_TRANSLATE_NOOP("BoardWords", "green"),
    QT_TRANSLATE_NOOP("BoardWords", "yellow"), QT_TRANSLATE_NOOP("BoardWords", "red")};

// Each chip by its own name, colour by colour: a translation agrees the colour with the shape.
const char* const kChips[chips::kCount] = {
    QT_TRANSLATE_NOOP("BoardWords", "blue star"),     QT_TRANSLATE_NOOP("BoardWords", "blue club"),
    QT_TRANSLATE_NOOP("BoardWords", "blue diamond"),  QT_TRANSLATE_NOOP("BoardWords", "blue heart"),
    QT_TRANSLATE_NOOP("BoardWords", "blue spade"),    QT_TRANSLATE_NOOP("BoardWords", "blue circle"),
    QT_TRANSLATE_NOOP("BoardWords", "orange star"),   QT_TRANSLATE_NOOP("BoardWords", "orange club"),
    QT_TRANSLATE_NOOP("BoardWords", "orange diamond"), QT_TRANSLATE_NOOP("BoardWords", "orange heart"),
    QT_TRANSLATE_NOOP("BoardWords", "orange spade"),  QT_TRANSLATE_NOOP("BoardWords", "orange circle"),
    QT_TRANSLATE_NOOP("BoardWords", "purple star"),   QT_TRANSLATE_NOOP("BoardWords", "purple club"),
    QT_TRANSLATE_NOOP("BoardWords", "purple diamond"), QT_TRANSLATE_NOOP("BoardWords", "purple heart"),
    QT_TRANSLATE_NOOP("BoardWords", "purple spade"),  QT_TRANSLATE_NOOP("BoardWords", "purple circle"),
    QT_TRANSLATE_NOOP("BoardWords", "green star"),    QT_TRANSLATE_NOOP("BoardWords", "green club"),
    QT_TRANSLATE_NOOP("BoardWords", "green diamond"), QT_TRANSLATE_NOOP("BoardWords", "green heart"),
    QT_TRANSLATE_NOOP("BoardWords", "green spade"),   QT_TRANSLATE_NOOP("BoardWords", "green circle"),
    QT_TRANSLATE_NOOP("BoardWords", "yellow star"),   QT_TRANSLATE_NOOP("BoardWords", "yellow club"),
    QT_TRANSLATE_NOOP("BoardWords", "yellow diamond"), QT_TRANSLATE_NOOP("BoardWords", "yellow heart"),
    QT_TRANSLATE_NOOP("BoardWords", "yellow spade"),  QT_TRANSLATE_NOOP("BoardWords", "yellow circle"),
    QT_TRANSLATE_NOOP("BoardWords", "red star"),      QT_TRANSLATE_NOOP("BoardWords", "red club"),
    QT_TRANSLATE_NOOP("BoardWords", "red diamond"),   QT_TRANSLATE_NOOP("BoardWords", "red heart"),
    QT_TRANSLATE_NOOP("BoardWords", "red spade"),     QT_TRANSLATE_NOOP("BoardWords", "red circle")};

QString Translated(const char* english)
{
    return QCoreApplication::translate("BoardWords", english);
}

}  // namespace

QString BoardName(int board)
{
    return picturewords::WordsOf(board == board::kColors ? QStringLiteral("label_colors")
                                                         : QStringLiteral("label_shapes"));
}

QString Shape(int shape)
{
    return shape >= 1 && shape <= chips::kShapes ? Translated(kShapes[shape - 1]) : QString();
}

QString Colour(int colour)
{
    return colour >= 1 && colour <= chips::kColors ? Translated(kColours[colour - 1]) : QString();
}

QString SlotContent(int value)
{
    using namespace chipvalue;
    if (IsShape(value)) return Shape(value);
    if (IsColor(value)) return Colour(value - kFirstColor + 1);
    switch (value) {
    case kEmpty: return Tr::tr("empty");
    //: A code slot before its half of the code is shown.
    case kHiddenCode: return Tr::tr("hidden");
    // Only the tray's sixth chip is ever set aside: the circle, or red.
    //: %1 is a shape or a colour the variant leaves out.
    case kShapeNotInPlay: return Tr::tr("%1, not in play").arg(Shape(chips::kCircle));
    case kColorNotInPlay: return Tr::tr("%1, not in play").arg(Colour(chips::kRed));
    default: return Tr::tr("not in play");
    }
}

QString CentreCell(int value)
{
    const bool ruledOut = value >= chips::kCount;
    const int chip = ruledOut ? value - chips::kCount : value;
    if (chip < 0 || chip >= chips::kCount) return QString();
    //: A chip of the centre grid: %1 is its name ("green club").
    return (ruledOut ? Tr::tr("%1, ruled out") : Tr::tr("%1, available")).arg(Translated(kChips[chip]));
}

QString Peg(int value)
{
    switch (value) {
    //: One peg: a chip of the guess in the right place.
    case peg::kExact: return Tr::tr("right place");
    //: One peg: a chip of the guess that the code holds in another place.
    case peg::kPresent: return Tr::tr("right chip elsewhere");
    //: One peg, or a whole judged row: chips the code does not hold.
    case peg::kNoMatch: return Tr::tr("no match");
    //: A peg of a row not yet judged.
    default: return Tr::tr("none");
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
    //: A judged row: how many of its chips are in the right place.
    if (exact > 0) parts << Tr::tr("%n right place", nullptr, exact);
    //: A judged row: how many of its chips the code holds in another place.
    if (present > 0) parts << Tr::tr("%n right chip elsewhere", nullptr, present);
    return parts.isEmpty() ? Tr::tr("no match") : parts.join(QStringLiteral(", "));
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
