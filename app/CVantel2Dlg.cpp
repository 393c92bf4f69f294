#include "CVantel2Dlg.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <chrono>
#include <utility>

#include "AppIcon.h"
#include "CAboutDlg.h"
#include "CAccessibleControl.h"
#include "CAnnouncer.h"
#include "CHelpWindow.h"
#include "DialogOverGame.h"
#include "LanguageFolder.h"
#include "QuitQuestion.h"
#include "StatsFiles.h"
#include "VantelEvents.h"

namespace {

// The folder's bytes as the file system knows them; an empty name stays empty.
std::filesystem::path ToPath(const QString& folder)
{
    if (folder.isEmpty()) return {};
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// The game's window is the application's main window to a screen reader, not a dialog, whose
// every caption and score a reader would read out each time the window comes back to the front.
QAccessibleInterface* DescribeWindow(const QString& key, QObject* object)
{
    if (key != QLatin1String("CVantel2Dlg") || object == nullptr || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

bool InstallWindowDescription()
{
    static const bool installed = [] {
        QAccessible::installFactory(&DescribeWindow);
        return true;
    }();
    return installed;
}

}  // namespace

CVantel2Dlg::CVantel2Dlg(const QString& dataFolder, const QString& appFolder, std::optional<uint32_t> seed,
                         QWidget* parent)
    : CVantel2Dlg(ToPath(dataFolder), appFolder, seed, parent)
{
}

CVantel2Dlg::CVantel2Dlg(std::filesystem::path dataFolder, const QString& appFolder, std::optional<uint32_t> seed,
                         QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_hIcon(AppIcon()),
      m_bDescribed(CAccessibleControl::Install() && InstallWindowDescription()),
      m_seed(seed),
      m_game(*this, m_random, m_controls.Slots()),
      m_refresh(m_controls, m_game),
      m_keys(m_controls, m_game),
      m_news(m_game),
      m_clicks(m_controls, m_game, m_keys),
      m_dataBase(std::move(dataFolder)),
      m_appFolder(appFolder),
      m_fit(*this, NaturalSize(), [this] { ApplyScale(boardscale::ScaleToFit(size(), NaturalSize())); },
            [this] {
                for (CScaledView* view : Views()) view->RedrawPictures();
            }),
      m_askQuit(&quitquestion::Ask)
{
    setWindowTitle(QStringLiteral("Vantel"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    for (CScaledView* view : Views()) view->setParent(this);
    setMinimumSize(boardscale::Scaled(NaturalSize(), boardscale::kMinScale));
    resize(NaturalSize());
    ApplyScale(1.0);   // the views are built at scale 1; this puts them in the window
    setWindowIcon(m_hIcon);
    ConnectButtons();
    KeepKeysFromButtons();
    m_sprites.Load(m_appFolder);
    m_controls.BindSprites(&m_sprites);
    // The first game is set up and drawn before the window is first shown.
    m_game.StartFirstGame();
    m_sprites.Prefetch(m_controls.ShownCells());   // while the window is being shown
}

CVantel2Dlg::~CVantel2Dlg()
{
    // The game in progress is not saved; only finished games reach the statistics.
    m_sprites.Release();
}

QSize CVantel2Dlg::NaturalSize()
{
    return {layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu)};
}

void CVantel2Dlg::ConnectButtons()
{
    connect(&m_controls.centre.newGame, &QAbstractButton::clicked, this, [this] { m_game.OnNewGame(); });
    connect(&m_controls.centre.nextRound, &QAbstractButton::clicked, this, [this] { m_game.OnNextRound(); });
    // Every GUESS button of a board evaluates that board's current row; only its button shows.
    for (CBitmapButton& b : m_controls.boards[board::kShapes].guessButtons)
        connect(&b, &QAbstractButton::clicked, this, [this] { m_game.OnShapesGuess(); });
    for (CBitmapButton& b : m_controls.boards[board::kColors].guessButtons)
        connect(&b, &QAbstractButton::clicked, this, [this] { m_game.OnColorsGuess(); });
}

QWidget* CVantel2Dlg::Control(int id) const
{
    return findChild<QWidget*>(QStringLiteral("id%1").arg(id));
}

std::array<CScaledView*, 3> CVantel2Dlg::Views()
{
    return {&m_controls.boards[board::kShapes], &m_controls.boards[board::kColors], &m_controls.centre};
}

void CVantel2Dlg::ApplyScale(double scale)
{
    if (scale == m_scale && size() == m_placedSize) return;
    m_scale = scale;
    m_placedSize = size();
    m_sprites.SetScale(scale);
    const QSize board = boardscale::Scaled(NaturalSize(), scale);
    // Centred, the rest of the window black; a window held below the smallest scale shows the top left.
    const QPoint origin(std::max(0, (width() - board.width()) / 2), std::max(0, (height() - board.height()) / 2));
    // Every control moves: the window is painted once, whole, rather than piece by piece as each
    // control's old and new places are marked dirty.
    setUpdatesEnabled(false);
    for (CScaledView* view : Views()) view->Place(scale, origin);
    setUpdatesEnabled(true);
}

// The board takes the largest scale at which it fits the window: the scale follows the window's size alone.
void CVantel2Dlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    ApplyScale(boardscale::ScaleToFit(size(), NaturalSize()));
    m_fit.Resized(*event);
}

void CVantel2Dlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    m_fit.Moved();
}

void CVantel2Dlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_fit.Shown();
}

bool CVantel2Dlg::event(QEvent* e)
{
    const int type = e->type();
    if (type == QEvent::ScreenChangeInternal) m_fit.QueueRefit();
    if (type == UM_SHAPES_DROP)
        m_game.OnShapesDrop();
    else if (type == UM_COLORS_DROP)
        m_game.OnColorsDrop();
    else if (type == UM_VARIANT_CHANGED)
        m_game.OnVariantChanged();
    else
        return QDialog::event(e);
    return true;
}

// The window manager's own menu is out of reach, so its two items live in a context menu.
void CVantel2Dlg::contextMenuEvent(QContextMenuEvent* event)
{
    // The Menu key comes as a key press as well, which opens the menu where the keyboard is.
    if (event->reason() == QContextMenuEvent::Keyboard) return;
    OpenSystemMenu(event->globalPos(), false);
}

void CVantel2Dlg::OpenSystemMenu(QPoint globalPos, bool byKey)
{
    QMenu* menu = CreateSystemMenu();
    // A screen reader names an item of a menu that pops up, not the menu itself: it is told first.
    CAnnouncer::Of(this).Announce(tr("menu"));
    // Opened by a key, its first item is active at once, so a screen reader has an item to read.
    if (byKey) menu->setActiveAction(menu->actions().constFirst());
    menu->exec(globalPos);
    delete menu;
    // The keyboard's focus never left its holder, so a screen reader is told it is back there.
    if (QWidget* focus = focusWidget()) {
        QAccessibleEvent back(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&back);
    }
}

QMenu* CVantel2Dlg::CreateSystemMenu()
{
    auto* menu = new QMenu(this);
    QAction* help = menu->addAction(tr("Instructions"), this, [this] { OnSysCommand(IDM_INSTRUCTIONS); });
    QAction* scores = menu->addAction(tr("High Scores and Configuration..."), this,
                                      [this] { OnSysCommand(IDM_ABOUTBOX); });
    // Shown beside the items; the window answers the keys itself.
    help->setShortcut(Qt::Key_F1);
    scores->setShortcut(kHighScoresKey);
    return menu;
}

void CVantel2Dlg::keyPressEvent(QKeyEvent* event)
{
    if (OnPlayKey(*event)) return;
    const QKeyCombination pressed = event->keyCombination();
    if (pressed == QKeyCombination(Qt::Key_F1)) {
        OnSysCommand(IDM_INSTRUCTIONS);
    } else if (pressed == kHighScoresKey) {
        OnSysCommand(IDM_ABOUTBOX);
    } else if (pressed == QKeyCombination(Qt::Key_Menu) || pressed == (Qt::ShiftModifier | Qt::Key_F10)) {
        // Beside the keyboard's focus: the ring's slot, or the button that has it.
        const QWidget* at = focusWidget() != nullptr ? focusWidget() : this;
        OpenSystemMenu(at->mapToGlobal(at->rect().center()), true);
    } else {
        QDialog::keyPressEvent(event);   // Esc closes the window
        return;
    }
}

bool CVantel2Dlg::OnPlayKey(const QKeyEvent& event)
{
    const bool shortcut = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.key() == Qt::Key_L && !shortcut) {
        ToggleChipLabels();
        return true;
    }
    return m_keys.OnKey(event.key(), event.modifiers());
}

// Buttons would take the keys for themselves (Space presses a focused button); here the keyboard
// plays the boards, and a button is pressed by its key only while it is shown.
void CVantel2Dlg::KeepKeysFromButtons()
{
    for (CBitmapButton* button : findChildren<CBitmapButton*>()) button->setFocusPolicy(Qt::NoFocus);
}

// The labels are not kept: the game starts without them.
void CVantel2Dlg::ToggleChipLabels()
{
    m_sprites.SetLabels(!m_sprites.Labels());
    // The chips paint opaque, so each is repainted itself; a view's repaint would pass them by.
    for (CGuessChip* chip : findChildren<CGuessChip*>()) chip->repaint();
    for (CCenterChip* chip : findChildren<CCenterChip*>()) chip->repaint();
}

void CVantel2Dlg::OnSysCommand(int id)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OpenHighScores();
    else if (id == IDM_INSTRUCTIONS)
        OpenInstructions();
}

// Inside the game, in a window of its own: one at a time, brought back to the front if open.
void CVantel2Dlg::OpenInstructions()
{
    const QString help = language::Translated(QStringLiteral("Vantel.html"),
                                              QDir(m_appFolder).filePath(QStringLiteral("Vantel.html")));
    // A missing page says so in the window, as an unreadable one does.
    if (m_help == nullptr) m_help = new CHelpWindow(help, this);
    m_help->Present();
}

CHelpWindow* CVantel2Dlg::HelpWindow() const
{
    return m_help.data();
}

bool CVantel2Dlg::ProgressWouldBeLost() const
{
    // Every judged guess costs a point, so a round's score above 0 means one was judged.
    return m_game.m_nPhase != phase::kGameOver &&
           (m_game.m_nRoundIndex > 0 || m_game.m_nRoundScores[m_game.m_nRoundIndex] > 0);
}

// A finished game is in the statistics already and a fresh one holds nothing: only a game in
// progress is worth the question. Nothing is saved either way.
void CVantel2Dlg::reject()
{
    if (ProgressWouldBeLost() && !m_askQuit(this)) return;
    QDialog::reject();
}

// Modal over the board; a new variant arrives here as UM_VARIANT_CHANGED before exec() returns.
void CVantel2Dlg::OpenHighScores()
{
    CAboutDlg dlg(m_dataBase, m_appFolder, this);
    dlg.FitToScreen();
    dialogovergame::Run(dlg);
}

// Every game starts here; a note about the last one goes with it.
void CVantel2Dlg::LoadActiveVariant(int32_t& variant)
{
    m_controls.centre.ShowUnrecordedNote(false);
    stats::LoadActiveVariant(m_dataBase, variant);
}

// While another copy of the game holds the statistics' lock, the finished board is drawn and the
// window keeps painting as this one waits its turn. The player's input waits too, so nothing
// reaches the game before its end is recorded.
void CVantel2Dlg::RecordFinishedGame(int variant, int total)
{
    bool drawn = false;
    const auto paintWhileWaiting = [this, &drawn](std::chrono::milliseconds pause) {
        if (!drawn) m_refresh.RefreshBoard();
        drawn = true;
        QEventLoop waiting;
        QTimer::singleShot(pause, &waiting, &QEventLoop::quit);
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    };
    m_bGameRecorded = stats::RecordFinishedGame(m_dataBase, variant, total, paintWhileWaiting);
    m_controls.centre.ShowUnrecordedNote(!m_bGameRecorded);
}
