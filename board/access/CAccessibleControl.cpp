#include "CAccessibleControl.h"

#include <QAbstractButton>

#include "AccessibleText.h"
#include "AccessibleTree.h"
#include "CNumbers.h"

namespace {

const char* const kDescribedClasses[] = {"CGuessChip", "CScoreChip", "CCenterChip", "CNumbers",
                                         "CBitmapButton", "CBoardView", "CCentreView"};

}  // namespace

CAccessibleControl::CAccessibleControl(QWidget* w) : QAccessibleWidget(w) {}

QAccessible::Role CAccessibleControl::role() const
{
    using Kind = ControlPlace::Kind;
    if (qobject_cast<const QAbstractButton*>(widget()) != nullptr) return QAccessible::Button;
    if (qobject_cast<const CNumbers*>(widget()) != nullptr) return QAccessible::StaticText;
    const Kind kind = ControlPlace::Of(widget()).kind;
    return kind == Kind::BoardView || kind == Kind::CentreView ? QAccessible::Grouping : QAccessible::Graphic;
}

// The keyboard's focus lands on guess slots (the ring) and on the buttons that go on between
// rounds, though neither takes it by Tab or a click.
QAccessible::State CAccessibleControl::state() const
{
    using Kind = ControlPlace::Kind;
    QAccessible::State s = QAccessibleWidget::state();
    const Kind kind = ControlPlace::Of(widget()).kind;
    if (kind == Kind::GuessSlot || kind == Kind::NextRound || kind == Kind::NewGame) s.focusable = true;
    return s;
}

bool CAccessibleControl::IsView() const
{
    const ControlPlace::Kind kind = ControlPlace::Of(widget()).kind;
    return kind == ControlPlace::Kind::BoardView || kind == ControlPlace::Kind::CentreView;
}

QAccessibleInterface* CAccessibleControl::parent() const
{
    if (ControlPlace::Of(widget()).kind == ControlPlace::Kind::None) return QAccessibleWidget::parent();
    return QAccessible::queryAccessibleInterface(accessibletree::Holder(widget()));
}

QAccessibleInterface* CAccessibleControl::child(int index) const
{
    if (!IsView()) return QAccessibleWidget::child(index);
    const QList<QWidget*> children = accessibletree::Children(widget());
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
}

int CAccessibleControl::childCount() const
{
    return IsView() ? static_cast<int>(accessibletree::Children(widget()).size()) : QAccessibleWidget::childCount();
}

int CAccessibleControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!IsView()) return QAccessibleWidget::indexOfChild(child);
    if (child == nullptr || !child->object()->isWidgetType()) return -1;
    return static_cast<int>(accessibletree::Children(widget()).indexOf(static_cast<QWidget*>(child->object())));
}

QString CAccessibleControl::text(QAccessible::Text t) const
{
    const ControlPlace place = ControlPlace::Of(widget());
    if (place.kind != ControlPlace::Kind::None) {
        if (t == QAccessible::Name) return accessibletext::Name(place);
        if (t == QAccessible::Description) return accessibletext::Description(place);
    }
    const QString named = QAccessibleWidget::text(t);
    const auto* button = qobject_cast<const QAbstractButton*>(widget());
    return named.isEmpty() && t == QAccessible::Name && button != nullptr ? button->text() : named;
}

QStringList CAccessibleControl::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (qobject_cast<const QAbstractButton*>(widget()) != nullptr) names.prepend(pressAction());
    return names;
}

// The same press the mouse gives; a hidden button cannot be pressed.
void CAccessibleControl::doAction(const QString& action)
{
    auto* button = qobject_cast<QAbstractButton*>(widget());
    if (action == pressAction() && button != nullptr) {
        if (button->isVisible() && button->isEnabled()) button->click();
        return;
    }
    QAccessibleWidget::doAction(action);
}

bool CAccessibleControl::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CAccessibleControl::Create);
        return true;
    }();
    return installed;
}

void CAccessibleControl::NameChanged(QWidget* control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QAccessibleInterface* CAccessibleControl::Create(const QString& key, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    for (const char* name : kDescribedClasses) {
        if (key == QLatin1String(name)) return new CAccessibleControl(static_cast<QWidget*>(object));
    }
    return nullptr;
}
