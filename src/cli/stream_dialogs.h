#pragma once

#include "ui/dialogs.h"

#include <QStringList>

namespace orvika {

// The dialog seam of the command line: every message goes to standard error on a line of its own,
// and nothing is asked (an input box answers Cancel, no file or printer is chosen).
class StreamDialogs : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
    QString input(QWidget *parent, const QString &title, const QString &prompt, const QString &initialText,
                  QPoint position) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &proposedName, const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};

} // namespace orvika
