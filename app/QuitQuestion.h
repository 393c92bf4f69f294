#pragma once
// The question the game asks before closing would throw away a game in progress. Keeping on
// playing is the default answer, so Enter or Esc on the question loses nothing.

#include <QMessageBox>

#include <memory>

namespace quitquestion {

// The question, ready to run over `parent`.
std::unique_ptr<QMessageBox> Create(QWidget* parent);
// Asks it and waits for the answer: true when the player chose to quit.
bool Ask(QWidget* parent);

}  // namespace quitquestion
