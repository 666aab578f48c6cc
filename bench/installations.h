#pragma once

#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_reader.h"
#include "files/text_file.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

// The installations the benchmarks measure, over the bundled catalogue.
namespace bench {

inline const QString DataDir = QStringLiteral(ORVIKA_SOURCE_DIR "/data");

inline orvika::Catalogue bundledCatalogue()
{
    const orvika::TextReadResult file = orvika::readTextFile(DataDir + QStringLiteral("/Base/Base-Date"));
    auto catalogue = file.errorCode ? std::nullopt : orvika::parseCatalogue(file.lines, QLocale::c());
    if (!catalogue) {
        std::fprintf(stderr, "the bundled catalogue cannot be read\n");
        std::exit(1);
    }
    return *catalogue;
}

// A microphone and a message block for 300 W in one zone.
inline orvika::Requirements smallInstallation()
{
    orvika::Requirements requirements;
    requirements.semiAutomatic = true;
    requirements.automatic = true;
    requirements.sourceLines = {QStringLiteral("K-3122 Микрофон настольный на гибкой стойке - 1 шт."),
                                QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения - 1 шт.")};
    requirements.micCount = 1;
    requirements.alarmBlockCount = 1;
    requirements.powerMode = orvika::PowerMode::Total;
    requirements.totalPowerText = QStringLiteral("300");
    requirements.selectionTotals = {2, 22, 1};
    return requirements;
}

// 160 zones of 300 W each with a reserve, 8 channels, every source kind and every option.
inline orvika::Requirements largeInstallation()
{
    orvika::Requirements requirements;
    requirements.semiAutomatic = requirements.automatic = requirements.music = requirements.remoteConsole =
        true;
    requirements.multiZone = true;
    requirements.zoneCount = 160;
    requirements.multiChannel = true;
    requirements.channelCount = 8;
    requirements.powerMode = orvika::PowerMode::PerZone;
    for (int zone = 1; zone <= 160; ++zone)
        requirements.zoneLines.append(QStringLiteral("Зона %1 - 300 Вт").arg(zone));
    requirements.zoneListCount = 160;
    requirements.powerReserve = true;
    requirements.reservePercentText = QStringLiteral("20");
    requirements.lineControl = orvika::LineControl::Automatic;
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QStringLiteral("K-3240 Блок переключения на резервный усилитель");
    requirements.attenuatorControl = true;
    requirements.fans = true;
    requirements.automaticPowerOn = true;
    requirements.powerSupplyReserve = true;
    requirements.cabinet = true;
    requirements.sourceLines = {
        QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок - 1 шт."),
        QStringLiteral("K-3122 Микрофон настольный на гибкой стойке - 2 шт."),
        QStringLiteral("K-3262 Блок речевых сообщений на 16 сообщений - 2 шт."),
        QStringLiteral("K-3280 Проигрыватель компакт-дисков с радиоприёмником - 1 шт."),
        QStringLiteral("K-3284 Проигрыватель компакт-дисков - 2 шт."),
        QStringLiteral("ZEP-60 Программа управления системой оповещения на 60 зон - 1 шт."),
        QStringLiteral("K-3142 Консоль микрофонная выносная на 20 зон с клавиатурой - 2 шт."),
        QStringLiteral("K-3125 Блок подключения микрофонных панелей - 1 шт.")};
    requirements.micCount = 1;
    requirements.alarmBlockCount = 2;
    requirements.musicSourceCount = 4;
    requirements.softwareAdded = true;
    requirements.softwareNumber = 60;
    requirements.selectionTotals = {5, 110, 5};
    return requirements;
}

} // namespace bench
