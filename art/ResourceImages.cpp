#include "ResourceImages.h"

#include "Variant.h"

#include "ButtonPainter.h"
#include "DigitPainter.h"
#include "IconPainter.h"
#include "Palette.h"
#include "PhotoPainter.h"
#include "TextPainter.h"

#include <QDir>
#include <QPainter>

namespace art {
namespace {

using Images = std::vector<ResourceImage>;

Drawing Solid(const QColor& colour)
{
    return [colour](QPainter& p, const QRectF& r) { p.fillRect(r, colour); };
}

Drawing Label(const QString& text, const QColor& colour)
{
    return [text, colour](QPainter& p, const QRectF& r) {
        DrawLabel(p, r, text, Mix(colour, Qt::white, 0.25), Mix(colour, Qt::black, 0.1));
    };
}

void AddPieces(Images& images)
{
    images.push_back({"sep_vert", {5, 577}, false, Solid(palette::kSeparatorOrange)});
    images.push_back({"sep_horiz", {586, 5}, false, Solid(palette::kSeparatorOrange)});
    images.push_back({"decimal_point", {20, 29}, false, DrawDecimalPoint});
    images.push_back({"photo", {261, 571}, false, DrawPhoto});
}

void AddLabels(Images& images)
{
    const struct { const char* name; int width; int height; const char* text; QColor colour; } labels[] = {
        {"label_shapes", 123, 25, "SHAPES", palette::kLabelOrange},
        {"label_colors", 128, 25, "COLORS", palette::kLabelOrange},
        {"label_score_by_round", 226, 21, "SCORE BY ROUND", palette::kLabelBlue},
        {"label_total", 80, 21, "TOTAL", palette::kLabelBlue},
        {"label_games_played", 191, 21, "GAMES PLAYED", palette::kLabelGreen},
        {"label_average_score", 212, 21, "AVERAGE SCORE", palette::kLabelGreen},
        {"label_best_score", 158, 21, "BEST SCORE", palette::kLabelGreen},
        {"title_variant0", 251, 21, variant::RulesFor(0).name, palette::kLabelRed},
        {"title_variant1", 287, 21, variant::RulesFor(1).name, palette::kLabelRed},
        {"title_variant2", 302, 21, variant::RulesFor(2).name, palette::kLabelRed},
    };
    for (const auto& label : labels)
        images.push_back({label.name, {label.width, label.height}, false,
                          Label(QString::fromLatin1(label.text), label.colour)});
}

void AddButton(Images& images, const QString& name, int width, ButtonStyle style, const QString& caption,
               const QColor& up, const QColor& down)
{
    for (bool pressed : {false, true}) {
        const ButtonLook look{style, caption, pressed ? down : up, pressed};
        images.push_back({name + (pressed ? "D" : "U"), {width, 38}, false,
                          [look](QPainter& p, const QRectF& r) { DrawButton(p, r, look); }});
    }
}

void AddButtons(Images& images)
{
    const QColor yellow = palette::kYellow;
    AddButton(images, "GUESS", 106, ButtonStyle::Glossy, "GUESS", palette::kLabelRed, yellow);
    AddButton(images, "NEWGAME", 180, ButtonStyle::Glossy, "NEW GAME", palette::kLabelGreen, yellow);
    AddButton(images, "NEXTROUND", 180, ButtonStyle::Glossy, "NEXT ROUND", palette::kLabelGreen, yellow);
    AddButton(images, "ACTIVE", 180, ButtonStyle::Framed, "ACTIVE", palette::kLabelRed, Qt::white);
    AddButton(images, "INACTIVE", 180, ButtonStyle::Framed, "INACTIVE", yellow, Qt::white);
}

void AddIconAndCursors(Images& images)
{
    for (int size : {VANTEL_ICON_SIZES})
        images.push_back({QStringLiteral("icon_%1").arg(size), {size, size}, true, DrawIcon});
    for (int id = kFirstCursor; id <= kLastCursor; ++id)
        images.push_back({QStringLiteral("cursor_%1").arg(id), {32, 32}, true,
                          [id](QPainter& p, const QRectF& r) { DrawCursor(p, r, id); }});
}

}  // namespace

std::vector<ResourceImage> ResourceImages()
{
    Images images;
    AddPieces(images);
    AddLabels(images);
    AddButtons(images);
    AddIconAndCursors(images);
    return images;
}

bool WriteResourceImages(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const ResourceImage& image : ResourceImages()) {
        for (int scale = 1; scale <= 2; ++scale) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
            const QString file = QDir(folder).filePath(image.name + suffix + QStringLiteral(".png"));
            if (!Render(image.size, scale, image.withAlpha, image.draw).save(file, "PNG"))
                return false;
        }
    }
    return true;
}

}  // namespace art
