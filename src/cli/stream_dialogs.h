#pragma once

#include "ui/dialogs.h"

namespace orvika {

// The dialog seam of the command line: every message goes to standard error on a line of its own,
// and nothing is asked.
class StreamDialogs : public UnattendedDialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
};

} // namespace orvika
