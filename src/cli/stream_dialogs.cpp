#include "cli/stream_dialogs.h"

#include "calc/proposal.h"

#include <cstdio>

namespace orvika {

void StreamDialogs::message(QWidget *, const QString &text)
{
    QString line = text;
    line.replace(MessageLineBreak, QStringLiteral(" "));
    line.replace(u'\n', u' ');
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace orvika
