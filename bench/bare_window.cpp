// The bare window alone, as a program of its own: the yardstick for the game's start-up.
#include <QApplication>
#include <QDir>

#include "BareBoard.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(QCoreApplication::applicationDirPath());
    const QPixmap sheet(folder.filePath(QStringLiteral("images/vantel6.bmp")));
    BareBoard board(sheet, GameWindowPlaces());
    board.show();
    return QApplication::exec();
}
