#include "CScaledView.h"

#include <QLabel>

#include "ArtPixmap.h"

void CScaledView::Add(const layout::Entry& e, QWidget* control)
{
    const QPoint at(layout::DuToPxX(e.x), layout::DuToPxY(e.y));
    if (control == nullptr) {
        // Labels and separators show their picture as it is.
        auto* picture = new QLabel(this);
        picture->setPixmap(ArtPixmap(QString::fromLatin1(e.art), devicePixelRatioF()));
        picture->adjustSize();
        m_layout.AddPicture(picture, QRect(at, picture->size()), QString::fromLatin1(e.art));
        control = picture;
    } else {
        control->setParent(this);
        m_layout.Add(control, QRect(at, control->size()));
    }
    if (e.id != 0) control->setObjectName(QStringLiteral("id%1").arg(e.id));
}

void CScaledView::Place(double scale, QPoint origin)
{
    const QRect place = boardscale::Scaled(m_layout.Bounds(), scale);
    setGeometry(place.translated(origin));
    m_layout.Apply(scale, place.topLeft());
}

void CScaledView::RedrawPictures()
{
    m_layout.RedrawPictures();
}
