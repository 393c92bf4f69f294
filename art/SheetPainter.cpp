#include "SheetPainter.h"

#include "ChipPainter.h"
#include "DigitPainter.h"
#include "FramePainter.h"
#include "ImageLayer.h"
#include "PegPainter.h"
#include "SpriteGeometry.h"

#include <QDir>
#include <QPainter>

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
    InCell(painter, sprites::GuessChipCell(0), sprites::kChipSize,
           [&](const QRectF& r) { DrawHole(painter, r); });
    for (int shape = 1; shape <= 6; ++shape)
        InCell(painter, sprites::GuessChipCell(shape), sprites::kChipSize,
               [&](const QRectF& r) { DrawSlottedChip(painter, r, ShapeChip(shape)); });
    for (int colour = 1; colour <= 6; ++colour)
        InCell(painter, sprites::GuessChipCell(6 + colour), sprites::kChipSize,
               [&](const QRectF& r) { DrawSlottedChip(painter, r, ColourChip(colour)); });
    // Not in play: the sixth tray chip, the circle or the red, crossed out and faded.
    const ChipLook retired[2] = {ShapeChip(6), ColourChip(6)};
    for (int i = 0; i < 2; ++i)
        InCell(painter, sprites::GuessChipCell(14 + i), sprites::kChipSize, [&](const QRectF& r) {
            DrawSlottedChip(painter, r, retired[i], true);
            DrawCrossOut(painter, r);
        });
    InCell(painter, sprites::GuessChipCell(16), sprites::kChipSize,
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

bool WriteSheets(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QSize size(sprites::kSheetWidth, sprites::kSheetHeight);
    // The sharp twin is four times the pixels: as a PNG, at the strongest compression, it reads back
    // exactly and takes a fraction of the room.
    const QImage sheet = Render(size, 1, false, DrawSheet);
    const QImage sharp = Render(size, 2, false, DrawSheet);
    return sheet.save(QDir(folder).filePath(QStringLiteral("vantel6.bmp")), "BMP")
           && sharp.save(QDir(folder).filePath(QStringLiteral("vantel6@2x.png")), "PNG", 0);
}

}  // namespace art
