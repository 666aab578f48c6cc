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

QString StreamDialogs::input(QWidget *, const QString &, const QString &, const QString &, QPoint)
{
    return {};
}

QString StreamDialogs::saveFileName(QWidget *, const QString &, const QString &, const QString &,
                                    const QString &)
{
    return {};
}

QString StreamDialogs::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return {};
}

bool StreamDialogs::choosePrinter(QWidget *, QPrinter &)
{
    return false;
}

} // namespace orvika
