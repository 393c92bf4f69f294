#include "BoardView.h"

#include <cmath>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <vector>

#include "ScaledLayout.h"

namespace {

QRect Place(layout::Member member, int board, int index, sprites::Size size)
{
    for (const layout::Entry& e : layout::MainLayout()) {
        if (e.member == member && e.board == board && e.index == index)
            return {layout::DuToPxX(e.x), layout::DuToPxY(e.y), size.w, size.h};
    }
    return {};
}

// The frame's pieces and the centre's separators, where they stand at scale 1.
std::vector<QRect> FramePieces()
{
    using layout::Member;
    std::vector<QRect> pieces;
    for (const layout::Entry& e : layout::MainLayout()) {
        const QString art = QString::fromLatin1(e.art == nullptr ? "" : e.art);
        QSize size;
        if (e.member == Member::Bars) size = {sprites::kBarSize.w, sprites::kBarSize.h};
        else if (e.member == Member::CodeSides || e.member == Member::RowSides || e.member == Member::TraySides)
            size = {sprites::kSideWidth, sprites::kSideHeight};
        else if (art == QLatin1String("sep_vert")) size = {5, 577};
        else if (art == QLatin1String("sep_horiz")) size = {586, 5};
        else continue;
        pieces.emplace_back(QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y)), size);
    }
    return pieces;
}

// Inside the smallest a button can be: 64 by 24 without its art.
constexpr QPoint kInsideButton(30, 12);

}  // namespace

BoardView::BoardView(const QImage& sheet) : m_sheet(sheet.convertToFormat(QImage::Format_RGB32)) {}

QRect BoardView::Picture(const char* art, QSize size)
{
    for (const layout::Entry& e : layout::MainLayout()) {
        if (e.member == layout::Member::Picture && e.art != nullptr && std::string(e.art) == art)
            return {QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y)), size};
    }
    return {};
}

QRect BoardView::Guess(int board, int row, int slot)
{
    return Place(layout::Member::Guess, board, 4 * row + slot, sprites::kChipSize);
}

QRect BoardView::Tray(int board, int index)
{
    return Place(layout::Member::Tray, board, index, sprites::kChipSize);
}

QRect BoardView::Code(int board, int slot)
{
    return Place(layout::Member::Code, board, slot, sprites::kChipSize);
}

QRect BoardView::Peg(int board, int row, int slot)
{
    return Place(layout::Member::Pegs, board, 4 * row + slot, sprites::kPegSize);
}

QRect BoardView::RoundDigit(int index)
{
    return Place(layout::Member::RoundDigits, 0, index, sprites::kDigitSize);
}

QRect BoardView::TotalDigit(int index)
{
    return Place(layout::Member::TotalDigits, 0, index, sprites::kDigitSize);
}

QPoint BoardView::GuessButton(int board, int row)
{
    return Place(layout::Member::GuessButtons, board, row, {1, 1}).topLeft() + kInsideButton;
}

QPoint BoardView::PhaseButton() { return PhaseButtonArea().topLeft() + kInsideButton; }

QRect BoardView::PhaseButtonArea()
{
    return Place(layout::Member::NextRound, 0, 0, {64, 24});
}

void BoardView::SetScale(double scale, QPoint origin)
{
    m_scale = scale;
    m_origin = origin;
}

QRect BoardView::Map(const QRect& r) const { return boardscale::Scaled(r, m_scale).translated(m_origin); }

QPoint BoardView::Map(QPoint p) const
{
    return QPoint(static_cast<int>(std::lround(p.x() * m_scale)), static_cast<int>(std::lround(p.y() * m_scale))) +
           m_origin;
}

QImage BoardView::Cell(sprites::Cell c, sprites::Size size, QSize shown) const
{
    // Scaled as the game scales it: each cell on its own, smoothly, to the pixels that show it.
    const QImage cell = m_sheet.copy(c.x, c.y, size.w, size.h);
    return cell.size() == shown ? cell : cell.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool BoardView::Alike(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull()) return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const int d =
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            if (d > 24) ++differ;
        }
    }
    return differ * 100 <= x.width() * x.height();   // at most 1 in 100
}

bool BoardView::IsBlack(const QImage& shot, const QRect& where)
{
    const QImage part = shot.copy(where);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if (qGray(part.pixel(x, y)) > 16) return false;
    return true;
}

QString BoardView::FirstSeam(const QImage& shot) const
{
    const std::vector<QRect> pieces = FramePieces();
    const auto centreY = [&](const QRect& r) { return static_cast<int>(m_origin.y() + (r.top() + r.height() / 2.0) * m_scale); };
    for (const QRect& rod : pieces) {
        if (rod.width() > rod.height()) continue;
        // Along the rod's centre line, to each piece it meets above or below: a rod or a bar across it.
        const double x = rod.x() + rod.width() / 2.0;
        const int sx = static_cast<int>(m_origin.x() + x * m_scale);
        for (const QRect& other : pieces) {
            const bool meets = other.top() < rod.top() ? other.bottom() + 1 >= rod.top()
                                                       : other.top() > rod.top() && other.top() <= rod.bottom() + 1;
            if (other == rod || !meets || x < other.left() || x >= other.left() + other.width()) continue;
            const int a = centreY(rod), b = centreY(other);
            for (int y = std::min(a, b); y <= std::max(a, b); ++y) {
                const QRgb p = shot.pixel(sx, y);
                if (std::max({qRed(p), qGreen(p), qBlue(p)}) < 120)
                    return QStringLiteral("a dark pixel %1 at (%2, %3) where the pieces at (%4, %5) and (%6, %7) meet")
                        .arg(p & 0xFFFFFF, 6, 16, QLatin1Char('0')).arg(sx).arg(y)
                        .arg(rod.x()).arg(rod.y()).arg(other.x()).arg(other.y());
            }
        }
    }
    return {};
}

bool BoardView::ShowsChip(const QImage& shot, const QRect& where, int value) const
{
    const QRect at = Map(where);
    return Alike(shot.copy(at), Cell(sprites::GuessChipCell(value), sprites::kChipSize, at.size()));
}

bool BoardView::ShowsDigit(const QImage& shot, const QRect& where, int value) const
{
    const QRect at = Map(where);
    return Alike(shot.copy(at), Cell(sprites::NumbersCell(value), sprites::kDigitSize, at.size()));
}

int BoardView::ReadPeg(const QImage& shot, const QRect& where) const
{
    const QRect at = Map(where);
    const QImage part = shot.copy(at);
    for (int v = 0; v <= 3; ++v)
        if (Alike(part, Cell(sprites::ScoreChipCell(v), sprites::kPegSize, at.size()))) return v;
    return -1;
}
