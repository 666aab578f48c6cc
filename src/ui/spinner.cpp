#include "ui/spinner.h"

namespace orvika {

Spinner::Spinner(int minimum, int maximum, int value, int step, QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setPageStep(step);
    setValue(value);
}

} // namespace orvika
