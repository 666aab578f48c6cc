#pragma once

#include "comparison/report_comparison.h"
#include "engine/dialog_seam.h"
#include "engine/shared_state.h"

#include <QStringList>
#include <memory>

namespace orvika {

class MainWindowModel;

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

// Composes saved reports again with today's catalogue: each report is restored into a model of the
// main window's rules of its own, and the calculation runs without writing the report. One model
// serves every file.
class ReportRechecker
{
public:
    // The catalogue and the block-diagram library are taken from a started program's state.
    explicit ReportRechecker(const SharedState &started);
    ~ReportRechecker();

    RecheckOutcome recheck(const QString &path);

private:
    SharedState m_state;
    KeptMessages m_dialogs;
    std::unique_ptr<MainWindowModel> m_model;
};

} // namespace orvika
