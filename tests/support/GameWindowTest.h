#pragma once
// The real program started on its own X display, its first game drawn, ready to be played. The
// view follows the board's scale: the window fits its board to the screen it opens on.

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "BoardView.h"
#include "MainLayout.h"
#include "ScaledLayout.h"
#include "XSession.h"

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Start(QSize(1920, 1080)); }

    void Start(QSize screen)
    {
        const QString missing = XSession::MissingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "missing " << missing.toStdString() << " (tools/install-deps.sh installs it)";
        const QImage sheet(QStringLiteral(VANTEL_SHEET));
        ASSERT_FALSE(sheet.isNull()) << "no sprite sheet at " << VANTEL_SHEET;
        view = std::make_unique<BoardView>(sheet);
        QString error;
        ASSERT_TRUE(x.Start(QStringLiteral(VANTEL_PROGRAM), &error, screen)) << error.toStdString();
        window = x.WindowGeometry();
        const QSize natural(layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu));
        const double scale = boardscale::ScaleToFit(window.size(), natural);
        const QSize board = boardscale::Scaled(natural, scale);
        view->SetScale(scale, QPoint((window.width() - board.width()) / 2, (window.height() - board.height()) / 2));
        // The window is up once the first game is drawn: both trays full.
        ASSERT_TRUE(x.WaitFor([&](const QImage& s) {
            return view->ShowsChip(s, BoardView::Tray(0, 0), 1) &&   // SHAPES tray: the star
                   view->ShowsChip(s, BoardView::Tray(1, 0), 7);   // COLORS tray: blue
        }, 20000)) << "the first game was never drawn";
    }

    XSession x;
    std::unique_ptr<BoardView> view;
    QRect window;   // where the window stands on the screen
};
