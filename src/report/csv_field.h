#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvika {

// A field of a CSV row as RFC 4180 asks: quoted when it holds the separator ";", a quote or a line
// break, its quotes doubled.
QString csvField(const QString &text);

// The fields joined by ";", each as csvField gives it, and CR LF.
QString csvRow(const QStringList &fields);

// Rows as a file a spreadsheet under Russian settings opens: UTF-8 with a byte-order mark.
QByteArray csvFile(const QString &rows);

} // namespace orvika
