#include "CCentreView.h"

#include "NoteFont.h"

#include <QPainter>

#include <algorithm>

CCentreView::CCentreView(QWidget* parent) : CScaledView(parent)
{
    for (const layout::Entry& e : layout::CentrePlan()) Add(e, Control(e));
}

QWidget* CCentreView::Control(const layout::Entry& e)
{
    using layout::Member;
    switch (e.member) {
    case Member::Center: return &center[e.index];
    case Member::RoundDigits: return &roundDigits[e.index];
    case Member::TotalDigits: return &totalDigits[e.index];
    case Member::NewGame:
        newGame.AutoLoad(QString::fromLatin1(e.art));
        return &newGame;
    case Member::NextRound:
        nextRound.AutoLoad(QString::fromLatin1(e.art));
        return &nextRound;
    default: return nullptr;   // labels and separators
    }
}

void CCentreView::BindSprites(const CSpriteSheet* sheet)
{
    for (CCenterChip& c : center) c.m_pSprites = sheet;
    for (CNumbers& c : roundDigits) c.m_pSprites = sheet;
    for (CNumbers& c : totalDigits) c.m_pSprites = sheet;
}

void CCentreView::ShowUnrecordedNote(bool shown)
{
    if (shown == m_bUnrecorded) return;
    m_bUnrecorded = shown;
    update(UnrecordedNotePlace());
}

QRect CCentreView::UnrecordedNotePlace() const
{
    // Taken from the controls around it, so it follows them to every scale of the board: from the
    // grid's first chip to the last of its row, below the total and above NEW GAME.
    const QRect total = totalDigits[kTotalDigits - 1].geometry();
    return QRect(QPoint(center[0].x(), total.bottom() + 1), QPoint(center[5].geometry().right(), newGame.y() - 1));
}

QString CCentreView::UnrecordedNoteText()
{
    return tr("THIS GAME COULD NOT BE RECORDED");
}

// In the words, colours and letters of the variant's note in the High Scores window.
void CCentreView::paintEvent(QPaintEvent*)
{
    if (!m_bUnrecorded) return;
    const QRect place = UnrecordedNotePlace();
    const QString text = UnrecordedNoteText();
    QPainter painter(this);
    painter.setFont(NoteFont(place.size(), text));
    painter.setPen(QColor(255, 216, 0));
    painter.drawText(place, Qt::AlignCenter, text);
}
