#include "QuitQuestion.h"

#include <QPushButton>

#include "DialogOverGame.h"

namespace quitquestion {

std::unique_ptr<QMessageBox> Create(QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(QStringLiteral("Vantel"));
    box->setText(QStringLiteral("Quit Vantel?"));
    box->setInformativeText(QStringLiteral("The game in progress will be lost."));
    box->addButton(QStringLiteral("&Quit"), QMessageBox::DestructiveRole);
    QPushButton* keep = box->addButton(QStringLiteral("&Keep Playing"), QMessageBox::RejectRole);
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    return box;
}

bool Ask(QWidget* parent)
{
    const std::unique_ptr<QMessageBox> box = Create(parent);
    dialogovergame::Run(*box);
    return box->clickedButton() != nullptr && box->buttonRole(box->clickedButton()) == QMessageBox::DestructiveRole;
}

}  // namespace quitquestion
