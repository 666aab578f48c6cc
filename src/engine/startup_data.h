#pragma once

#include "engine/shared_state.h"

#include <QLocale>
#include <QString>

namespace orvika {

class DialogSeam;

// Start-up short of the window: reads the catalogue and the block-diagram library found under
// appDir/Base, tells what could not be read and sets the start values. False when the catalogue is
// damaged or missing: the program then ends.
bool readStartUpData(SharedState &state, DialogSeam &dialogs, const QString &appDir, const QLocale &locale);

} // namespace orvika
