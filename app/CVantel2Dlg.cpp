#include "CVantel2Dlg.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QUrl>

#include <utility>

#include "AppIcon.h"
#include "ArtPixmap.h"
#include "CAboutDlg.h"
#include "StatsFiles.h"
#include "VantelEvents.h"

namespace {

// The folder's bytes as the file system knows them; an empty name stays empty.
std::filesystem::path ToPath(const QString& folder)
{
    if (folder.isEmpty()) return {};
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// A button with its images, found by its caption.
CBitmapButton* Loaded(CBitmapButton& button, const char* caption)
{
    button.AutoLoad(QString::fromLatin1(caption));
    return &button;
}

}  // namespace

CVantel2Dlg::CVantel2Dlg(const QString& dataFolder, const QString& appFolder, QWidget* parent)
    : CVantel2Dlg(ToPath(dataFolder), appFolder, parent)
{
}

CVantel2Dlg::CVantel2Dlg(std::filesystem::path dataFolder, const QString& appFolder, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_hIcon(AppIcon()),
      m_game(*this, m_random, m_controls.Slots()),
      m_refresh(m_controls, m_game),
      m_dataBase(std::move(dataFolder)),
      m_appFolder(appFolder)
{
    setWindowTitle(QStringLiteral("Vantel"));
    setFixedSize(layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    PlaceControls();
    setWindowIcon(m_hIcon);
    ConnectButtons();
    m_sprites.Load(m_appFolder);
    m_controls.BindSprites(&m_sprites);
    // The first game is set up and drawn before the window is first shown.
    m_game.StartFirstGame();
}

CVantel2Dlg::~CVantel2Dlg()
{
    // The game in progress is not saved; only finished games reach the statistics.
    m_sprites.Release();
}

void CVantel2Dlg::PlaceControls()
{
    for (const layout::Entry& e : layout::MainLayout()) {
        QWidget* w = Widget(e);
        w->setParent(this);
        w->move(layout::DuToPxX(e.x), layout::DuToPxY(e.y));
        if (e.id != 0) w->setObjectName(QStringLiteral("id%1").arg(e.id));
    }
}

QWidget* CVantel2Dlg::Widget(const layout::Entry& e)
{
    using layout::Member;
    BoardWidgets& b = m_controls.boards[e.board];
    switch (e.member) {
    case Member::Guess: return &b.guess[e.index];
    case Member::Tray: return &b.tray[e.index];
    case Member::Code: return &b.code[e.index];
    case Member::Pegs: return &b.pegs[e.index];
    case Member::CodeSides: return &b.codeSides[e.index];
    case Member::RowSides: return &b.rowSides[e.index];
    case Member::TraySides: return &b.traySides[e.index];
    case Member::Bars: return &b.bars[e.index];
    case Member::GuessButtons: return Loaded(b.guessButtons[e.index], e.art);
    case Member::Center: return &m_controls.center[e.index];
    case Member::RoundDigits: return &m_controls.roundDigits[e.index];
    case Member::TotalDigits: return &m_controls.totalDigits[e.index];
    case Member::NewGame: return Loaded(m_controls.newGame, e.art);
    case Member::NextRound: return Loaded(m_controls.nextRound, e.art);
    case Member::Picture: break;
    }
    // Labels and separators show their picture as it is.
    auto* picture = new QLabel(this);
    picture->setPixmap(ArtPixmap(QString::fromLatin1(e.art), devicePixelRatioF()));
    picture->adjustSize();
    return picture;
}

void CVantel2Dlg::ConnectButtons()
{
    connect(&m_controls.newGame, &QAbstractButton::clicked, this, [this] { m_game.OnNewGame(); });
    connect(&m_controls.nextRound, &QAbstractButton::clicked, this, [this] { m_game.OnNextRound(); });
    // Every GUESS button of a board evaluates that board's current row; only its button shows.
    for (CBitmapButton& b : m_controls.boards[board::kShapes].guessButtons)
        connect(&b, &QAbstractButton::clicked, this, [this] { m_game.OnShapesGuess(); });
    for (CBitmapButton& b : m_controls.boards[board::kColors].guessButtons)
        connect(&b, &QAbstractButton::clicked, this, [this] { m_game.OnColorsGuess(); });
}

QWidget* CVantel2Dlg::Control(int id) const
{
    return findChild<QWidget*>(QStringLiteral("id%1").arg(id), Qt::FindDirectChildrenOnly);
}

bool CVantel2Dlg::event(QEvent* e)
{
    const int type = e->type();
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
    QMenu* menu = CreateSystemMenu();
    menu->exec(event->globalPos());
    delete menu;
}

QMenu* CVantel2Dlg::CreateSystemMenu()
{
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("Instructions"), this, [this] { OnSysCommand(IDM_INSTRUCTIONS); });
    menu->addAction(QStringLiteral("High Scores and Configuration..."), this,
                    [this] { OnSysCommand(IDM_ABOUTBOX); });
    return menu;
}

void CVantel2Dlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnSysCommand(IDM_INSTRUCTIONS);
        return;
    }
    QDialog::keyPressEvent(event);   // Esc closes the window
}

void CVantel2Dlg::OnSysCommand(int id)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OpenHighScores();
    else if (id == IDM_INSTRUCTIONS)
        OpenInstructions();
}

void CVantel2Dlg::OpenInstructions()
{
    const QString help = QDir(m_appFolder).filePath(QStringLiteral("Vantel.html"));
    if (QFileInfo::exists(help)) QDesktopServices::openUrl(QUrl::fromLocalFile(help));
}

// Modal over the board; a new variant arrives here as UM_VARIANT_CHANGED before exec() returns.
void CVantel2Dlg::OpenHighScores()
{
    CAboutDlg dlg(m_dataBase, m_appFolder, this);
    dlg.exec();
}

void CVantel2Dlg::LoadActiveVariant(int32_t& variant)
{
    stats::LoadActiveVariant(m_dataBase, variant);
}

void CVantel2Dlg::RecordFinishedGame(int variant, int total)
{
    stats::RecordFinishedGame(m_dataBase, variant, total);
}
