#pragma once

#include "app/shared_state.h"
#include "comparison/report_comparison.h"
#include "ui/dialogs.h"

#include <QStringList>
#include <memory>

namespace orvika {

class MainWindow;

struct RecheckOutcome
{
    QString error;         // set when the file could not be read, is no report, or no longer composes
    SavedReport stored;    // as the file holds it
    SavedReport composed;  // composed again with today's catalogue
    Comparison comparison; // stored (A) against composed (B)

    bool unchanged() const { return error.isEmpty() && comparison.count() == 0; }
    // "без изменений", "изменилось (N)" or "ошибка: …".
    QString verdict() const;
};

// Composes saved reports again with today's catalogue, through a main window of its own that is
// never shown: the report is loaded as "Загрузить спецификацию" loads it, then the two choices the
// load leaves alone are taken from the report too — the line control from its requirement line and
// the amplifier reserve unit from its proposal line — and the calculation runs without writing the
// report. One window serves every file.
class ReportRechecker
{
public:
    // The catalogue and the block-diagram library are taken from a started program's state.
    explicit ReportRechecker(const SharedState &started);
    ~ReportRechecker();

    RecheckOutcome recheck(const QString &path);

private:
    SharedState m_state;
    KeptDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace orvika
