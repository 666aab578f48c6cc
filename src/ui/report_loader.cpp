#include "ui/report_loader.h"

#include "catalogue/text_file.h"
#include "report/report_parser.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace orvika {
namespace {

// A report is a few kilobytes; anything far larger is not one and is refused instead of read.
constexpr qint64 LargestReadableFile = 4 * 1024 * 1024;

// The state a load starts from: the requirement boxes clear, the reserve at its lowest step, the
// lists and the source state empty. Option buttons, TxtP and the pickers stay as they are.
void resetForLoad(MainWindow &w)
{
    for (QCheckBox *box : {w.Check4, w.Check3, w.Check5, w.Check6, w.Check1, w.Check2, w.ChkBR, w.ChkAtt,
                           w.ChkBL, w.ChkPD, w.ChkRP, w.ChkRU, w.ChkZP})
        box->setChecked(false);
    w.VSZP->setValue(5);
    w.ОчистСпиВх();
    w.state().zoneListCount = 0;
    w.List1->clear();
    w.List2->clear();
    w.List3->clear();
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
    for (int i = countItems(w.CmbAL, action.name); i > 0; --i)
        w.ДобАварБл(action.name, action.quantity);
    for (int i = countItems(w.CmbMZ, action.name); i > 0; --i)
        w.ДобМузБл(action.name, action.quantity);
    for (int i = countItems(w.CmbRM, action.name); i > 0; --i)
        w.ДобКонс();
}

void apply(MainWindow &w, const LoadAction &action)
{
    switch (action.kind) {
    case LoadAction::Kind::Tick:
        if (auto *box = w.findChild<QCheckBox *>(action.control))
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

} // namespace

void loadReport(MainWindow &window, const QString &path)
{
    resetForLoad(window);
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).size() > LargestReadableFile) {
        window.dialogs().message(&window, QStringLiteral("Ошибка открытия файла ") + name);
        return;
    }
    const TextReadResult file = readTextFile(path);
    if (file.errorCode) {
        window.dialogs().message(&window, QStringLiteral("Ошибка открытия файла ") + name + u' ' +
                                              QString::number(*file.errorCode));
        return;
    }
    ReportLineParser parser;
    parser.startLoad();
    for (const QString &line : file.lines) {
        if (line.isEmpty())
            continue;
        for (const LoadAction &action : parser.parseLine(line))
            apply(window, action);
    }
}

} // namespace orvika
