#pragma once

#include <QScrollBar>

namespace orvika {

// A small vertical scroll bar of which only the two arrows show; its value is shown in the count
// label beside it. The upper arrow increases the value.
class Spinner : public QScrollBar
{
    Q_OBJECT
public:
    Spinner(int minimum, int maximum, int value, int step, QWidget *parent);
};

} // namespace orvika
