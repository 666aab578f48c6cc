#pragma once

#include "engine/dialog_seam.h"

#include <QString>
#include <cstdio>

namespace orvika {

// Writes text to a standard stream in the system's encoding. Standard output is line-buffered on a
// terminal; into a pipe or a file the lines of a large folder go out together.
void print(std::FILE *stream, const QString &text);

// The dialog seam of the command line: every message goes to standard error on a line of its own,
// and nothing is asked.
class StreamDialogs : public DialogSeam
{
public:
    void message(const QString &text) override;
    QString input(const QString &, const QString &, const QString &, InputPlace) override { return {}; }
};

} // namespace orvika
