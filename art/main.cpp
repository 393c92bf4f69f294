// Draws the game's art at build time: the sprite sheet beside the game, and the window's images
// for the resource system.

#include "ResourceImages.h"
#include "SheetPainter.h"
#include "TextPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vantel_art GAME_FOLDER RESOURCE_FOLDER\n"
                             "  writes the sprite sheets into GAME_FOLDER and the window's images\n");
        return 2;
    }
    if (!art::LoadGameFont(QStringLiteral(VANTEL_ART_FONT)))
        std::fprintf(stderr, "vantel_art: cannot load %s; using the system's bold face\n", VANTEL_ART_FONT);
    if (!art::WriteSheets(args.at(1))) {
        std::fprintf(stderr, "vantel_art: cannot write the sprite sheets under %s\n", qPrintable(args.at(1)));
        return 1;
    }
    if (!art::WriteResourceImages(args.at(2))) {
        std::fprintf(stderr, "vantel_art: cannot write the images into %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
