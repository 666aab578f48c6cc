#pragma once

#include "ui/spinner.h"

#include <QRect>
#include <QStyle>
#include <QStyleOptionSlider>

namespace orvika::test {

// Where the style draws one of the spinner's arrow buttons (SC_ScrollBarSubLine or SC_ScrollBarAddLine).
inline QRect spinnerArrowRect(const Spinner *spinner, QStyle::SubControl which)
{
    QStyleOptionSlider option;
    option.initFrom(spinner);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = spinner->orientation();
    option.minimum = spinner->minimum();
    option.maximum = spinner->maximum();
    option.sliderPosition = spinner->sliderPosition();
    option.sliderValue = spinner->value();
    option.singleStep = spinner->singleStep();
    option.pageStep = spinner->pageStep();
    option.upsideDown = spinner->invertedAppearance();
    return spinner->style()->subControlRect(QStyle::CC_ScrollBar, &option, which, spinner);
}

} // namespace orvika::test
