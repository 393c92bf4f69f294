#include "CGuessChip.h"

#include <QApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include "CChipDropSource.h"
#include "ChipText.h"
#include "FocusRing.h"

namespace {

void Answer(QDragMoveEvent* event, Qt::DropAction action)
{
    // Qt may hand over an event still accepted from the last answer, so every answer is explicit.
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

}  // namespace

CGuessChip::CGuessChip(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    resize(sprites::kChipSize.w, sprites::kChipSize.h);
    // Every slot answers drags, even while it takes none, so the chip's own tray slot can say so.
    setAcceptDrops(true);
}

void CGuessChip::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::GuessChipCell(m_nValue), sprites::kChipSize);
    if (m_bFocusMark) {
        QPainter painter(this);
        DrawFocusRing(painter, size(), m_pSprites);
    }
}

void CGuessChip::SetFocusMark(bool on)
{
    if (on == m_bFocusMark) return;
    m_bFocusMark = on;
    repaint();
}

bool CGuessChip::MayStartDrag() const
{
    return m_bDragSource != 0 && CChipDropTarget::ChipFits(m_nValue, m_nBoard);
}

std::unique_ptr<QMimeData> CGuessChip::CreateDragData() const
{
    if (!MayStartDrag()) return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(chiptext::Format(m_nValue)));
    return data;
}

// A click alone starts nothing: the drag waits until the pointer has moved the platform's drag
// distance or the button has been held for its drag delay.
void CGuessChip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();   // the slot keeps the pointer, so it sees the moves that start the drag
    EndPress();
    if (!MayStartDrag()) return;
    m_bPressPending = true;
    m_pressPos = event->position().toPoint();
    m_dragDelay.start(QApplication::startDragTime(), this);
}

void CGuessChip::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bPressPending || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        StartDrag();
}

// Letting go before the drag began is a click; Qt makes the same events of a tap.
void CGuessChip::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_bPressPending && event->button() == Qt::LeftButton && MayStartDrag();
    EndPress();
    if (click) Q_EMIT Clicked(this);
}

void CGuessChip::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_dragDelay.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_bPressPending && (QApplication::mouseButtons() & Qt::LeftButton))
        StartDrag();
    else
        EndPress();
}

void CGuessChip::EndPress()
{
    m_bPressPending = false;
    m_dragDelay.stop();
}

void CGuessChip::StartDrag()
{
    EndPress();
    std::unique_ptr<QMimeData> data = CreateDragData();
    if (!data) return;
    const CChipDropSource source(m_nValue);
    auto* drag = new QDrag(this);   // Qt disposes of it once the drag is over
    drag->setMimeData(data.release());
    source.SetCursors(*drag, devicePixelRatioF());
    source.SetPicture(*drag, ChipPicture(), m_pressPos, QGuiApplication::platformName());
    // Dragging copies: whatever the outcome, this slot keeps its chip.
    drag->exec(Qt::CopyAction);
}

// The chip lifted out of its slot: the slot's picture at its size on the board and the screen's
// density, round, with what lies around the chip left out.
QPixmap CGuessChip::ChipPicture() const
{
    if (m_pSprites == nullptr || !m_pSprites->IsLoaded()) return {};
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(width() * ratio), qRound(height() * ratio));
    QPixmap cell(pixels);
    cell.setDevicePixelRatio(ratio);
    QPainter onCell(&cell);
    m_pSprites->Draw(onCell, sprites::GuessChipCell(m_nValue), sprites::kChipSize, size());
    onCell.end();
    QPixmap chip(pixels);
    chip.setDevicePixelRatio(ratio);
    chip.fill(Qt::transparent);
    QPainter painter(&chip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(rect()));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.drawPixmap(0, 0, cell);
    return chip;
}

void CGuessChip::dragEnterEvent(QDragEnterEvent* event)
{
    Answer(event, m_dropTarget.OnDragEnter(*this, event->mimeData(), event->possibleActions()));
}

void CGuessChip::dragMoveEvent(QDragMoveEvent* event)
{
    Answer(event, m_dropTarget.OnDragOver(*this, event->mimeData(), event->possibleActions()));
}

// The drag's own two halves, without the pointer: the data a drag from `source` would carry, and
// this slot's answer to its drop.
bool CGuessChip::TakeChipFrom(const CGuessChip& source)
{
    const std::unique_ptr<QMimeData> data = source.CreateDragData();
    return data != nullptr && m_dropTarget.OnDrop(*this, data.get(), Qt::CopyAction);
}

void CGuessChip::dropEvent(QDropEvent* event)
{
    if (m_dropTarget.OnDrop(*this, event->mimeData(), event->dropAction()))
        event->acceptProposedAction();
    else
        event->ignore();
}
