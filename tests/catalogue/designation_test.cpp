#include "catalogue/designation.h"

#include <gtest/gtest.h>

// A model code is a first word that holds a digit; a designation without one is its name alone.
namespace orvika {
namespace {

TEST(Designation, TheModelCodeIsAFirstWordWithADigit)
{
    const struct
    {
        const char *designation, *model, *name;
    } cases[] = {
        {"K-3110 Селектор зон на 10 линий до 500 Вт", "K-3110", "Селектор зон на 10 линий до 500 Вт"},
        {"K3290 Контроллер", "K3290", "Контроллер"},
        {"ZEP-20 Программное обеспечение на 20 зон", "ZEP-20", "Программное обеспечение на 20 зон"},
        {"  K-3820   Громкоговоритель 6 Вт ", "K-3820", "Громкоговоритель 6 Вт"},
        {"K-3110", "K-3110", ""},
        {"Блок вентиляторов", "", "Блок вентиляторов"},
        {"Микрофон-гарнитура", "", "Микрофон-гарнитура"},
        {"Шкаф напольный 42U", "", "Шкаф напольный 42U"}, // a digit further on is no code
        {"  Блок  питания ", "", "Блок  питания"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        const QString designation = QString::fromUtf8(c.designation);
        EXPECT_EQ(modelOf(designation), QString::fromUtf8(c.model)) << c.designation;
        EXPECT_EQ(unitName(designation), QString::fromUtf8(c.name)) << c.designation;
    }
}

} // namespace
} // namespace orvika
