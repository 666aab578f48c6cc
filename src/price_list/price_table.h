#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A price list's table as read from its file, before its columns are known: each row's cells as text and
// the row's number as the user sees it in a text editor (CSV) or a spreadsheet (XLSX).
namespace orvika {

struct TableRow
{
    int line = 0; // 1-based
    QStringList cells;

    friend bool operator==(const TableRow &, const TableRow &) = default;
};

using PriceTable = QList<TableRow>;

struct TableRead
{
    PriceTable rows;
    QString error; // why the file could not be read as a table, for the user; empty when it was
};

} // namespace orvika
