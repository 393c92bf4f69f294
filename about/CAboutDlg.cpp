#include "CAboutDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPixmap>
#include <QShowEvent>

#include <algorithm>

#include <utility>

#include "AccessibleWords.h"
#include "CAnnouncer.h"
#include "ArtPixmap.h"
#include "DialogUnits.h"
#include "NoteFont.h"
#include "PictureWords.h"
#include "SpriteGeometry.h"
#include "StatsFiles.h"
#include "VantelEvents.h"

static_assert(scoredigits::kBlank == sprites::kBlankDigit, "a blank cell is the sheet's blank digit");
static_assert(aboutlayout::kDigitPositions == scoredigits::kCells, "twelve cells per variant");

namespace {

QSize DuToPx(int w, int h) { return QSize(layout::DuToPxX(w), layout::DuToPxY(h)); }

QString VariantName(int variant) { return picturewords::WordsOf(QStringLiteral("title_variant%1").arg(variant)); }

int SectionOf(int variant)
{
    for (int s = 0; s < aboutlayout::kSections; ++s) {
        if (aboutlayout::kSectionVariant[s] == variant) return s;
    }
    return -1;
}

}  // namespace

CAboutDlg::CAboutDlg(std::filesystem::path dataBase, QString appFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_dataBase(std::move(dataBase)),
      m_appFolder(std::move(appFolder))
{
    setWindowTitle(tr("High Scores for Vantel"));
    setFixedSize(DuToPx(aboutlayout::kWidthDu, aboutlayout::kHeightDu));
    setSizeGripEnabled(false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    PlaceControls();
    PlaceSaveFailedNote();
    ConnectButtons();
}

CAboutDlg::~CAboutDlg()
{
    // Destroyed while still open: the game's window must still learn of a new variant.
    if (m_bOpen) OnDestroy();
}

void CAboutDlg::PlaceControls()
{
    for (const aboutlayout::Entry& e : aboutlayout::AboutLayout()) {
        QWidget* w = Widget(e);
        w->setParent(this);
        const QRect base(QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y)), w->size());
        const bool picture = e.kind != aboutlayout::Kind::Digit && e.kind != aboutlayout::Kind::Button;
        if (picture)
            m_layout.AddPicture(static_cast<QLabel*>(w), base, QString::fromLatin1(e.art));
        else
            m_layout.Add(w, base);
        if (e.id != 0) w->setObjectName(QStringLiteral("id%1").arg(e.id));
    }
    m_layout.Apply(1.0, QPoint(0, 0));
}

// A screen too small for the window as drawn gets it smaller, every control scaled alike.
void CAboutDlg::FitToScreen()
{
    const QSize natural = DuToPx(aboutlayout::kWidthDu, aboutlayout::kHeightDu);
    const double scale = boardscale::ScaleForScreen(*this, natural);
    setFixedSize(boardscale::Scaled(natural, scale));
    m_layout.Apply(scale, QPoint(0, 0));
    m_sprites.SetScale(scale);
    m_saveFailed.setFont(NoteFont(m_saveFailed.size(), m_saveFailed.text()));
}

// Said inside the window, in its own colours, without a message box in the player's way.
void CAboutDlg::PlaceSaveFailedNote()
{
    constexpr aboutlayout::Place note = aboutlayout::kSaveFailedNote;
    m_saveFailed.setParent(this);
    m_saveFailed.setGeometry(layout::DuToPxX(note.x), layout::DuToPxY(note.y), layout::DuToPxX(note.w),
                             layout::DuToPxY(note.h));
    m_layout.Add(&m_saveFailed, m_saveFailed.geometry());
    m_saveFailed.setText(tr("THAT CHOICE COULD NOT BE SAVED"));
    m_saveFailed.setAlignment(Qt::AlignCenter);
    m_saveFailed.setFont(NoteFont(m_saveFailed.size(), m_saveFailed.text()));
    QPalette yellow = m_saveFailed.palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 216, 0));
    m_saveFailed.setPalette(yellow);
    m_saveFailed.hide();
}

QWidget* CAboutDlg::Widget(const aboutlayout::Entry& e)
{
    using aboutlayout::Kind;
    if (e.kind == Kind::Digit) return &m_digits[e.index];
    if (e.kind == Kind::Button) {
        CBitmapButton& b = m_buttons[e.index];
        b.resize(DuToPx(e.w, e.h));   // the images, when there, size it anew
        b.AutoLoad(QString::fromLatin1(e.art));
        NameButton(e.index);
        return &b;
    }
    // A picture takes the size of its image; a missing image leaves a black place of the planned size.
    auto* picture = new QLabel(this);
    const QPixmap image = ArtPixmap(QString::fromLatin1(e.art), devicePixelRatioF());
    picture->setPixmap(image);
    picture->resize(image.isNull() ? DuToPx(e.w, e.h) : image.deviceIndependentSize().toSize());
    return picture;
}

void CAboutDlg::ConnectButtons()
{
    // ACTIVE buttons do nothing: their variant is the chosen one already.
    for (int v = 0; v < stats::kVariantCount; ++v) {
        connect(&m_buttons[aboutlayout::InactiveButton(v)], &QAbstractButton::clicked, this,
                [this, v] { SelectVariant(v); });
    }
}

QWidget* CAboutDlg::Control(int id) const
{
    return findChild<QWidget*>(QStringLiteral("id%1").arg(id), Qt::FindDirectChildrenOnly);
}

void CAboutDlg::showEvent(QShowEvent* event)
{
    // A window restored by the window system is still the same opening.
    if (!event->spontaneous() && !m_bOpen) OnInitDialog();
    QDialog::showEvent(event);
}

void CAboutDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Every way of closing hides the window first: Esc, the close box, done(), hide().
    if (!event->spontaneous() && m_bOpen) OnDestroy();
}

// Both files are read afresh at every opening: a game may have ended since the last one.
void CAboutDlg::OnInitDialog()
{
    m_bOpen = true;
    m_saveFailed.hide();
    m_sprites.Load(m_appFolder);
    for (CNumbers& d : m_digits) d.m_pSprites = &m_sprites;

    const stats::HighScoresSnapshot shown = stats::ReadHighScores(m_dataBase);
    for (int v = 0; v < stats::kVariantCount; ++v) {
        m_nGamesPlayed[v] = shown.records[v].gamesPlayed;
        m_nTotalScore[v] = shown.records[v].totalScore;
        m_nBestScore[v] = shown.records[v].bestScore;
    }
    // A stored value that is no variant shows the game's own first variant as the active one.
    m_nSelectedVariant =
        stats::IsVariant(shown.activeVariant) ? shown.activeVariant : stats::kDialogDefaultVariant;
    m_nVariantAtOpen = m_nSelectedVariant;

    for (int v = 0; v < stats::kVariantCount; ++v) FillDigits(v);
    ShowVariantButtons();
    // The keys start from the variant in force; the focus shows once they move it.
    ShownButton(SectionOf(m_nSelectedVariant)).setFocus(Qt::OtherFocusReason);
}

void CAboutDlg::FillDigits(int variant)
{
    const scoredigits::Cells cells = scoredigits::FillScoreDigits(
        {m_nGamesPlayed[variant], m_nTotalScore[variant], m_nBestScore[variant]});
    for (int k = 0; k < scoredigits::kCells; ++k) {
        CNumbers& d = m_digits[aboutlayout::DigitElement(k, variant)];
        d.m_nValue = cells[k];
        d.update();
    }
    NameDigits(variant, cells);
}

void CAboutDlg::SelectVariant(int variant)
{
    // Stored at once: the game's window takes the variant from the file, never from this window.
    // A choice that could not be stored would not reach the next game, so it is not shown as made.
    const bool stored = stats::SaveActiveVariant(m_dataBase, variant);
    m_saveFailed.setVisible(!stored);
    if (!stored) {
        CAnnouncer::Of(this).Announce(m_saveFailed.text());   // each time: a player may try again
        return;
    }
    m_nSelectedVariant = variant;
    ShowVariantButtons();
}

void CAboutDlg::ShowVariantButtons()
{
    // A band that holds the focus keeps it, on whichever of its two buttons shows now.
    const int focused = FocusedSection();
    if (focused >= 0) focusWidget()->clearFocus();
    // Exactly one band shows ACTIVE, the other two INACTIVE.
    for (int i = 0; i < aboutlayout::kButtonCount; ++i) {
        const bool active = i == aboutlayout::ActiveButton(i % stats::kVariantCount);
        m_buttons[i].setVisible(active == (i % stats::kVariantCount == m_nSelectedVariant));
    }
    if (focused >= 0) ShownButton(focused).setFocus(Qt::OtherFocusReason);
    for (CBitmapButton& b : m_buttons) b.repaint();
}

void CAboutDlg::OnDestroy()
{
    m_bOpen = false;
    m_sprites.Release();
    QWidget* owner = parentWidget();
    if (m_nSelectedVariant != m_nVariantAtOpen && owner != nullptr) {
        QEvent changed(UM_VARIANT_CHANGED);
        QCoreApplication::sendEvent(owner, &changed);
    }
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier ? event->key() : 0) {
    case Qt::Key_Left:
    case Qt::Key_Up: focusNextPrevChild(false); return;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Space itself; Enter presses it here, as a click would.
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget()); b != nullptr && b->isVisible()) b->click();
        return;
    default: QDialog::keyPressEvent(event);   // Esc closes the window
    }
}

// The three bands' buttons, top to bottom and round again: the only stops of the focus.
bool CAboutDlg::focusNextPrevChild(bool next)
{
    const int from = FocusedSection();
    const int n = aboutlayout::kSections;
    const int to = from < 0 ? (next ? 0 : n - 1) : (from + (next ? 1 : n - 1)) % n;
    ShownButton(to).setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

CBitmapButton& CAboutDlg::ShownButton(int section)
{
    const int v = aboutlayout::kSectionVariant[section];
    return m_buttons[v == m_nSelectedVariant ? aboutlayout::ActiveButton(v) : aboutlayout::InactiveButton(v)];
}

int CAboutDlg::FocusedSection() const
{
    for (int i = 0; i < aboutlayout::kButtonCount; ++i) {
        if (focusWidget() == &m_buttons[i]) return SectionOf(i % stats::kVariantCount);
    }
    return -1;
}

// What a screen reader says of a button: its caption and its band's variant.
void CAboutDlg::NameButton(int index)
{
    CBitmapButton& b = m_buttons[index];
    const bool active = index == aboutlayout::ActiveButton(index % stats::kVariantCount);
    //: A High Scores button: its words (ACTIVE or INACTIVE) and its variant's title.
    b.setAccessibleName(tr("%1: %2").arg(picturewords::WordsOf(b.text()), VariantName(index % stats::kVariantCount)));
    b.setAccessibleDescription(active ? tr("the variant new games play") : tr("press to play this variant"));
}

// Each figure of a band, named as its cells show it, on its last cell alone, so a screen reader
// reads the figure once and as one number: "SIX COLORS, NO CIRCLES: average score 45.7". A
// variant never played shows 999 as its best score, which names no game.
void CAboutDlg::NameDigits(int variant, const scoredigits::Cells& cells)
{
    using namespace scoredigits;
    const auto number = [&](int first, int count) {
        QString n = words::Figure(&cells[first], count);
        while (n.size() > 1 && n.startsWith(QLatin1Char('0'))) n.remove(0, 1);
        return n;
    };
    const QString name = VariantName(variant);
    //: An average score as a number: whole points, the language's decimal sign, tenths ("45.7").
    const QString average = tr("%1.%2").arg(number(kFirstAverage, kAverageCells - 1), number(kFirstBest - 1, 1));
    const QString figures[3] = {
        tr("%1: games played %2").arg(name, number(0, kGamesCells)),
        tr("%1: average score %2").arg(name, average),
        m_nGamesPlayed[variant] > 0 ? tr("%1: best score %2").arg(name, number(kFirstBest, kBestCells))
                                    : tr("%1: no best score, no game played yet").arg(name)};
    const int last[3] = {kFirstAverage - 1, kFirstBest - 1, kCells - 1};
    for (int k = 0; k < kCells; ++k) {
        const int figure = k < kFirstAverage ? 0 : k < kFirstBest ? 1 : 2;
        m_digits[aboutlayout::DigitElement(k, variant)].setAccessibleName(k == last[figure] ? figures[figure] : QString());
    }
}
