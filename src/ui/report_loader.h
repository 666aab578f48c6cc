#pragma once

#include <QString>

namespace orvika {

class MainWindow;

// Replays a saved report through the main window's own controls and public procedures, so the
// requirements, counts, power, reserve, zone list and sources come back as the user had set them.
void loadReport(MainWindow &window, const QString &path);

} // namespace orvika
