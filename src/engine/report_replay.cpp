#include "catalogue/software_entry.h"
#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "report/report_file.h"
#include "report/report_parser.h"

// A saved report loaded back through the controls' own rules and the public procedures, so the
// requirements, counts, power, reserve, zone list and sources come back as the user had set them.
namespace orvika {
namespace {

// The requirement boxes in the order a load clears them, with the names report lines tick them by.
struct NamedBox
{
    CheckBoxId id;
    QLatin1StringView name;
};

constexpr NamedBox RequirementBoxes[] = {
    {CheckBoxId::Check4, QLatin1StringView("Check4")}, {CheckBoxId::Check3, QLatin1StringView("Check3")},
    {CheckBoxId::Check5, QLatin1StringView("Check5")}, {CheckBoxId::Check6, QLatin1StringView("Check6")},
    {CheckBoxId::Check1, QLatin1StringView("Check1")}, {CheckBoxId::Check2, QLatin1StringView("Check2")},
    {CheckBoxId::ChkBR, QLatin1StringView("ChkBR")},   {CheckBoxId::ChkAtt, QLatin1StringView("ChkAtt")},
    {CheckBoxId::ChkBL, QLatin1StringView("ChkBL")},   {CheckBoxId::ChkPD, QLatin1StringView("ChkPD")},
    {CheckBoxId::ChkRP, QLatin1StringView("ChkRP")},   {CheckBoxId::ChkRU, QLatin1StringView("ChkRU")},
    {CheckBoxId::ChkZP, QLatin1StringView("ChkZP")},
};

int countItems(const PickerState &picker, const QString &name)
{
    return int(picker.items.count(name));
}

} // namespace

// The replay of one report line's actions, with access to the model's controls.
struct ReportReplay
{
    MainWindowModel &m;

    // A source line registers once for every picker entry of its name, as an addition from that row
    // would.
    void registerSource(const LoadAction &action)
    {
        m.m_sourceList.items.append(action.text);
        SharedState &state = m.m_state;
        for (int i = countItems(m.picker(PickerId::CmbMC), action.name); i > 0; --i)
            state.micCount += action.quantity;

        const bool software = isSoftwareEntry(action.name);
        const int alarmEntries = countItems(m.picker(PickerId::CmbAL), action.name);
        const int musicEntries = countItems(m.picker(PickerId::CmbMZ), action.name);
        if (software && state.softwareAdded && alarmEntries + musicEntries > 0) {
            // A second control software is refused as the music row refuses a user's second one: its
            // line stays, the message is shown once and nothing is counted. The message-block row
            // registers no second entry at all, so it must not take this one silently either.
            m.ДобМузБл(action.name, action.quantity);
        } else {
            for (int i = alarmEntries; i > 0; --i)
                m.ДобАварБл(action.name, action.quantity);
            for (int i = musicEntries; i > 0; --i) {
                // Control software listed in both rows, or twice in one, is registered once by its line.
                if (software && state.softwareAdded)
                    break;
                m.ДобМузБл(action.name, action.quantity);
            }
        }

        for (int i = countItems(m.picker(PickerId::CmbRM), action.name); i > 0; --i)
            m.ДобКонс();
    }

    void apply(const LoadAction &action)
    {
        switch (action.kind) {
        case LoadAction::Kind::Tick:
            for (const NamedBox &box : RequirementBoxes) {
                if (box.name == action.control)
                    m.setTicked(box.id, true);
            }
            break;
        case LoadAction::Kind::SetZoneCount:
            m.ppkz(static_cast<std::int16_t>(action.number));
            break;
        case LoadAction::Kind::SetChannelCount:
            m.ppkk(static_cast<std::int16_t>(action.number));
            break;
        case LoadAction::Kind::SelectTotalPower:
            m.setPowerMode(PowerMode::Total);
            break;
        case LoadAction::Kind::SetTotalPowerText:
            m.setTotalPowerText(action.text);
            break;
        case LoadAction::Kind::SetReserve:
            m.setCounterValue(CounterId::VSZP, action.number);
            break;
        case LoadAction::Kind::SelectPerZone:
            m.setPowerMode(PowerMode::PerZone);
            break;
        case LoadAction::Kind::AddZoneLine:
            m.m_zoneList.items.append(action.text);
            ++m.m_state.zoneListCount;
            break;
        case LoadAction::Kind::AddSourceLine:
            registerSource(action);
            break;
        }
    }
};

// The state a load starts from: the requirement boxes clear, the reserve at its lowest step, the
// lists empty and the source counters, flags and selection totals as the source list's own clearing
// leaves them, so a load gives the same window whatever the window held before. Option buttons,
// TxtP and the pickers stay as they are.
void MainWindowModel::resetForLoad()
{
    for (const NamedBox &box : RequirementBoxes)
        setTicked(box.id, false);
    setCounterValue(CounterId::VSZP, 5);
    m_state.zoneListCount = 0;
    ОчистСпиВх(); // empties List1 too
    m_zoneList.clear();
    clearProposal();
}

void MainWindowModel::replayReportLines(const QStringList &lines, SourceLines sources)
{
    // A fresh parser: no source section left open by an earlier, cut-off report.
    ReportLineParser parser(sources);
    parser.startLoad();
    ReportReplay replay{*this};
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        for (const LoadAction &action : parser.parseLine(line))
            replay.apply(action);
    }
}

bool MainWindowModel::loadReport(const QString &path)
{
    const Action action(*this);
    resetForLoad();
    QString failure;
    const std::optional<QStringList> lines = readReportLines(path, &failure);
    if (!lines) {
        m_dialogs.message(failure);
        return false;
    }
    replayReportLines(*lines, SourceLines::Marked);
    restoreCardOfReport(path);
    return true;
}

void MainWindowModel::loadReportLines(const QStringList &lines, SourceLines sources)
{
    const Action action(*this);
    resetForLoad();
    replayReportLines(lines, sources);
}

} // namespace orvika
