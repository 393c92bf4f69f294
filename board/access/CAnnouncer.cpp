#include "CAnnouncer.h"

#include <QAccessibleObject>
#include <QGuiApplication>
#include <QWidget>

namespace {

// The announcer as a screen reader sees it: a notification named by its words, showing from one
// announcement to the next. Like a desktop's notifications it hangs from the application, not
// from the window, so a reader says its words alone rather than the whole window's first.
class Notification : public QAccessibleObject {
public:
    explicit Notification(CAnnouncer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? Announcer()->Words() : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Announcer()->Showing();
        s.readOnly = true;
        return s;
    }

private:
    const CAnnouncer* Announcer() const { return static_cast<const CAnnouncer*>(object()); }
};

QAccessibleInterface* Create(const QString& key, QObject* object)
{
    if (key != QLatin1String("CAnnouncer") || object == nullptr) return nullptr;
    return new Notification(static_cast<CAnnouncer*>(object));
}

}  // namespace

CAnnouncer::CAnnouncer(QWidget* window) : QObject(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&Create);
        return true;
    }();
    (void)installed;
}

CAnnouncer& CAnnouncer::Of(QWidget* w)
{
    QWidget* window = w->window();
    auto* announcer = window->findChild<CAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer != nullptr ? *announcer : *new CAnnouncer(window);
}

QWidget* CAnnouncer::Window() const
{
    return static_cast<QWidget*>(parent());
}

void CAnnouncer::Announce(const QString& words)
{
    if (words.isEmpty()) return;
    // Hidden first, so the same words twice are heard twice.
    if (m_bShowing) {
        m_bShowing = false;
        Tell(QAccessible::ObjectHide);
    }
    m_words = words;
    Tell(QAccessible::NameChanged);   // screen readers keep names they have read: this one is new
    m_bShowing = true;
    Tell(QAccessible::ObjectShow);
}

void CAnnouncer::Tell(QAccessible::Event event)
{
    QAccessibleEvent told(this, event);
    QAccessible::updateAccessibility(&told);
}
