#pragma once
// The real program started on its own X display, its first game drawn, ready to be played.

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "BoardView.h"
#include "XSession.h"

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString missing = XSession::MissingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "missing " << missing.toStdString() << " (tools/install-deps.sh installs it)";
        const QImage sheet(QStringLiteral(VANTEL_SHEET));
        ASSERT_FALSE(sheet.isNull()) << "no sprite sheet at " << VANTEL_SHEET;
        view = std::make_unique<BoardView>(sheet);
        QString error;
        ASSERT_TRUE(x.Start(QStringLiteral(VANTEL_PROGRAM), &error)) << error.toStdString();
        // The window is up once the first game is drawn: both trays full.
        ASSERT_TRUE(x.WaitFor([&](const QImage& s) {
            return view->ShowsChip(s, BoardView::Tray(0, 0), 1) &&   // SHAPES tray: the star
                   view->ShowsChip(s, BoardView::Tray(1, 0), 7);   // COLORS tray: blue
        }, 20000)) << "the first game was never drawn";
    }

    XSession x;
    std::unique_ptr<BoardView> view;
};
