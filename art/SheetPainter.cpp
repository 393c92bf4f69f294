#include "SheetPainter.h"

#include "CellPicture.h"
#include "ChipPainter.h"
#include "DigitPainter.h"
#include "FramePainter.h"
#include "ImageLayer.h"
#include "PegPainter.h"
#include "SpriteGeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <functional>
#include <utility>
#include <vector>

namespace art {
namespace {

using sprites::Cell;
using sprites::Size;

// One cell of the sheet and what is drawn in it; nothing is drawn outside it, so the gaps between
// cells stay black.
struct Piece {
    Cell cell;
    Size size;
    std::function<void(QPainter&, const QRectF&)> draw;
};

void AddGuessChips(std::vector<Piece>& pieces)
{
    using namespace chipvalue;
    pieces.push_back({sprites::GuessChipCell(kEmpty), sprites::kChipSize, DrawHole});
    for (int shape = 1; shape <= chips::kShapes; ++shape)
        pieces.push_back({sprites::GuessChipCell(kFirstShape - 1 + shape), sprites::kChipSize,
                          [shape](QPainter& p, const QRectF& r) { DrawSlottedChip(p, r, ShapeChip(shape)); }});
    for (int colour = 1; colour <= chips::kColors; ++colour)
        pieces.push_back({sprites::GuessChipCell(kFirstColor - 1 + colour), sprites::kChipSize,
                          [colour](QPainter& p, const QRectF& r) { DrawSlottedChip(p, r, ColourChip(colour)); }});
    // Not in play: the sixth tray chip, the circle or the red, crossed out and faded.
    const std::pair<int, ChipLook> retired[2] = {{kShapeNotInPlay, ShapeChip(chips::kCircle)},
                                                 {kColorNotInPlay, ColourChip(chips::kRed)}};
    for (const auto& chip : retired)
        pieces.push_back({sprites::GuessChipCell(chip.first), sprites::kChipSize,
                          [look = chip.second](QPainter& p, const QRectF& r) {
                              DrawSlottedChip(p, r, look, true);
                              DrawCrossOut(p, r);
                          }});
    pieces.push_back({sprites::GuessChipCell(kSlotOutOfPlay), sprites::kChipSize, DrawClosedSlot});
}

void AddPegs(std::vector<Piece>& pieces)
{
    const Peg pegs[4] = {Peg::None, Peg::NoMatch, Peg::Present, Peg::Exact};
    for (int value = 0; value < 4; ++value)
        pieces.push_back({sprites::ScoreChipCell(value), sprites::kPegSize,
                          [peg = pegs[value]](QPainter& p, const QRectF& r) { DrawPeg(p, r, peg); }});
}

void AddPool(std::vector<Piece>& pieces)
{
    for (int chip = 0; chip < 36; ++chip) {
        const ChipLook look = PoolChip(chip % 6 + 1, chip / 6 + 1);
        for (bool eliminated : {false, true})
            pieces.push_back({sprites::CenterChipCell(chip + (eliminated ? 36 : 0)), sprites::kPoolSize,
                              [look, eliminated](QPainter& p, const QRectF& r) {
                                  DrawSlottedChip(p, r, look, eliminated);
                              }});
    }
}

void AddDigits(std::vector<Piece>& pieces)
{
    for (int value = 0; value < 30; ++value)
        pieces.push_back({sprites::NumbersCell(value), sprites::kDigitSize,
                          [value](QPainter& p, const QRectF& r) { DrawDigit(p, r, value / 10, value % 10); }});
    // The blank cell stays black.
    pieces.push_back({sprites::NumbersCell(sprites::kBlankDigit), sprites::kDigitSize, [](QPainter&, const QRectF&) {}});
}

void AddFrames(std::vector<Piece>& pieces)
{
    const Frame styles[3] = {Frame::Open, Frame::Closed, Frame::CurrentRow};
    const Size side{sprites::kSideWidth, sprites::kSideCellHeight};
    for (int value = 0; value < 3; ++value)
        pieces.push_back({sprites::SideVertCell(value), side,
                          [style = styles[value]](QPainter& p, const QRectF& r) { DrawFrame(p, r, style); }});
    for (int value = 0; value < 2; ++value)
        pieces.push_back({sprites::SideHorizCell(value), sprites::kBarSize,
                          [style = styles[value]](QPainter& p, const QRectF& r) { DrawFrame(p, r, style); }});
}

const std::vector<Piece>& Pieces()
{
    static const std::vector<Piece> pieces = [] {
        std::vector<Piece> all;
        AddGuessChips(all);
        AddPegs(all);
        AddPool(all);
        AddDigits(all);
        AddFrames(all);
        return all;
    }();
    return pieces;
}

}  // namespace

void DrawSheet(QPainter& painter, const QRectF& sheet)
{
    painter.fillRect(sheet, Qt::black);
    for (const Piece& piece : Pieces()) {
        const QRectF rect(piece.cell.x, piece.cell.y, piece.size.w, piece.size.h);
        painter.save();
        painter.setClipRect(rect);
        piece.draw(painter, rect);
        painter.restore();
    }
}

std::vector<QRect> SheetCells(int scale)
{
    std::vector<QRect> cells;
    for (const Piece& piece : Pieces())
        cells.emplace_back(piece.cell.x * scale, piece.cell.y * scale, piece.size.w * scale, piece.size.h * scale);
    return cells;
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
    // Its cells, each compressed alone and written after the PNG so they are never older, read
    // and decode only where a board shows them.
    const QString cells = game.filePath(QString::fromLatin1(sprites::kSheetFile2xCells));
    return sheet.save(plain, "BMP") && sharp.save(twin, "PNG", 0) && WriteCellPicture(sharp, SheetCells(2), cells);
}

}  // namespace art
