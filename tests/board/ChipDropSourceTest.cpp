// The cursor a chip drag shows: the chip while it would land, the red cross elsewhere.
#include <gtest/gtest.h>

#include <QDrag>
#include <QFile>
#include <QImage>

#include "CChipDropSource.h"

TEST(ChipDropSource, CursorPicturesTheChipWhileItWouldLand)
{
    const int expected[13] = {142, 147, 138, 139, 141, 146, 137, 136, 143, 144, 140, 148, 145};
    for (int v = 0; v <= 12; ++v) {
        const CChipDropSource source(v);
        EXPECT_EQ(source.GiveFeedback(Qt::CopyAction), expected[v]) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::MoveAction), expected[v]) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::IgnoreAction), 142) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::LinkAction), 142) << v;
    }
    for (int v : {-1, 13, 14, 15, 16})
        EXPECT_EQ(CChipDropSource(v).GiveFeedback(Qt::CopyAction), 142) << v;
}

TEST(ChipDropSource, CursorHangsBelowAndRightOfThePointer)
{
    if (!QFile::exists(":/art/cursor_136.png")) {
        // Without the art Qt's own drag cursors stand in; nothing may break.
        EXPECT_TRUE(CChipDropSource::CursorPixmap(136).isNull());
        QDrag drag(nullptr);
        CChipDropSource(7).SetCursors(drag);
        EXPECT_TRUE(drag.dragCursor(Qt::CopyAction).isNull());
        return;
    }
    const QImage art = QImage(":/art/cursor_136.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(art.size(), QSize(32, 32));
    const QImage cursor = CChipDropSource::CursorPixmap(136).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(64, 64));   // Qt puts the hotspot of a pixmap cursor at its centre
    EXPECT_EQ(cursor.copy(32, 32, 32, 32), art);
    for (const QRect& r : {QRect(0, 0, 64, 32), QRect(0, 32, 32, 32)})
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ASSERT_EQ(qAlpha(cursor.pixel(x, y)), 0) << x << ',' << y;

    QDrag drag(nullptr);
    CChipDropSource(7).SetCursors(drag);
    EXPECT_EQ(drag.dragCursor(Qt::CopyAction).toImage().convertToFormat(QImage::Format_ARGB32), cursor);
    EXPECT_EQ(drag.dragCursor(Qt::MoveAction).toImage().convertToFormat(QImage::Format_ARGB32), cursor);
    const QImage noDrop = CChipDropSource::CursorPixmap(142).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(drag.dragCursor(Qt::IgnoreAction).toImage().convertToFormat(QImage::Format_ARGB32), noDrop);
    EXPECT_NE(noDrop, cursor);
}
