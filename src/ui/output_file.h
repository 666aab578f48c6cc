#pragma once

#include "engine/protected_files.h"

#include <QList>
#include <QString>

class QWidget;

namespace orvika {

class Dialogs;

// The files a document made in the window must not replace: the report of the calculation it shows,
// that report's card, the catalogue and the library, all in the working directory.
QList<ProtectedFile> windowProtectedFiles(const QString &appDir);

// Asks with the standard dialog where a document goes. A file the document must not replace is
// refused with a message that names it, and nothing is written. Empty on Cancel and on refusal.
QString askOutputFile(Dialogs &dialogs, QWidget *parent, const QString &caption, const QString &folder,
                      const QString &proposedName, const QString &filter,
                      const QList<ProtectedFile> &protectedFiles);

} // namespace orvika
