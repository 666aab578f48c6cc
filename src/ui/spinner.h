#pragma once

#include <QScrollBar>

namespace orvika {

// A small vertical scroll bar of which only the two arrows show; its value is shown in the count
// label beside it. The upper arrow (and the Up key) increases the value, as a counter is expected
// to; setValue() from the program emits valueChanged() whether the spinner is enabled or not.
class Spinner : public QScrollBar
{
    Q_OBJECT
public:
    Spinner(int minimum, int maximum, int value, int step, QWidget *parent);

private:
    void turnAround(int action);
};

} // namespace orvika
