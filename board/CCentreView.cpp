#include "CCentreView.h"

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
