#include "PictureWords.h"

#include <QCoreApplication>
#include <iterator>

namespace picturewords {
namespace {

// Capitals on every picture, as the English art draws them. A translation keeps to capitals and
// to the same terms in the game's help and speech.
const Entry kEntries[] = {
    //: Caption over the left board, where the code's shapes are guessed.
    {"label_shapes", QT_TRANSLATE_NOOP("PictureWords", "SHAPES")},
    //: Caption over the right board, where the code's colours are guessed.
    {"label_colors", QT_TRANSLATE_NOOP("PictureWords", "COLORS")},
    //: Label over the eight round scores under the centre grid.
    {"label_score_by_round", QT_TRANSLATE_NOOP("PictureWords", "SCORE BY ROUND")},
    //: Label over the game's total score.
    {"label_total", QT_TRANSLATE_NOOP("PictureWords", "TOTAL")},
    //: High Scores window: the number of finished games of a variant.
    {"label_games_played", QT_TRANSLATE_NOOP("PictureWords", "GAMES PLAYED")},
    //: High Scores window: a variant's average total per game.
    {"label_average_score", QT_TRANSLATE_NOOP("PictureWords", "AVERAGE SCORE")},
    //: High Scores window: a variant's lowest total (lower is better).
    {"label_best_score", QT_TRANSLATE_NOOP("PictureWords", "BEST SCORE")},
    //: Variant title: 7 rounds, codes of 4 chips, the circles are not in play.
    {"title_variant0", QT_TRANSLATE_NOOP("PictureWords", "SIX COLORS, NO CIRCLES")},
    //: Variant title: 8 rounds, codes of 4 chips, all 36 chips in play but two set aside.
    {"title_variant1", QT_TRANSLATE_NOOP("PictureWords", "SIX COLORS, ALL SIX SHAPES")},
    //: Variant title: 8 rounds, codes of 3 chips from 25 (no circles, no red).
    {"title_variant2", QT_TRANSLATE_NOOP("PictureWords", "SMALLER CODES, FIVE BY FIVE")},
    //: Button beside a full row: have the row judged. Short: it fits a small button.
    {"GUESS", QT_TRANSLATE_NOOP("PictureWords", "GUESS")},
    //: Button after the last round.
    {"NEWGAME", QT_TRANSLATE_NOOP("PictureWords", "NEW GAME")},
    //: Button after a round.
    {"NEXTROUND", QT_TRANSLATE_NOOP("PictureWords", "NEXT ROUND")},
    //: High Scores window: the variant that new games play.
    {"ACTIVE", QT_TRANSLATE_NOOP("PictureWords", "ACTIVE")},
    //: High Scores window: press to make this variant the active one.
    {"INACTIVE", QT_TRANSLATE_NOOP("PictureWords", "INACTIVE")},
};

}  // namespace

const Entry* begin() { return std::begin(kEntries); }
const Entry* end() { return std::end(kEntries); }

QString WordsOf(const QString& art)
{
    for (const Entry& e : kEntries) {
        if (art == QLatin1String(e.art)) return QCoreApplication::translate(kContext, e.english);
    }
    return QString();
}

bool ShowsWords(const QString& image)
{
    const bool button = image.endsWith(QLatin1Char('U')) || image.endsWith(QLatin1Char('D'));
    return !WordsOf(image).isEmpty() || (button && !WordsOf(image.chopped(1)).isEmpty());
}

}  // namespace picturewords
