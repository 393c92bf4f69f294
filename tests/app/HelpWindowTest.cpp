// The instructions inside the game: one window, the shipped page with its links, and keys that
// reach it while the game's own window runs modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "CHelpWindow.h"
#include "CVantel2Dlg.h"

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    // The page the game ships, beside the program as it is installed.
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTEL_HELP_PAGE), QDir(app.path()).filePath("Vantel.html")));
    }

    void PressF1()
    {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &f1);
    }

    QTemporaryDir data;
    QTemporaryDir app;
    CVantel2Dlg dlg{data.path(), app.path()};
};

// Where the link with `href` is drawn in the browser's viewport.
QPoint LinkAt(CHelpWindow& help, const QString& href)
{
    for (QTextBlock b = help.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().anchorHref() != href) continue;
            QTextCursor c(help.document());
            c.setPosition(f.position() + f.length() / 2);
            return help.cursorRect(c).center();
        }
    }
    return {-1, -1};
}

}  // namespace

TEST_F(HelpWindowTest, PressingF1AgainRaisesTheOneHelpWindowInsteadOfOpeningAnother)
{
    PressF1();
    PressF1();
    EXPECT_EQ(dlg.findChildren<CHelpWindow*>().size(), 1);
    ASSERT_NE(dlg.HelpWindow(), nullptr);
    EXPECT_TRUE(dlg.HelpWindow()->isVisible());

    // Esc closes it; the next F1 brings the same window back.
    CHelpWindow* first = dlg.HelpWindow();
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
    dlg.OnSysCommand(CVantel2Dlg::IDM_INSTRUCTIONS);
    EXPECT_EQ(dlg.HelpWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(dlg.findChildren<CHelpWindow*>().size(), 1);
}

TEST_F(HelpWindowTest, TheShippedPagesContentsLinksLeadToTheirSections)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    EXPECT_EQ(help.windowTitle(), QString::fromUtf8("Vantel – Instructions"));
    const QPoint link = LinkAt(help, QStringLiteral("#keys"));
    ASSERT_NE(link, QPoint(-1, -1)) << "no link to the keys";
    ASSERT_EQ(help.verticalScrollBar()->value(), 0);

    QTest::mouseClick(help.viewport(), Qt::LeftButton, Qt::NoModifier, link);
    EXPECT_EQ(help.source().fragment(), "keys");
    EXPECT_GT(help.verticalScrollBar()->value(), 0);
    EXPECT_EQ(help.source().toLocalFile(), QDir(app.path()).filePath("Vantel.html"));
}

TEST_F(HelpWindowTest, TheHelpTakesKeysWhileTheGamesWindowRunsModally)
{
    // As exec() shows the game's window: modal to the whole application.
    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dlg);
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    ASSERT_TRUE(help.isVisible());

    // Through the window system, where a window behind a modal one hears nothing.
    QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(dlg.isVisible());
}
