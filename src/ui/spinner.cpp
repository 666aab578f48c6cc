#include "ui/spinner.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

namespace orvika {

namespace {

// A spinner as assistive technology sees it: a spin box whose value is the count shown beside it,
// stepped by the same actions as its arrows.
class AccessibleSpinner : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleSpinner(Spinner *spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? QString::number(spinner()->shownCount())
                                          : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return spinner()->shownCount(); }
    void setCurrentValue(const QVariant &value) override
    {
        if (spinner()->isEnabled())
            spinner()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return spinner()->maximum(); }
    QVariant minimumValue() const override { return spinner()->minimum(); }
    QVariant minimumStepSize() const override { return spinner()->singleStep(); }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    // A scroll bar's "sub" steps are its upper arrow, which the spinner turns into an increase.
    void doAction(const QString &name) override
    {
        if (name == increaseAction() || name == decreaseAction()) {
            if (spinner()->isEnabled())
                spinner()->triggerAction(name == increaseAction() ? QAbstractSlider::SliderSingleStepSub
                                                                  : QAbstractSlider::SliderSingleStepAdd);
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    Spinner *spinner() const { return static_cast<Spinner *>(widget()); }
};

QAccessibleInterface *accessibleSpinner(const QString &className, QObject *object)
{
    if (className == QLatin1String(Spinner::staticMetaObject.className()))
        return new AccessibleSpinner(static_cast<Spinner *>(object));
    return nullptr;
}

} // namespace

Spinner::Spinner(int minimum, int maximum, int value, int step, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(accessibleSpinner), true);
    setRange(minimum, maximum);
    setSingleStep(step);
    setPageStep(step);
    setValue(value);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &Spinner::turnAround);
}

int Spinner::shownCount() const
{
    bool number = false;
    const int count = m_countLabel ? m_countLabel->text().toInt(&number) : 0;
    return number ? count : value();
}

// A vertical scroll bar counts downwards (its upper arrow subtracts). The action has already moved
// the slider position but not yet the value, so the position can be set to the opposite step here.
void Spinner::turnAround(int action)
{
    switch (action) {
    case SliderSingleStepAdd:
    case SliderPageStepAdd:
        setSliderPosition(value() - singleStep());
        break;
    case SliderSingleStepSub:
    case SliderPageStepSub:
        setSliderPosition(value() + singleStep());
        break;
    default:
        break;
    }
}

} // namespace orvika
