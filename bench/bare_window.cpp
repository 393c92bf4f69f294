// The bare window alone, as a program of its own: the yardstick for the game's start-up.
#include <QApplication>
#include <QDir>

#include "BareBoard.h"
#include "SpriteGeometry.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(QCoreApplication::applicationDirPath());
    const QPixmap sheet(folder.filePath(QString::fromLatin1(sprites::kSheetFile)));
    BareBoard board(sheet, GameWindowPlaces());
    board.show();
    return QApplication::exec();
}
