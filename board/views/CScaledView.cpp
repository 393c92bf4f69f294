#include "CScaledView.h"

#include <QLabel>

#include "AccessibleWords.h"
#include "ArtPixmap.h"

void CScaledView::Add(const layout::Entry& e, QWidget* control, int group)
{
    if (group >= static_cast<int>(m_groups.size())) m_groups.resize(group + 1);
    if (group >= 0 && !m_groups[group]) m_groups[group].reset(new Group{new QWidget(this), {}, {}});
    QWidget* parent = group >= 0 ? m_groups[group]->box : this;
    ScaledLayout& layout = group >= 0 ? m_groups[group]->layout : m_layout;

    const QPoint at(layout::DuToPxX(e.x), layout::DuToPxY(e.y));
    if (control == nullptr) {
        // Labels and separators show their picture as it is.
        auto* picture = new QLabel(parent);
        picture->setPixmap(ArtPixmap(QString::fromLatin1(e.art), devicePixelRatioF()));
        picture->adjustSize();
        picture->setAccessibleName(words::Caption(QString::fromLatin1(e.art)));   // separators stay unnamed
        layout.AddPicture(picture, QRect(at, picture->size()), QString::fromLatin1(e.art));
        control = picture;
    } else {
        control->setParent(parent);
        layout.Add(control, QRect(at, control->size()));
    }
    if (e.id != 0) control->setObjectName(QStringLiteral("id%1").arg(e.id));
}

void CScaledView::CloseGroups()
{
    for (size_t i = 0; i < m_groups.size(); ++i) {
        if (!m_groups[i]) continue;
        // Where a later box lies over this one (a row's frame overlaps the next row's by a pixel),
        // the later one shows: the band is left out of this box, so the two never meet.
        QRect box = m_groups[i]->layout.Bounds();
        for (size_t j = i + 1; j < m_groups.size(); ++j) {
            if (!m_groups[j]) continue;
            const QRect later = m_groups[j]->layout.Bounds();
            if (!later.intersects(box)) continue;
            if (later.top() <= box.top()) box.setTop(later.bottom() + 1);
            else box.setBottom(later.top() - 1);
        }
        m_groups[i]->base = box;
        m_layout.Add(m_groups[i]->box, box);
    }
}

void CScaledView::Place(double scale, QPoint origin)
{
    const QRect place = boardscale::Scaled(m_layout.Bounds(), scale);
    setGeometry(place.translated(origin));
    m_layout.Apply(scale, place.topLeft());
    for (const auto& g : m_groups)
        if (g) g->layout.Apply(scale, boardscale::Scaled(g->base, scale).topLeft());
}

void CScaledView::RedrawPictures()
{
    m_layout.RedrawPictures();
    for (const auto& g : m_groups)
        if (g) g->layout.RedrawPictures();
}
