#include "BareBoard.h"

#include <QPainter>

#include "MainLayout.h"
#include "SpriteGeometry.h"

namespace {

class BareCell : public QWidget {
public:
    BareCell(QWidget* parent, const QPixmap& sheet, const BarePlace& place)
        : QWidget(parent), m_sheet(sheet), m_source(place.cell, place.rect.size())
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(place.rect);
        setVisible(place.visible);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(QPoint(0, 0), m_sheet, m_source);
    }

private:
    const QPixmap& m_sheet;
    QRect m_source;
};

struct Shape {
    sprites::Size size;
    sprites::Cell cell;
};

// A cell of the control's own kind, chosen by its index, so the copies range over the sheet as
// the game's do rather than reading one cell that always sits in the cache.
Shape ShapeOf(layout::Member m, int i)
{
    using layout::Member;
    switch (m) {
    case Member::Guess:
    case Member::Tray:
    case Member::Code: return {sprites::kChipSize, sprites::GuessChipCell(i % 17)};
    case Member::Pegs: return {sprites::kPegSize, sprites::ScoreChipCell(i % 4)};
    case Member::CodeSides:
    case Member::RowSides:
    case Member::TraySides:
        return {{sprites::kSideWidth, sprites::kSideHeight}, sprites::SideVertCell(i % 3)};
    case Member::Bars: return {sprites::kBarSize, sprites::SideHorizCell(i % 2)};
    case Member::Center: return {sprites::kPoolSize, sprites::CenterChipCell(i % 72)};
    case Member::RoundDigits:
    case Member::TotalDigits: return {sprites::kDigitSize, sprites::NumbersCell(i % 31)};
    case Member::GuessButtons:
    case Member::NewGame:
    case Member::NextRound:
    case Member::Picture: break;
    }
    return {{0, 0}, {0, 0}};
}

// A button takes the size of its picture; any cell of that size serves the yardstick.
QSize ButtonSize(const char* caption)
{
    const QPixmap up(QStringLiteral(":/art/%1U.png").arg(QString::fromLatin1(caption)));
    return up.isNull() ? QSize(64, 24) : up.deviceIndependentSize().toSize();
}

}  // namespace

std::vector<BarePlace> GameWindowPlaces()
{
    using layout::Member;
    std::vector<BarePlace> places;
    for (const layout::Entry& e : layout::MainLayout()) {
        if (e.member == Member::Picture) continue;
        const QPoint at(layout::DuToPxX(e.x), layout::DuToPxY(e.y));
        const bool button = e.member == Member::GuessButtons || e.member == Member::NewGame ||
                            e.member == Member::NextRound;
        if (button) {
            places.push_back({QRect(at, ButtonSize(e.art)), QPoint(2, 2), false});
            continue;
        }
        const Shape s = ShapeOf(e.member, e.index);
        places.push_back({QRect(at, QSize(s.size.w, s.size.h)), QPoint(s.cell.x, s.cell.y), true});
    }
    return places;
}

BareBoard::BareBoard(const QPixmap& sheet, const std::vector<BarePlace>& places)
{
    setFixedSize(layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu));
    for (const BarePlace& p : places) m_cells.push_back(new BareCell(this, sheet, p));
}

void BareBoard::RepaintAll()
{
    for (QWidget* cell : m_cells) cell->repaint();
}
