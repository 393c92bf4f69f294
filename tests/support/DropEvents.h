#pragma once
// A chip drag as Qt hands it to a slot, without a pointer: the text it carries, the drag entering
// and moving over the slot, the drop, and the mouse presses that start a drag.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

#include "CGuessChip.h"

inline std::unique_ptr<QMimeData> Text(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

// The answer a slot gives as a drag enters it and moves over it; both must agree. Qt hands the
// moves and the drop only to the widget that accepted the enter, so the drag leaves again after.
inline Qt::DropAction Hover(CGuessChip& slot, const QMimeData& data,
                            Qt::DropActions offered = Qt::CopyAction)
{
    QDragEnterEvent enter(QPoint(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDragMoveEvent move(QPoint(33, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    move.ignore();   // the slot must answer afresh, whatever it said before
    QCoreApplication::sendEvent(&slot, &move);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&slot, &leave);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), enter.dropAction());
    return enter.dropAction();
}

// A drag that enters the slot and is released there.
inline bool Drop(CGuessChip& slot, const QMimeData& data, Qt::DropActions offered = Qt::CopyAction)
{
    QDragEnterEvent enter(QPoint(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &enter);
    QDropEvent drop(QPointF(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    if (!enter.isAccepted()) {
        // Qt delivers no drop here; the slot would refuse one all the same.
        EXPECT_FALSE(slot.m_dropTarget.OnDrop(slot, &data, drop.dropAction()));
        return false;
    }
    QCoreApplication::sendEvent(&slot, &drop);
    return drop.isAccepted();
}

inline void Press(CGuessChip& slot, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent e(QEvent::MouseButtonPress, at, slot.mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}

inline void Move(CGuessChip& slot, QPoint to)
{
    QMouseEvent e(QEvent::MouseMove, to, slot.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}

inline void Release(CGuessChip& slot, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonRelease, at, slot.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}
