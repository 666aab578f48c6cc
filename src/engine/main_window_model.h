#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "engine/controls.h"
#include "engine/shared_state.h"
#include "project/project_card.h"
#include "report/report_parser.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace orvika {

class DialogSeam;

// A complete calculation: what was required and what was proposed.
struct FinishedCalculation
{
    Requirements requirements;
    Proposal proposal;
};

// Form1 without its widgets: the state of every control of the main window and the rule each one
// runs. A setter runs its control's rule as the user's action on it would, and nothing when the
// control already holds the value. The rules do not ask whether a control is enabled: the window
// lets the user act on the enabled ones only. Messages and input boxes go through the dialog seam.
// The rules are split by concern: parameter_rules.cpp (zones, channels, options, reserve, line
// control), source_rules.cpp (the four source rows), power_rules.cpp (the load in watts and the
// clearing buttons), calculation_rules.cpp ("Составить спецификацию" and the report),
// save_as_rule.cpp, report_replay.cpp (a saved report loaded back). changed() follows every action
// that changed what the window shows.
class MainWindowModel : public QObject
{
    Q_OBJECT
public:
    MainWindowModel(SharedState &state, DialogSeam &dialogs);

    SharedState &state() { return m_state; }
    const SharedState &state() const { return m_state; }
    DialogSeam &dialogs() { return m_dialogs; }

    // What the controls show.
    const ControlStates &controls() const { return m_controls; }
    bool ticked(CheckBoxId box) const { return m_controls.ticked[index(box)]; }
    const CounterState &counter(CounterId id) const { return m_controls.counters[index(id)]; }
    const PickerState &picker(PickerId id) const { return m_controls.pickers[index(id)]; }
    bool buttonEnabled(ButtonId id) const { return m_controls.buttons[index(id)]; }
    PowerMode powerMode() const { return m_controls.powerMode; }               // Opt1 / Opt2 / neither
    LineControl lineControl() const { return m_controls.lineControl; }         // OptR / OptA / Option1
    const TextFieldState &totalPower() const { return m_controls.totalPower; } // TxtP
    const ListState &sourceList() const { return m_sourceList; }               // List1
    const ListState &zoneList() const { return m_zoneList; }                   // List2
    const ListState &proposalList() const { return m_proposalList; }           // List3

    // The calculation List3 shows, once its report is written; gone as soon as List3 shows anything
    // else (a load, a calculation that stops, a clearing). The documents are made from it.
    const std::optional<FinishedCalculation> &finishedCalculation() const { return m_finished; }

    // What the user does.
    void setTicked(CheckBoxId box, bool ticked);
    void setCounterValue(CounterId id, int value);
    void pick(PickerId id, int item);                     // an item chosen from the picker's list
    void setPickerText(PickerId id, const QString &text); // typed into the picker: decides nothing
    void setPowerMode(PowerMode mode);
    void setLineControl(LineControl control);
    void setTotalPowerText(const QString &text);
    void click(ButtonId id);
    void saveAs(); // "Сохранить как"

    // TxtP takes digits and backspace from the keyboard; other typed characters are dropped.
    static bool acceptsTypedPower(const QString &typed);

    // "Загрузить спецификацию": the requirements, counts, power, reserve, zone list and sources as
    // the saved report states them, replayed through the controls' rules. The controls are reset
    // first, also when the file then turns out unreadable. False, with a message, when it could not
    // be read.
    bool loadReport(const QString &path);
    // The same for a report whose lines were read already. A restore without the window reads every
    // listed line of the source section as a source (SourceLines::Listed).
    void loadReportLines(const QStringList &lines, SourceLines sources = SourceLines::Marked);

    // The project's card: what the documents' title blocks name. It belongs to the report and is kept
    // beside it (project_card_rules.cpp): written with the report a calculation writes, copied by
    // "Сохранить как", read back by "Загрузить спецификацию". A new card carries over the last one
    // the user filed in, read from and kept in lastCardPath.
    const ProjectCard &projectCard() const { return m_card; }
    void useLastCardFile(const QString &lastCardPath);
    // The user's card from "Сведения о проекте…": kept as the last one, and beside the report of the
    // calculation List3 shows.
    void setProjectCard(const ProjectCard &card);

    // The loudspeaker lines of the card (lines_rules.cpp): one line a zone, as many as the system has
    // zones (one when it is not multi-zone).
    int lineZoneCount() const;
    void setLoudspeakerLines(const LoudspeakerLines &lines);
    // The power the zone list holds for a zone (1-based), as the calculation will read it.
    std::optional<double> zoneListPower(int zone) const;
    // "Перенести мощности в список зон": offered when the load is given by zones and every zone's
    // line has its power.
    bool canTransferZonePowers() const;
    // The same for lines not stored yet, as a dialog edits them.
    bool canTransferZonePowers(const LoudspeakerLines &lines) const;
    // Empties the zone list as "Очистить" does, then adds each zone's power as if typed into the zone
    // dialog, with its checks and messages; stops at the first the dialog's rule refuses.
    void transferZonePowers();

    // Public procedures, called by the controls' rules and by the report replay.
    void ppkz(std::int16_t kz);
    void ppkk(std::int16_t kk);
    void ОчистСпиУс();
    void ДобАварБл(const QString &name, std::int32_t count);
    void ДобМузБл(const QString &name, std::int32_t count);
    void ДобКонс();
    void ОчистСпиВх();
    // Writes the report of the finished calculation; true when it is on disk.
    bool Pech();

    // The requirements as the controls state them now.
    Requirements gatherRequirements() const;
    // The calculation as "Составить спецификацию" runs it, short of the report: its messages shown
    // in order, the proposal in List3 with the reason of each line. Empty when it stopped.
    std::optional<FinishedCalculation> runCalculation();

signals:
    // What the controls show has changed (or may have).
    void changed();

private:
    // Every public action holds one; the outermost sends changed() when it ends.
    class Action
    {
    public:
        explicit Action(MainWindowModel &model) : m_model(model) { ++m_model.m_actionDepth; }
        ~Action();
        Action(const Action &) = delete;
        Action &operator=(const Action &) = delete;

    private:
        MainWindowModel &m_model;
    };

    template <typename Id> static constexpr std::size_t index(Id id) { return static_cast<std::size_t>(id); }
    CounterState &counterState(CounterId id) { return m_controls.counters[index(id)]; }
    PickerState &pickerState(PickerId id) { return m_controls.pickers[index(id)]; }
    void enable(ButtonId id, bool enabled) { m_controls.buttons[index(id)] = enabled; }

    // parameter_rules.cpp
    void checkBoxRule(CheckBoxId box);
    void counterRule(CounterId id);

    // source_rules.cpp
    void sourceKindRule(CheckBoxId kind);
    void pickRule(PickerId id);
    void addMicrophones();
    void addAlarmBlock();
    void addMusicSources();
    void addConsoles();
    bool accountSource(const QString &name, std::int32_t count);

    // power_rules.cpp
    void powerModeRule();
    void addZone();
    bool zoneMayBeAdded();
    bool addZoneAnswer(const QString &answer);
    void clearZones();
    void clearSources();

    // calculation_rules.cpp
    void composeSpecification();
    void clearProposal();

    // project_card_rules.cpp
    void keepCardBesideReport(const QString &reportPath);
    void copyCardWithReport(const QString &sourceReport, const QString &targetReport);
    void restoreCardOfReport(const QString &reportPath);

    // report_replay.cpp
    void resetForLoad();
    void replayReportLines(const QStringList &lines, SourceLines sources);
    friend struct ReportReplay;

    SharedState &m_state;
    DialogSeam &m_dialogs;

    ControlStates m_controls;
    ListState m_sourceList, m_zoneList, m_proposalList;
    std::optional<FinishedCalculation> m_finished;
    ProjectCard m_card;
    ProjectCard m_lastCard;
    QString m_lastCardPath;

    int m_actionDepth = 0;
};

} // namespace orvika
