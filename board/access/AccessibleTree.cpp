#include "AccessibleTree.h"

#include <QLabel>

#include "CNumbers.h"
#include "CScaledView.h"
#include "CScoreChip.h"
#include "CSideHoriz.h"
#include "CSideVert.h"
#include "ControlPlace.h"

namespace accessibletree {
namespace {

using Kind = ControlPlace::Kind;

// A row's box: a plain widget that only holds controls.
bool IsBox(const QWidget* w)
{
    return w->metaObject() == &QWidget::staticMetaObject;
}

bool Decorative(const QWidget* w)
{
    if (qobject_cast<const CSideVert*>(w) != nullptr || qobject_cast<const CSideHoriz*>(w) != nullptr) return true;
    // Captions are named; separators are not.
    if (const auto* picture = qobject_cast<const QLabel*>(w)) return picture->accessibleName().isEmpty();
    if (qobject_cast<const CScoreChip*>(w) == nullptr && qobject_cast<const CNumbers*>(w) == nullptr) return false;
    const ControlPlace place = ControlPlace::Of(w);
    switch (place.kind) {
    case Kind::Peg: return place.index % board::kSlots != 0;
    case Kind::RoundDigit: return place.index % 2 == 0;
    case Kind::TotalDigit: return place.index != 2;
    default: return false;
    }
}

void Collect(const QWidget* holder, QList<QWidget*>& out)
{
    for (QObject* o : holder->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isWindow()) continue;
        if (IsBox(w))
            Collect(w, out);
        else if (!Decorative(w))
            out << w;
    }
}

}  // namespace

QList<QWidget*> Children(const QWidget* view)
{
    QList<QWidget*> out;
    Collect(view, out);
    return out;
}

QWidget* Holder(const QWidget* w)
{
    QWidget* holder = w->parentWidget();
    while (holder != nullptr && IsBox(holder) && qobject_cast<CScaledView*>(holder->parentWidget()) != nullptr)
        holder = holder->parentWidget();
    return holder;
}

}  // namespace accessibletree
