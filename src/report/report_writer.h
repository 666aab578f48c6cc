#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvika {

inline const QString ReportFileName = QStringLiteral("Спецификация.dat");

// TotalPower in the general number format: a whole value as an integer, a fraction with at most
// 15 significant digits and the locale's decimal separator, no digit grouping.
QString formatGeneralNumber(double value, const QLocale &locale);

// The requirement line that states a line control; empty for none.
QString lineControlRequirement(LineControl control);

// The requirements as the report states them, between its heading and the first rule, blank lines
// included; totalPower is the calculation's TotalPower.
QStringList composeRequirements(const Requirements &requirements, double totalPower, const QLocale &locale);

// The lines of "Спецификация.dat" for a finished calculation, in the order of the report format.
QStringList composeReport(const Requirements &requirements, const Proposal &proposal, const QLocale &locale);

// The notation a saved report was written in, told by the decimal separator of its total power: a
// report composed again to be compared with it is written alike, on whichever desktop. The user's
// locale when the report states no fraction.
QLocale notationOfReport(const QStringList &lines, const QLocale &user);

} // namespace orvika
