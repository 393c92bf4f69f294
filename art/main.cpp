// Draws the game's art at build time: the sprite sheet beside the game, and the window's images
// for the resource system; or, given a translation's catalogue, the images with words in its
// language.

#include "ResourceImages.h"
#include "SheetPainter.h"
#include "TextPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>

namespace {

int DrawEnglish(const QString& gameFolder, const QString& resourceFolder)
{
    if (!art::WriteSheets(gameFolder)) {
        std::fprintf(stderr, "vantel_art: cannot write the sprite sheets under %s\n", qPrintable(gameFolder));
        return 1;
    }
    if (!art::WriteImages(art::ResourceImages(), resourceFolder)) {
        std::fprintf(stderr, "vantel_art: cannot write the images into %s\n", qPrintable(resourceFolder));
        return 1;
    }
    return 0;
}

int DrawTranslated(const QString& catalogue, const QString& folder)
{
    QTranslator translator;
    if (!translator.load(catalogue) || !QCoreApplication::installTranslator(&translator)) {
        std::fprintf(stderr, "vantel_art: cannot read the translation %s\n", qPrintable(catalogue));
        return 1;
    }
    if (!art::WriteImages(art::WordedImages(), folder)) {
        std::fprintf(stderr, "vantel_art: cannot write the images into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool translated = args.size() == 4 && args.at(1) == QLatin1String("--translated");
    if (args.size() != 3 && !translated) {
        std::fprintf(stderr, "usage: vantel_art GAME_FOLDER RESOURCE_FOLDER\n"
                             "  writes the sprite sheets into GAME_FOLDER and the window's images\n"
                             "       vantel_art --translated CATALOGUE.qm FOLDER\n"
                             "  writes the images with words, in the catalogue's language, into FOLDER\n");
        return 2;
    }
    if (!art::LoadGameFont(QStringLiteral(VANTEL_ART_FONT)))
        std::fprintf(stderr, "vantel_art: cannot load %s; using the system's bold face\n", VANTEL_ART_FONT);
    return translated ? DrawTranslated(args.at(2), args.at(3)) : DrawEnglish(args.at(1), args.at(2));
}
