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

namespace {

QImage Argb(const QPixmap& p)
{
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool TransparentOutside(const QImage& image, const QRect& kept)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!kept.contains(x, y) && qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

}  // namespace

TEST(ChipDropSource, CursorAtRatioTwoIsTheSharpArtAtTheBoardChipsScale)
{
    const QImage sharp = QImage(":/art/cursor_136@2x.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(sharp.size(), QSize(64, 64)) << "the build draws no sharp cursor art";
    const QPixmap cursor = CChipDropSource::CursorPixmap(136, 2.0);
    EXPECT_EQ(cursor.devicePixelRatio(), 2.0);
    // 128 pixels of a 2x screen hold the chip as 64: a 32x32 cursor as at scale 1, not half of it.
    const QImage image = Argb(cursor);
    ASSERT_EQ(image.size(), QSize(128, 128));
    EXPECT_EQ(image.copy(64, 64, 64, 64), sharp);
    EXPECT_TRUE(TransparentOutside(image, QRect(64, 64, 64, 64)));

    QDrag drag(nullptr);
    CChipDropSource(7).SetCursors(drag, 2.0);
    EXPECT_EQ(Argb(drag.dragCursor(Qt::CopyAction)), image);
    EXPECT_EQ(Argb(drag.dragCursor(Qt::IgnoreAction)), Argb(CChipDropSource::CursorPixmap(142, 2.0)));
    // Scale 1 keeps the plain art.
    EXPECT_EQ(Argb(CChipDropSource::CursorPixmap(136, 1.0)), Argb(CChipDropSource::CursorPixmap(136)));
    EXPECT_EQ(CChipDropSource::CursorPixmap(136, 1.0).size(), QSize(64, 64));
}

TEST(ChipDropSource, OnWaylandTheChipTravelsAsTheDragPictureHeldWhereItWasGrabbed)
{
    QPixmap chip(104, 104);
    chip.setDevicePixelRatio(2.0);
    chip.fill(Qt::red);
    for (const char* platform : {"wayland", "wayland-egl"}) {
        QDrag drag(nullptr);
        CChipDropSource::SetPicture(drag, chip, QPoint(20, 31), QString::fromLatin1(platform));
        EXPECT_EQ(drag.pixmap().cacheKey(), chip.cacheKey()) << platform;
        EXPECT_EQ(drag.hotSpot(), QPoint(20, 31)) << platform;
    }
}

TEST(ChipDropSource, OnX11TheCursorAlonePicturesTheChip)
{
    QPixmap chip(64, 64);
    chip.fill(Qt::red);
    for (const char* platform : {"xcb", "windows"}) {
        QDrag drag(nullptr);
        CChipDropSource::SetPicture(drag, chip, QPoint(20, 31), QString::fromLatin1(platform));
        EXPECT_TRUE(drag.pixmap().isNull()) << platform;
    }
}
