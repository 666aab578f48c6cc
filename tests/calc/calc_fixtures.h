#pragma once

#include "calc/calculation_state.h"
#include "catalogue/catalogue.h"

#include <QLocale>
#include <QString>

// Small catalogues built in the tests: each unit gets its catalogue line "name#draw%height&CODE" so the
// accounting finds its figures, and its record in the category table.
namespace orvika::testing {

inline Catalogue emptyCatalogue()
{
    Catalogue catalogue;
    catalogue.numberLocale = QLocale::c();
    return catalogue;
}

inline void addUnitLine(Catalogue &catalogue, const QString &name, int draw, int height, const QString &code)
{
    catalogue.lines.append(name + u'#' + QString::number(draw) + u'%' + QString::number(height) + u'&' +
                           code);
}

inline void addAmplifier(Catalogue &catalogue, const QString &name, std::int32_t power,
                         const QString &descriptor, int draw = 0, int height = 0)
{
    addUnitLine(catalogue, name, draw, height, QStringLiteral("AMP*") + descriptor);
    catalogue.amplifiers.append({name, power, descriptor});
}

inline void addPreamp(Catalogue &catalogue, const QString &name, const QString &descriptor, int draw = 0,
                      int height = 0)
{
    addUnitLine(catalogue, name, draw, height, QStringLiteral("PRED*") + descriptor);
    catalogue.preamps.append({name, descriptor});
}

inline void addSelector(Catalogue &catalogue, const QString &name, std::int32_t capacity, int draw = 0,
                        int height = 0)
{
    addUnitLine(catalogue, name, draw, height, QStringLiteral("SZ//") + QString::number(capacity));
    catalogue.selectors.append({name, capacity});
}

// The names of the example amplifiers and of the distribution block, shared by the tests.
inline const QString A120 = QStringLiteral("K-4012 Усилитель (120)");
inline const QString A240 = QStringLiteral("K-4024 Усилитель (240)");
inline const QString A500 = QStringLiteral("K-4050 Усилитель (500)");
inline const QString A1500 = QStringLiteral("K-4150 Усилитель (1500)");
inline const QString Bl = QStringLiteral("K-3650 Блок распределения");

// The four amplifiers of the worked examples: 120, 240, 500 and 1500 W, in this order. Their inputs
// serve no source, so that the input checks are left to the preamplifiers.
inline void addExampleAmplifiers(Catalogue &catalogue,
                                 const QString &descriptor = QStringLiteral("1|0+0/0//1"))
{
    addAmplifier(catalogue, A120, 120, descriptor, 200, 2);
    addAmplifier(catalogue, A240, 240, descriptor, 350, 2);
    addAmplifier(catalogue, A500, 500, descriptor, 700, 3);
    addAmplifier(catalogue, A1500, 1500, descriptor, 2000, 4);
}

// A state as the driver leaves it before the amplifier choice.
inline CalculationState stateFor(double totalPower, std::int32_t channels = 1)
{
    CalculationState state;
    state.totalPower = totalPower;
    state.channelCount = channels;
    return state;
}

} // namespace orvika::testing
