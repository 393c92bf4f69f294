#include "DialogOverGame.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

#include "ScaledLayout.h"

namespace dialogovergame {
namespace {

// The application's colours, each set outright, so that a dialog inside the game's window takes
// them and not the board's black.
QPalette OwnColours()
{
    QPalette colours = QApplication::palette();
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            colours.setBrush(group, role, colours.brush(group, role));
        }
    return colours;
}

// Covers the game's window while a dialog is open in it: the board beneath takes no click and no
// key, and shows dimmed.
class Veil : public QWidget {
public:
    explicit Veil(QWidget* game) : QWidget(game)
    {
        setGeometry(game->rect());
        setFocusPolicy(Qt::NoFocus);
        setPalette(OwnColours());
    }

protected:
    // The board dimmed, and an edge around the dialog where a window would have its frame.
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 128));
        for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            painter.fillRect(child->geometry().adjusted(-2, -2, 2, 2), QColor(150, 150, 160));
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }
    void contextMenuEvent(QContextMenuEvent* e) override { e->accept(); }
    // The keys the dialog leaves go no further, to the board.
    void keyPressEvent(QKeyEvent* e) override { e->accept(); }
    void keyReleaseEvent(QKeyEvent* e) override { e->accept(); }
};

}  // namespace

bool Inside()
{
    return !boardscale::PositionsKnown();
}

int Run(QDialog& dialog)
{
    QWidget* parent = dialog.parentWidget();
    if (!Inside() || parent == nullptr) return dialog.exec();
    QWidget* game = parent->window();
    const QPointer<QWidget> before = game->focusWidget();
    const Qt::WindowFlags flags = dialog.windowFlags();
    Veil veil(game);
    const bool filled = dialog.autoFillBackground();
    dialog.setParent(&veil, Qt::Widget);
    dialog.setAutoFillBackground(true);   // as a window it would be painted whole
    QEventLoop loop;
    const QMetaObject::Connection closed = QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    veil.show();
    veil.raise();
    dialog.show();   // a message box takes its size as it is shown
    dialog.move(std::max(0, (veil.width() - dialog.width()) / 2), std::max(0, (veil.height() - dialog.height()) / 2));
    if (!dialog.isAncestorOf(dialog.focusWidget())) dialog.nextInFocusChain()->setFocus(Qt::OtherFocusReason);
    loop.exec(QEventLoop::DialogExec);
    QObject::disconnect(closed);
    // Back to being the parent's own window before the veil, and everything in it, goes.
    dialog.hide();
    dialog.setParent(parent, flags);
    dialog.setAutoFillBackground(filled);
    if (before != nullptr) before->setFocus(Qt::OtherFocusReason);
    return dialog.result();
}

}  // namespace dialogovergame
