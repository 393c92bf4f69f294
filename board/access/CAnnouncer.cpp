#include "CAnnouncer.h"

#include <QAccessibleObject>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// The line the announcer's words show in, as a status bar holds a window's passing messages: a
// screen reader says what shows there as the words alone, without first naming it a notification.
// Like a desktop's notifications it hangs from the application, not from the window, so a reader
// says the words rather than the whole window's first.
class StatusLine : public QAccessibleInterface {
public:
    explicit StatusLine(CAnnouncer* announcer) : m_announcer(announcer) {}

    bool isValid() const override { return m_announcer != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_announcer != nullptr ? m_announcer->Window()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && m_announcer != nullptr ? QAccessible::queryAccessibleInterface(m_announcer.data()) : nullptr;
    }
    int childCount() const override { return m_announcer != nullptr ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == m_announcer ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = m_announcer == nullptr || !m_announcer->Showing();
        s.readOnly = true;
        return s;
    }

private:
    QPointer<CAnnouncer> m_announcer;
};

// The announcer as a screen reader sees it: a notification named by its words, showing from one
// announcement to the next, in its status line.
class Notification : public QAccessibleObject {
public:
    explicit Notification(CAnnouncer* announcer)
        : QAccessibleObject(announcer), m_line(QAccessible::registerAccessibleInterface(new StatusLine(announcer)))
    {
    }
    ~Notification() override { QAccessible::deleteAccessibleInterface(m_line); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_line); }
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

    const QAccessible::Id m_line;
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
