#pragma once

#include "calc/requirements.h"

#include <QString>
#include <QStringList>
#include <array>

// The controls of the main window as plain values: what each one shows and whether it answers the
// user. The window draws them; the rules change them.
namespace orvika {

// The check boxes, each a requirement.
enum class CheckBoxId {
    Check4,
    Check3,
    Check5,
    Check6,
    Check1,
    Check2,
    ChkZP,
    ChkBR,
    ChkAtt,
    ChkBL,
    ChkPD,
    ChkRP,
    ChkRU
};
inline constexpr int CheckBoxCount = 13;

// The counters: a spinner and the label beside it that shows the count.
enum class CounterId { VSMC, VSAL, VSMZ, VSRM, VSKZ, VSCH, VSZP };
inline constexpr int CounterCount = 7;

// The pickers of catalogue units: an editable list that shows its prompt until a unit is picked.
enum class PickerId { CmbMC, CmbAL, CmbMZ, CmbRM, CmbBR };
inline constexpr int PickerCount = 5;

// The push buttons whose rules the model runs ("Завершить  работу" only closes the window).
enum class ButtonId { CmdMC, CmdAL, CmdMZ, CmdRM, CmdAdd, CmdDl, CmdUs, Command2 };
inline constexpr int ButtonCount = 8;

// A spinner's value is bounded by its range, as a scroll bar's is; the label shows the count the
// user sees, which a loaded report may set without the spinner.
struct CounterState
{
    int minimum = 1;
    int maximum = 1;
    int step = 1;
    int value = 1;
    bool enabled = false;
    QString shown;

    int bounded(int wanted) const { return wanted < minimum ? minimum : wanted > maximum ? maximum : wanted; }
};

struct PickerState
{
    QStringList items;
    QString prompt; // the text shown until a unit is picked
    QString text;   // the text in its edit field: a picked item, typed text or the prompt
    bool enabled = false;
};

struct TextFieldState
{
    QString text;
    bool enabled = false;
};

// A list of lines. clearings counts the times it was emptied, so a view that shows it knows when to
// start again rather than add to what it shows.
struct ListState
{
    QStringList items;
    QStringList toolTips; // one for each item, or none
    int clearings = 0;

    void clear()
    {
        items.clear();
        toolTips.clear();
        ++clearings;
    }
};

// The state of the main window's controls but its lists, as the rules leave it and as the window
// last showed it.
struct ControlStates
{
    std::array<bool, CheckBoxCount> ticked{};
    std::array<CounterState, CounterCount> counters{};
    std::array<PickerState, PickerCount> pickers{};
    std::array<bool, ButtonCount> buttons{};     // enabled
    PowerMode powerMode = PowerMode::None;       // Opt1 / Opt2 / neither
    LineControl lineControl = LineControl::None; // OptR / OptA / Option1
    TextFieldState totalPower;                   // TxtP
};

} // namespace orvika
