#include "QuitQuestion.h"

#include <QCoreApplication>
#include <QPushButton>

#include "DialogOverGame.h"

namespace quitquestion {
namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(QuitQuestion)
};

}  // namespace

std::unique_ptr<QMessageBox> Create(QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(QStringLiteral("Vantel"));
    box->setText(Tr::tr("Quit Vantel?"));
    box->setInformativeText(Tr::tr("The game in progress will be lost."));
    //: The button that ends the game; its letter after & is its key (Alt and the letter).
    box->addButton(Tr::tr("&Quit"), QMessageBox::DestructiveRole);
    //: The button that closes the question and goes on with the game.
    QPushButton* keep = box->addButton(Tr::tr("&Keep Playing"), QMessageBox::RejectRole);
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
