#pragma once

#include "ui/dialogs.h"

#include <cstdio>

namespace orvika {

// Writes text to a standard stream in the system's encoding. Standard output is line-buffered on a
// terminal; into a pipe or a file the lines of a large folder go out together.
void print(std::FILE *stream, const QString &text);

// The dialog seam of the command line: every message goes to standard error on a line of its own,
// and nothing is asked.
class StreamDialogs : public UnattendedDialogs
{
public:
    void message(QWidget *parent, const QString &text) override;
};

} // namespace orvika
