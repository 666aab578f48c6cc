#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// CSV as a Russian spreadsheet writes and reads it: ";" between fields, RFC 4180 quoting.
namespace orvika {

// A field of a CSV row as RFC 4180 asks: quoted when it holds the separator ";", a quote or a line
// break, its quotes doubled.
QString csvField(const QString &text);

// The fields joined by ";", each as csvField gives it, and CR LF.
QString csvRow(const QStringList &fields);

// Rows as a file a spreadsheet under Russian settings opens: UTF-8 with a byte-order mark.
QByteArray csvFile(const QString &rows);

// The records of a CSV text, each a list of its fields: a quoted field may hold the separator, doubled
// quotes and line breaks; a record ends at LF, CR LF or CR outside quotes; a quote left open runs to the
// end of the text. Blank lines give no record.
QList<QStringList> csvRecords(QStringView text, QChar separator = u';');

} // namespace orvika
