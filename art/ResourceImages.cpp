#include "ResourceImages.h"

#include "PictureWords.h"

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

// The words are looked up when the label is drawn, in the language of the moment.
Drawing Label(const QString& art, const QColor& colour)
{
    return [art, colour](QPainter& p, const QRectF& r) {
        const QString text = picturewords::WordsOf(art);
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
    const struct { const char* name; int width; int height; QColor colour; } labels[] = {
        {"label_shapes", 123, 25, palette::kLabelOrange},
        {"label_colors", 128, 25, palette::kLabelOrange},
        {"label_score_by_round", 226, 21, palette::kLabelBlue},
        {"label_total", 80, 21, palette::kLabelBlue},
        {"label_games_played", 191, 21, palette::kLabelGreen},
        {"label_average_score", 212, 21, palette::kLabelGreen},
        {"label_best_score", 158, 21, palette::kLabelGreen},
        {"title_variant0", 251, 21, palette::kLabelRed},
        {"title_variant1", 287, 21, palette::kLabelRed},
        {"title_variant2", 302, 21, palette::kLabelRed},
    };
    for (const auto& label : labels)
        images.push_back({label.name, {label.width, label.height}, false, Label(label.name, label.colour)});
}

// A button's images are named after its caption's art name, "U" up and "D" down.
void AddButton(Images& images, const QString& name, int width, ButtonStyle style, const QColor& up,
               const QColor& down)
{
    for (bool pressed : {false, true}) {
        images.push_back({name + (pressed ? "D" : "U"), {width, 38}, false,
                          [=](QPainter& p, const QRectF& r) {
                              const ButtonLook look{style, picturewords::WordsOf(name), pressed ? down : up, pressed};
                              DrawButton(p, r, look);
                          }});
    }
}

void AddButtons(Images& images)
{
    const QColor yellow = palette::kYellow;
    AddButton(images, "GUESS", 106, ButtonStyle::Glossy, palette::kLabelRed, yellow);
    AddButton(images, "NEWGAME", 180, ButtonStyle::Glossy, palette::kLabelGreen, yellow);
    AddButton(images, "NEXTROUND", 180, ButtonStyle::Glossy, palette::kLabelGreen, yellow);
    AddButton(images, "ACTIVE", 180, ButtonStyle::Framed, palette::kLabelRed, Qt::white);
    AddButton(images, "INACTIVE", 180, ButtonStyle::Framed, yellow, Qt::white);
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

std::vector<ResourceImage> WordedImages()
{
    Images worded;
    for (ResourceImage& image : ResourceImages()) {
        if (picturewords::ShowsWords(image.name)) worded.push_back(std::move(image));
    }
    return worded;
}

bool WriteImages(const std::vector<ResourceImage>& images, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const ResourceImage& image : images) {
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
