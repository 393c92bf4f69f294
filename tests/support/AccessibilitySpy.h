#pragma once
// Hears what Qt would tell a screen reader: every accessibility update of the program, in order,
// with the words of the object it is about as they were at that moment.

#include <QAccessible>
#include <QString>

#include <string>
#include <vector>

class AccessibilitySpy {
public:
    struct Heard {
        QAccessible::Event type;
        QAccessible::Role role;
        std::string name;
    };

    AccessibilitySpy() : m_wasActive(QAccessible::isActive())
    {
        Current() = this;
        m_previous = QAccessible::installUpdateHandler(&Record);
        QAccessible::setActive(true);
    }
    ~AccessibilitySpy()
    {
        QAccessible::installUpdateHandler(m_previous);
        QAccessible::setActive(m_wasActive);
        Current() = nullptr;
    }
    AccessibilitySpy(const AccessibilitySpy&) = delete;
    AccessibilitySpy& operator=(const AccessibilitySpy&) = delete;

    // What a screen reader speaks of the updates heard since the last call, in order: focus moves
    // ("focus: ..."), the changed words of an object ("name: ...") and notifications shown
    // ("notification: ...", whose change of words only readies them to be read); the rest is left
    // out. Then forgets all it heard.
    std::vector<std::string> Spoken()
    {
        std::vector<std::string> words;
        for (const Heard& h : m_heard) {
            if (h.type == QAccessible::Focus) words.push_back("focus: " + h.name);
            if (h.type == QAccessible::NameChanged && h.role != QAccessible::Notification)
                words.push_back("name: " + h.name);
            if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification)
                words.push_back("notification: " + h.name);
        }
        m_heard.clear();
        return words;
    }

private:
    static AccessibilitySpy*& Current()
    {
        static AccessibilitySpy* current = nullptr;
        return current;
    }
    static void Record(QAccessibleEvent* event)
    {
        QAccessibleInterface* about = event->accessibleInterface();
        if (Current() == nullptr || about == nullptr) return;
        Current()->m_heard.push_back({event->type(), about->role(), about->text(QAccessible::Name).toStdString()});
    }

    std::vector<Heard> m_heard;
    QAccessible::UpdateHandler m_previous = nullptr;
    bool m_wasActive;
};
