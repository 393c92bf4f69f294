#pragma once
// The High Scores and Configuration window: each variant's statistics, and the choice of the
// variant that the next game plays. It shows a snapshot of both files taken as it opens; only the
// ACTIVE and INACTIVE buttons change while it is open. A new choice is stored at once, and the
// window that opened it hears of a change as this one closes.

#include <QDialog>
#include <QLabel>
#include <QString>

#include <cstdint>
#include <filesystem>

#include "AboutLayout.h"
#include "CBitmapButton.h"
#include "CNumbers.h"
#include "CSpriteSheet.h"
#include "ScaledLayout.h"
#include "ScoreDigits.h"
#include "StatsFormat.h"

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `dataBase` is the player's local data folder (empty when there is none); `appFolder` holds
    // the sprite sheet. `parent` is the game's window, which the notification goes to.
    CAboutDlg(std::filesystem::path dataBase, QString appFolder, QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // The control with the given id, or null.
    QWidget* Control(int id) const;

    // Shrinks the window, before it is shown, where its screen is too small for it as drawn.
    void FitToScreen();

    int32_t SelectedVariant() const { return m_nSelectedVariant; }
    // -1 until the window has opened.
    int32_t VariantAtOpen() const { return m_nVariantAtOpen; }
    const CNumbers& Digit(int element) const { return m_digits[element]; }
    const CBitmapButton& Button(int index) const { return m_buttons[index]; }
    const CSpriteSheet& Sprites() const { return m_sprites; }
    // The line that tells the player a choice could not be stored; hidden otherwise.
    const QLabel& SaveFailedNote() const { return m_saveFailed; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Left and Right, Up and Down, Tab and Shift+Tab move between the bands' buttons; Enter and
    // Space press the one with the focus; Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void PlaceControls();
    void PlaceSaveFailedNote();
    QWidget* Widget(const aboutlayout::Entry& e);
    void ConnectButtons();
    void NameButton(int index);
    void NameDigits(int variant, const scoredigits::Cells& cells);
    // The button a band shows now, top band first; the band whose button has the focus, or -1.
    CBitmapButton& ShownButton(int section);
    int FocusedSection() const;

    void OnInitDialog();
    void OnDestroy();
    void FillDigits(int variant);
    void SelectVariant(int variant);
    void ShowVariantButtons();

    int32_t m_nGamesPlayed[stats::kVariantCount] = {};
    int32_t m_nTotalScore[stats::kVariantCount] = {};
    int32_t m_nBestScore[stats::kVariantCount] = {};
    int32_t m_nSelectedVariant = stats::kDialogDefaultVariant;
    int32_t m_nVariantAtOpen = -1;
    CSpriteSheet m_sprites;
    CBitmapButton m_buttons[aboutlayout::kButtonCount];
    CNumbers m_digits[aboutlayout::kDigitCount];
    QLabel m_saveFailed;
    ScaledLayout m_layout;

    std::filesystem::path m_dataBase;
    QString m_appFolder;
    bool m_bOpen = false;   // between opening and closing: a closing notifies at most once
};
