#pragma once

#include "ui/data_folder.h"

#include <QString>
#include <QStringList>

// The small catalogue the tests of the window's rules start from.
namespace orvika::test {

// Names of the test catalogue's units, as the pickers list them.
namespace unit {
inline const QString DeskMicrophone = QStringLiteral("K-100 Микрофон настольный"); // MC  3 W 0 U
inline const QString HandMicrophone = QStringLiteral("K-101 Микрофон ручной");     // MC  2 W 0 U
inline const QString MessageBlock = QStringLiteral("K-200 Блок сообщений");        // AL 20 W 1 U
inline const QString SoftwareAL = QStringLiteral("ZEP-60 Программа управления");   // AL software, 60 zones
inline const QString Tuner = QStringLiteral("K-300 Тюнер");                        // MZ 15 W 1 U
inline const QString Player = QStringLiteral("K-301 Проигрыватель");               // MZ 25 W 2 U
inline const QString SoftwareMZ = QStringLiteral("ZEP-24 Программа");              // MZ software, 24 zones
inline const QString LowerCaseZep = QStringLiteral("zep-30 Плеер");             // MZ  7 W 1 U, not software
inline const QString Console = QStringLiteral("K-400 Консоль");                 // RM 10 W 1 U
inline const QString ConsoleAdapter = QStringLiteral("K-410 Адаптер консолей"); // AS
inline const QString ReserveUnit = QStringLiteral("K-500 Блок резерва");        // BR
inline const QString BigReserveUnit = QStringLiteral("K-501 Блок резерва большой"); // BR
} // namespace unit

// 59 lines, a model line first, 29 model lines: what the catalogue reader accepts.
inline QStringList testCatalogueLines()
{
    const QStringList lines = {
        unit::DeskMicrophone + QStringLiteral("#3%0&MC"), unit::HandMicrophone + QStringLiteral("#2%0&MC"),
        unit::MessageBlock + QStringLiteral("#20%1&AL"),  unit::SoftwareAL + QStringLiteral("#0%0&AL"),
        unit::Tuner + QStringLiteral("#15%1&MZ"),         unit::Player + QStringLiteral("#25%2&MZ"),
        unit::SoftwareMZ + QStringLiteral("#0%0&MZ"),     unit::LowerCaseZep + QStringLiteral("#7%1&MZ"),
        unit::Console + QStringLiteral("#10%1&RM"),       unit::ConsoleAdapter + QStringLiteral("#12%1&AS"),
        unit::ReserveUnit + QStringLiteral("#40%2&BR"),   unit::BigReserveUnit + QStringLiteral("#60%3&BR"),
    };
    return padCatalogue(lines, QStringLiteral("K-9%1 Изделие#1%1&"), 10);
}

} // namespace orvika::test
