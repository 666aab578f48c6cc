#pragma once

#include <QScrollBar>

class QLabel;

namespace orvika {

// A small vertical scroll bar of which only the two arrows show; its value is shown in the count
// label beside it. The upper arrow (and the Up key) increases the value, as a counter is expected
// to; setValue() from the program emits valueChanged() whether the spinner is enabled or not.
// Assistive technology is told of a spin box whose value is the count the label shows.
class Spinner : public QScrollBar
{
    Q_OBJECT
public:
    Spinner(int minimum, int maximum, int value, int step, QWidget *parent);

    // The label that shows the count. A loaded report sets some labels without their spinners, so
    // the label, not the value, is the count the user sees.
    void setCountLabel(QLabel *label) { m_countLabel = label; }
    int shownCount() const;

private:
    void turnAround(int action);

    QLabel *m_countLabel = nullptr;
};

} // namespace orvika
