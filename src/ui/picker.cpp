#include "ui/picker.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace orvika {

namespace {

// A combo box as Qt presents it, its drop-down list and edit field as children, but named by its
// accessible name.
class AccessiblePicker : public QAccessibleWidget
{
public:
    explicit AccessiblePicker(Picker *picker) : QAccessibleWidget(picker, QAccessible::ComboBox) {}

    int childCount() const override { return picker()->lineEdit() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(picker()->view());
        if (index == 1 && picker()->lineEdit())
            return QAccessible::queryAccessibleInterface(picker()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == picker()->view())
            return 0;
        if (picker()->lineEdit() && child->object() == picker()->lineEdit())
            return 1;
        return -1;
    }

    // The edit field has the picker as its focus proxy, so it never has the focus itself.
    QAccessibleInterface *focusChild() const override { return picker()->lineEdit() ? child(1) : nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = picker()->view()->isVisible();
        state.editable = picker()->isEditable();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? picker()->currentText() : QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &name) override
    {
        if ((name != showMenuAction() && name != pressAction()) || !picker()->isEnabled())
            return;
        if (picker()->view()->isVisible())
            picker()->hidePopup();
        else
            picker()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Picker *picker() const { return static_cast<Picker *>(widget()); }
};

QAccessibleInterface *accessiblePicker(const QString &className, QObject *object)
{
    if (className == QLatin1String(Picker::staticMetaObject.className()))
        return new AccessiblePicker(static_cast<Picker *>(object));
    return nullptr;
}

} // namespace

Picker::Picker(QWidget *parent) : QComboBox(parent)
{
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(accessiblePicker), true);
}

} // namespace orvika
