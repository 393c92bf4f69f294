#pragma once
// The game's window: both boards, the centre grid and the scores, the game itself and the
// sprite sheet, all owned for the whole run.

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QPointer>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "BoardControls.h"
#include "CBoardRefresh.h"
#include "CClickPlace.h"
#include "CGameEngine.h"
#include "CGameNews.h"
#include "CKeyboardPlay.h"
#include "CScreenFit.h"
#include "CSpriteSheet.h"
#include "RandomSource.h"

class CHelpWindow;

class CVantel2Dlg : public QDialog, public GameHost {
    Q_OBJECT
public:
    static constexpr int IDM_ABOUTBOX = 0x0010;
    static constexpr int IDM_INSTRUCTIONS = 0x8003;
    // Opens High Scores and Configuration, as a game's Preferences would.
    static constexpr QKeyCombination kHighScoresKey = Qt::ControlModifier | Qt::Key_H;

    // `dataFolder` is the player's local data folder (empty when there is none); `appFolder`
    // holds the sprite sheet and the help file. A `seed` draws the same codes on every run; without
    // one the clock seeds the draw.
    CVantel2Dlg(const QString& dataFolder, const QString& appFolder,
                std::optional<uint32_t> seed = std::nullopt, QWidget* parent = nullptr);
    CVantel2Dlg(std::filesystem::path dataFolder, const QString& appFolder,
                std::optional<uint32_t> seed = std::nullopt, QWidget* parent = nullptr);
    ~CVantel2Dlg() override;

    CGameEngine& Game() { return m_game; }
    BoardControls& Controls() { return m_controls; }
    const CSpriteSheet& Sprites() const { return m_sprites; }
    const CKeyboardPlay& Keyboard() const { return m_keys; }
    // The control with the given id, or null.
    QWidget* Control(int id) const;

    // The board's size at scale 1, and the scale it is shown at now.
    static QSize NaturalSize();
    double BoardScale() const { return m_scale; }
    // Sizes the window to show the whole board on its screen: the largest scale up to 1 at which
    // the window and its frame fit the screen's free area, never below the smallest scale; a size
    // the player chose is kept while it still fits. The window is then moved inside the free area.
    void FitToScreen() { m_fit.Fit(); }
    // The size the player gave the window, kept through refits; empty until then.
    QSize ChosenSize() const { return m_fit.ChosenSize(); }

    void OnSysCommand(int id);
    // The window's menu: "Instructions", then "High Scores and Configuration...".
    QMenu* CreateSystemMenu();
    // The menu opened at `globalPos`; opened by a key (Menu, Shift+F10), with its first item active.
    void OpenSystemMenu(QPoint globalPos, bool byKey);
    // The instructions' window once they have been opened, else null.
    CHelpWindow* HelpWindow() const;

    // Closing now would lose a game in progress: a guess has been judged or a round has ended,
    // and the game is not over.
    bool ProgressWouldBeLost() const;
    // How the player is asked before such a game is lost: true to quit. The real question by
    // default; tests put their own answer here.
    using QuitQuestion = std::function<bool(QWidget* parent)>;
    void SetQuitQuestion(QuitQuestion ask) { m_askQuit = std::move(ask); }
    // Esc and the close box both end here (the close box through QDialog::closeEvent).
    void reject() override;

    // What the game asks of the window.
    void RefreshBoard() override
    {
        m_refresh.RefreshBoard();
        // The news before the focus moves: a screen reader speaks in turn, and a key cuts it short.
        m_news.Tell(this, m_bGameRecorded);
        m_keys.Follow();
    }
    void UpdateGuessButtons() override { m_refresh.UpdateGuessButtons(); }
    void RefreshScores() { m_refresh.RefreshScores(); }

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LoadActiveVariant(int32_t& variant) override;
    void RecordFinishedGame(int variant, int total) override;
    uint32_t Seed() override { return m_seed ? *m_seed : GameHost::Seed(); }

    void ConnectButtons();
    // Shows the board at `scale`, centred in the window.
    void ApplyScale(double scale);
    std::array<CScaledView*, 3> Views();
    void OpenInstructions();
    void OpenHighScores();
    // Keys of the game itself: playing from the keyboard, and the chips' labels.
    bool OnPlayKey(const QKeyEvent& event);
    void KeepKeysFromButtons();
    void ToggleChipLabels();

    QIcon m_hIcon;
    const bool m_bDescribed;   // the controls' words for screen readers, in place before the controls
    BoardControls m_controls;
    RandomSource m_random;
    const std::optional<uint32_t> m_seed;   // read once, as the first game is set up
    CGameEngine m_game;
    CSpriteSheet m_sprites;
    CBoardRefresh m_refresh;
    CKeyboardPlay m_keys;
    CGameNews m_news;
    bool m_bGameRecorded = false;   // the game that ended last reached the high scores
    CClickPlace m_clicks;   // chips placed without a drag
    std::filesystem::path m_dataBase;   // the player's data folder; empty when there is none
    QString m_appFolder;
    double m_scale = 0.0;     // none yet
    QSize m_placedSize;       // the window's size when the board was last placed
    CScreenFit m_fit;
    QPointer<CHelpWindow> m_help;   // one at a time; a child of this window
    QuitQuestion m_askQuit;
};
