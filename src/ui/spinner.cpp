#include "ui/spinner.h"

namespace orvika {

Spinner::Spinner(int minimum, int maximum, int value, int step, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setPageStep(step);
    setValue(value);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &Spinner::turnAround);
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
