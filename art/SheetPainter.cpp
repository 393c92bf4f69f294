#include "SheetPainter.h"

#include "ChipPainter.h"
#include "DigitPainter.h"
#include "FramePainter.h"
#include "ImageLayer.h"
#include "PegPainter.h"
#include "PictureFile.h"
#include "SpriteGeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <utility>

namespace art {
namespace {

using sprites::Cell;
using sprites::Size;

// Lets `draw` paint one cell and nothing outside it, so the gaps between cells stay black.
void InCell(QPainter& painter, Cell cell, Size size, const std::function<void(const QRectF&)>& draw)
{
    const QRectF rect(cell.x, cell.y, size.w, size.h);
    painter.save();
    painter.setClipRect(rect);
    draw(rect);
    painter.restore();
}

void DrawGuessChips(QPainter& painter)
{
    using namespace chipvalue;
    InCell(painter, sprites::GuessChipCell(kEmpty), sprites::kChipSize,
           [&](const QRectF& r) { DrawHole(painter, r); });
    for (int shape = 1; shape <= chips::kShapes; ++shape)
        InCell(painter, sprites::GuessChipCell(kFirstShape - 1 + shape), sprites::kChipSize,
               [&](const QRectF& r) { DrawSlottedChip(painter, r, ShapeChip(shape)); });
    for (int colour = 1; colour <= chips::kColors; ++colour)
        InCell(painter, sprites::GuessChipCell(kFirstColor - 1 + colour), sprites::kChipSize,
               [&](const QRectF& r) { DrawSlottedChip(painter, r, ColourChip(colour)); });
    // Not in play: the sixth tray chip, the circle or the red, crossed out and faded.
    const std::pair<int, ChipLook> retired[2] = {{kShapeNotInPlay, ShapeChip(chips::kCircle)},
                                                 {kColorNotInPlay, ColourChip(chips::kRed)}};
    for (const auto& chip : retired)
        InCell(painter, sprites::GuessChipCell(chip.first), sprites::kChipSize, [&](const QRectF& r) {
            DrawSlottedChip(painter, r, chip.second, true);
            DrawCrossOut(painter, r);
        });
    InCell(painter, sprites::GuessChipCell(kSlotOutOfPlay), sprites::kChipSize,
           [&](const QRectF& r) { DrawClosedSlot(painter, r); });
}

void DrawPegs(QPainter& painter)
{
    const Peg pegs[4] = {Peg::None, Peg::NoMatch, Peg::Present, Peg::Exact};
    for (int value = 0; value < 4; ++value)
        InCell(painter, sprites::ScoreChipCell(value), sprites::kPegSize,
               [&](const QRectF& r) { DrawPeg(painter, r, pegs[value]); });
}

void DrawPool(QPainter& painter)
{
    for (int chip = 0; chip < 36; ++chip) {
        const ChipLook look = PoolChip(chip % 6 + 1, chip / 6 + 1);
        for (bool eliminated : {false, true})
            InCell(painter, sprites::CenterChipCell(chip + (eliminated ? 36 : 0)), sprites::kPoolSize,
                   [&](const QRectF& r) { DrawSlottedChip(painter, r, look, eliminated); });
    }
}

void DrawDigits(QPainter& painter)
{
    for (int value = 0; value < 30; ++value)
        InCell(painter, sprites::NumbersCell(value), sprites::kDigitSize,
               [&](const QRectF& r) { DrawDigit(painter, r, value / 10, value % 10); });
    // The blank cell stays black.
}

void DrawFrames(QPainter& painter)
{
    const Frame styles[3] = {Frame::Open, Frame::Closed, Frame::CurrentRow};
    const Size side{sprites::kSideWidth, sprites::kSideCellHeight};
    for (int value = 0; value < 3; ++value)
        InCell(painter, sprites::SideVertCell(value), side,
               [&](const QRectF& r) { DrawFrame(painter, r, styles[value]); });
    for (int value = 0; value < 2; ++value)
        InCell(painter, sprites::SideHorizCell(value), sprites::kBarSize,
               [&](const QRectF& r) { DrawFrame(painter, r, styles[value]); });
}

}  // namespace

void DrawSheet(QPainter& painter, const QRectF& sheet)
{
    painter.fillRect(sheet, Qt::black);
    DrawGuessChips(painter);
    DrawPegs(painter);
    DrawPool(painter);
    DrawDigits(painter);
    DrawFrames(painter);
}

bool WriteSheets(const QString& gameFolder)
{
    const QDir game(gameFolder);
    const QString plain = game.filePath(QString::fromLatin1(sprites::kSheetFile));
    const QString twin = game.filePath(QString::fromLatin1(sprites::kSheetFile2x));
    if (!QDir().mkpath(QFileInfo(plain).path()) || !QDir().mkpath(QFileInfo(twin).path()))
        return false;
    const QSize size(sprites::kSheetWidth, sprites::kSheetHeight);
    // The sharp twin is four times the pixels: as a PNG, at the strongest compression, it reads back
    // exactly and takes a fraction of the room.
    const QImage sheet = Render(size, 1, false, DrawSheet);
    const QImage sharp = Render(size, 2, false, DrawSheet);
    // Its raw form, written after the PNG so it is never older, reads without decoding.
    const QString raw = game.filePath(QString::fromLatin1(sprites::kSheetFile2xRaw));
    return sheet.save(plain, "BMP") && sharp.save(twin, "PNG", 0) && WriteRawPicture(sharp, raw);
}

}  // namespace art
