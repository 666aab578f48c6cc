#include "spinner_arrows.h"
#include "ui/spinner.h"

#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// A spinner on a window of its own, the size it has on the main window (255 x 375 twips).
class SpinnerArrows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        spinner = new Spinner(5, 25, 20, 5, &host);
        spinner->setGeometry(10, 10, 17, 25);
        host.resize(60, 60);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QPoint arrow(QStyle::SubControl which) const
    {
        const QRect rect = spinnerArrowRect(spinner, which);
        EXPECT_FALSE(rect.isEmpty());
        return rect.center();
    }

    void click(QStyle::SubControl which) { QTest::mouseClick(spinner, Qt::LeftButton, {}, arrow(which)); }

    QWidget host;
    Spinner *spinner = nullptr;
};

TEST_F(SpinnerArrows, UpperArrowIsAboveTheLowerOne)
{
    EXPECT_LT(arrow(QStyle::SC_ScrollBarSubLine).y(), arrow(QStyle::SC_ScrollBarAddLine).y());
}

TEST_F(SpinnerArrows, UpperArrowIncreasesByTheStep)
{
    QSignalSpy changes(spinner, &QAbstractSlider::valueChanged);
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(spinner->value(), 25);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 25);
    click(QStyle::SC_ScrollBarSubLine); // at the maximum already
    EXPECT_EQ(spinner->value(), 25);
    EXPECT_EQ(changes.size(), 1);
}

TEST_F(SpinnerArrows, LowerArrowDecreasesDownToTheMinimum)
{
    for (int value : {15, 10, 5, 5}) {
        click(QStyle::SC_ScrollBarAddLine);
        EXPECT_EQ(spinner->value(), value);
    }
}

TEST_F(SpinnerArrows, UpAndDownKeysFollowTheArrows)
{
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    spinner->setFocus();
    QTest::keyClick(spinner, Qt::Key_Down);
    EXPECT_EQ(spinner->value(), 15);
    QTest::keyClick(spinner, Qt::Key_Up);
    EXPECT_EQ(spinner->value(), 20);
}

TEST_F(SpinnerArrows, DisabledSpinnerIgnoresClicksButTakesValuesFromTheProgram)
{
    spinner->setEnabled(false);
    QSignalSpy changes(spinner, &QAbstractSlider::valueChanged);
    click(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(spinner->value(), 20);
    spinner->setValue(10);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 10);
    spinner->setValue(10); // the same value again changes nothing
    EXPECT_EQ(changes.size(), 1);
    spinner->setValue(99); // kept within the range
    EXPECT_EQ(spinner->value(), 25);
}

} // namespace
} // namespace orvika::test
