#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvika {

class MainWindow;

// Replays a saved report through the main window's own controls and public procedures, so the
// requirements, counts, power, reserve, zone list and sources come back as the user had set them.
// The window is reset first, also when the file then turns out unreadable; a failure is shown over
// messageParent (the main window when null). False when the file could not be read.
bool loadReport(MainWindow &window, const QString &path, QWidget *messageParent = nullptr);

// Loading of a report whose lines were read already: the reset, then the lines replayed.
void loadReportLines(MainWindow &window, const QStringList &lines);

} // namespace orvika
