#pragma once

#include "calc/calculation.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/scheme_library.h"
#include "documents/document_content.h"
#include "files/text_file.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// Documents of calculations over the bundled catalogue, and the tools that read them back.
namespace orvika::test {

inline const QString DataDir = QStringLiteral(ORVIKA_SOURCE_DIR "/data");
inline const QDate DocumentDate(2026, 12, 7);

inline Catalogue bundledCatalogue()
{
    const TextReadResult file = readTextFile(DataDir + QStringLiteral("/Base/Base-Date"));
    return parseCatalogue(file.lines, QLocale::c()).value_or(Catalogue{});
}

// A microphone, a message block and a radio, 12 zones of 1000 W in all, every option.
inline Requirements everyOption()
{
    Requirements r;
    r.automatic = true;
    r.music = true;
    r.multiZone = true;
    r.zoneCount = 12;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("1000");
    r.lineControl = LineControl::Automatic;
    r.attenuatorControl = true;
    r.fans = true;
    r.automaticPowerOn = true;
    r.powerSupplyReserve = true;
    r.cabinet = true;
    r.sourceLines = {QStringLiteral("K-3262 Блок речевых сообщений на 16 сообщений - 1 шт."),
                     QStringLiteral("K-3286 Радиоприёмник трансляционный - 2 шт.")};
    r.alarmBlockCount = 1;
    r.musicSourceCount = 2;
    r.selectionTotals = {3, 45, 3};
    return r;
}

// 160 zones of 20 W in 8 channels, every option: the largest installation the window takes.
inline Requirements largestInstallation()
{
    Requirements r;
    r.multiZone = true;
    r.zoneCount = 160;
    r.multiChannel = true;
    r.channelCount = 8;
    r.powerMode = PowerMode::PerZone;
    for (int zone = 1; zone <= 160; ++zone)
        r.zoneLines.append(QStringLiteral("Зона %1 - 20 Вт").arg(zone));
    r.zoneListCount = 160;
    r.powerReserve = true;
    r.reservePercentText = QStringLiteral("20");
    r.lineControl = LineControl::Automatic;
    r.amplifierReserve = true;
    r.reserveUnitText = QStringLiteral("K-3240 Блок переключения на резервный усилитель");
    r.attenuatorControl = true;
    r.automaticPowerOn = true;
    r.powerSupplyReserve = true;
    r.cabinet = true;
    r.sourceLines = {QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок - 1 шт."),
                     QStringLiteral("K-3280 Проигрыватель компакт-дисков с радиоприёмником - 1 шт."),
                     QStringLiteral("ZEP-60 Программа управления системой оповещения на 60 зон - 1 шт.")};
    r.alarmBlockCount = 1;
    r.musicSourceCount = 2;
    r.softwareAdded = true;
    r.softwareNumber = 60;
    r.selectionTotals = {3, 30, 2};
    return r;
}

inline DocumentContent documentOf(const Requirements &requirements)
{
    const Catalogue catalogue = bundledCatalogue();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    return composeDocument(catalogue, requirements, proposal, DocumentDate, QLocale::c());
}

// What a command printed, or the empty text when it could not run or failed.
inline QByteArray outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace orvika::test
