#pragma once
// The folder of the player's language, set once at start when the game runs translated: it holds
// the compiled catalogue, the instructions page and, under art/, the pictures with words drawn in
// that language. Empty when the game runs in English, as it does by default.

#include <QString>

namespace language {

void SetFolder(const QString& folder);
const QString& Folder();

// `file` of the player's language when it has one, otherwise `english`.
QString Translated(const QString& file, const QString& english);

}  // namespace language
