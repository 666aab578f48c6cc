#include "ui/report_loader.h"

#include "catalogue/software_entry.h"
#include "report/report_file.h"
#include "report/report_parser.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace orvika {
namespace {

// The state a load starts from: the requirement boxes clear, the reserve at its lowest step, the
// lists empty and the source counters, flags and selection totals as the source list's own clearing
// leaves them, so a load gives the same window whatever the window held before. Option buttons,
// TxtP and the pickers stay as they are.
void resetForLoad(MainWindow &w)
{
    for (QCheckBox *box : {w.Check4, w.Check3, w.Check5, w.Check6, w.Check1, w.Check2, w.ChkBR, w.ChkAtt,
                           w.ChkBL, w.ChkPD, w.ChkRP, w.ChkRU, w.ChkZP})
        box->setChecked(false);
    w.VSZP->setValue(5);
    w.state().zoneListCount = 0;
    w.ОчистСпиВх(); // empties List1 too
    w.List2->clear();
    w.List3->clear();
}

// The requirement check box a report line ticks, by its name.
QCheckBox *checkBoxNamed(MainWindow &w, const QString &name)
{
    for (QCheckBox *box : {w.Check4, w.Check3, w.Check5, w.Check6, w.Check1, w.Check2, w.ChkBR, w.ChkAtt,
                           w.ChkBL, w.ChkPD, w.ChkRP, w.ChkRU, w.ChkZP}) {
        if (box->objectName() == name)
            return box;
    }
    return nullptr;
}

int countItems(const QComboBox *picker, const QString &name)
{
    int count = 0;
    for (int i = 0; i < picker->count(); ++i)
        count += picker->itemText(i) == name ? 1 : 0;
    return count;
}

// A source line registers once for every picker entry of its name, as an addition from that row would.
void registerSource(MainWindow &w, const LoadAction &action)
{
    w.List1->addItem(action.text);
    for (int i = countItems(w.CmbMC, action.name); i > 0; --i)
        w.state().micCount += action.quantity;

    const bool software = isSoftwareEntry(action.name);
    const int alarmEntries = countItems(w.CmbAL, action.name);
    const int musicEntries = countItems(w.CmbMZ, action.name);
    if (software && w.state().softwareAdded && alarmEntries + musicEntries > 0) {
        // A second control software is refused as the music row refuses a user's second one: its line
        // stays, the message is shown once and nothing is counted. The message-block row registers
        // no second entry at all, so it must not take this one silently either.
        w.ДобМузБл(action.name, action.quantity);
    } else {
        for (int i = alarmEntries; i > 0; --i)
            w.ДобАварБл(action.name, action.quantity);
        for (int i = musicEntries; i > 0; --i) {
            // Control software listed in both rows, or twice in one, is registered once by its line.
            if (software && w.state().softwareAdded)
                break;
            w.ДобМузБл(action.name, action.quantity);
        }
    }

    for (int i = countItems(w.CmbRM, action.name); i > 0; --i)
        w.ДобКонс();
}

void apply(MainWindow &w, const LoadAction &action)
{
    switch (action.kind) {
    case LoadAction::Kind::Tick:
        if (QCheckBox *box = checkBoxNamed(w, action.control))
            box->setChecked(true);
        break;
    case LoadAction::Kind::SetZoneCount:
        w.ppkz(static_cast<std::int16_t>(action.number));
        break;
    case LoadAction::Kind::SetChannelCount:
        w.ppkk(static_cast<std::int16_t>(action.number));
        break;
    case LoadAction::Kind::SelectTotalPower:
        w.Opt1->setChecked(true);
        break;
    case LoadAction::Kind::SetTotalPowerText:
        w.TxtP->setText(action.text);
        break;
    case LoadAction::Kind::SetReserve:
        w.VSZP->setValue(action.number);
        break;
    case LoadAction::Kind::SelectPerZone:
        w.Opt2->setChecked(true);
        break;
    case LoadAction::Kind::AddZoneLine:
        w.List2->addItem(action.text);
        ++w.state().zoneListCount;
        break;
    case LoadAction::Kind::AddSourceLine:
        registerSource(w, action);
        break;
    }
}

void replayReportLines(MainWindow &window, const QStringList &lines);

} // namespace

bool loadReport(MainWindow &window, const QString &path, QWidget *messageParent)
{
    QWidget *const parent = messageParent != nullptr ? messageParent : &window;
    resetForLoad(window);
    QString failure;
    const std::optional<QStringList> lines = readReportLines(path, &failure);
    if (!lines) {
        window.dialogs().message(parent, failure);
        return false;
    }
    replayReportLines(window, *lines);
    return true;
}

void loadReportLines(MainWindow &window, const QStringList &lines)
{
    resetForLoad(window);
    replayReportLines(window, lines);
}

namespace {

void replayReportLines(MainWindow &window, const QStringList &lines)
{
    // A fresh parser: no source section left open by an earlier, cut-off report.
    ReportLineParser parser;
    parser.startLoad();
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        for (const LoadAction &action : parser.parseLine(line))
            apply(window, action);
    }
}

} // namespace

} // namespace orvika
