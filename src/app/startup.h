#pragma once

#include "engine/shared_state.h"

#include <QLocale>
#include <QString>
#include <memory>

namespace orvika {

class Dialogs;
class MainWindow;

// Start-up: reads the catalogue and the block-diagram library found under appDir/Base, reports
// what could not be read, sets the start values and makes the main window (not yet shown).
// Returns null when the catalogue is damaged or missing: the program then ends without a window.
std::unique_ptr<MainWindow> startUp(SharedState &state, Dialogs &dialogs, const QString &appDir,
                                    const QLocale &locale);

} // namespace orvika
