#pragma once
// A push button drawn entirely from two images found by its caption: "<caption>U" while up and
// "<caption>D" while held down. It takes the size of its image.

#include <QAbstractButton>
#include <QPixmap>

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

    QPixmap m_up;
    QPixmap m_down;
    QPixmap m_up2x;
    QPixmap m_down2x;
    bool m_bLookedSharp = false;
};
