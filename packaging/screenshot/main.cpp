// Takes the software-centre screenshot from the game itself: the real window, offscreen, played to
// a moment of a game and saved as PNG.
//
// Usage: vantel_screenshot GAME_FOLDER OUTPUT.png WIDTH HEIGHT
// GAME_FOLDER holds the sprite sheet as the game finds it; the picture must come out WIDTH x HEIGHT,
// the size the AppStream description declares.

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>

#include "BoardMoment.h"
#include "CVantel2Dlg.h"

namespace {

// The game draws its codes from one seed; a fixed seed gives the same codes, and so the same
// picture, on every build.
constexpr uint32_t kFirstRelease = 1796644800;   // 2026-12-07 12:00 UTC, in seconds

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: vantel_screenshot GAME_FOLDER OUTPUT.png WIDTH HEIGHT\n");
        return 2;
    }
    const QSize wanted(args.at(3).toInt(), args.at(4).toInt());
    QTemporaryDir data;   // a first run: no statistics, the default variant
    CVantel2Dlg dlg(data.path(), args.at(1), kFirstRelease);
    dlg.resize(wanted);
    PlayToTheScreenshotMoment(dlg);
    const QPixmap shot = dlg.grab();
    if (shot.size() != wanted) {
        std::fprintf(stderr, "vantel_screenshot: the window is %dx%d, not %dx%d\n", shot.width(),
                     shot.height(), wanted.width(), wanted.height());
        return 1;
    }
    if (!shot.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "vantel_screenshot: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
