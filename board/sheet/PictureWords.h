#pragma once
// The words drawn on the window's pictures, by the picture's art name: the boards' captions, the
// score labels, the High Scores labels and variant titles, and the buttons. The art program draws
// them in every language the game is translated into, and a screen reader says the same words of
// the same picture, so a player sees and hears one set of terms.

#include <QString>

namespace picturewords {

struct Entry {
    const char* art;       // a label's art name, or a button's caption ("GUESS": GUESSU, GUESSD)
    const char* english;   // the words as the English picture shows them: the translation's source
};

// Every picture with words, labels first, then the buttons.
const Entry* begin();
const Entry* end();

// Translations of the words live in this context of the game's catalogue.
inline constexpr char kContext[] = "PictureWords";

// The words of picture `art` in the player's language; empty for a picture without words.
QString WordsOf(const QString& art);

// Whether the image file `image` shows words: a label with words, or a button's up ("GUESSU") or
// down ("GUESSD") image.
bool ShowsWords(const QString& image);

}  // namespace picturewords
