#include "cli/stream_dialogs.h"

#include "calc/proposal.h"

#include <cstdio>

namespace orvika {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void StreamDialogs::message(const QString &text)
{
    QString line = text;
    line.replace(MessageLineBreak, QStringLiteral(" "));
    line.replace(u'\n', u' ');
    print(stderr, line + u'\n');
}

} // namespace orvika
