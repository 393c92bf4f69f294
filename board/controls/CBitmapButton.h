#pragma once
// A push button drawn entirely from two images found by its caption: "<caption>U" while up and
// "<caption>D" while held down. It takes the size of its image; shown at another size (a scaled
// board), it draws its sharp images scaled once to that size. With the keyboard's focus it is ringed.

#include <QAbstractButton>
#include <QPixmap>

class QPainter;

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Loads the images of `caption` from the art resources and sizes the button to them.
    // Returns false, leaving a plain black button of the same caption, when they are missing.
    bool AutoLoad(const QString& caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& Image(bool down, qreal devicePixelRatio);
    bool ShowsFocus() const;
    void PaintFocus(QPainter& painter) const;

    QPixmap m_up;
    QPixmap m_down;
    // The images as last shown at another size or density than the plain one's.
    QPixmap m_shownUp;
    QPixmap m_shownDown;
};
