#pragma once
// The face of the window's notes ("THIS GAME COULD NOT BE RECORDED"): bold, two thirds of the
// note's height, smaller only where the note's words are wider than its place, as a longer
// translation may be.

#include <QFont>
#include <QSize>
#include <QString>

QFont NoteFont(const QSize& place, const QString& text);
