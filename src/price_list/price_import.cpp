#include "price_list/price_import.h"

#include "price_list/price_csv.h"
#include "price_list/price_number.h"
#include "price_list/price_xlsx.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace orvika {
namespace {

// The header is looked for among the first rows; a list's title rarely takes more.
constexpr int HeaderSearchRows = 30;
// A price list this large is something else.
constexpr qint64 LargestFile = 64 * 1024 * 1024;

QString cell(const TableRow &row, int column)
{
    return column >= 0 && column < row.cells.size() ? row.cells[column].trimmed() : QString();
}

// The currency a header names among its words: "Цена, руб." or "Price (USD)".
QString headerCurrency(const QString &header)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;:()\\[\\]/]+"));
    for (const QString &word : header.split(separators, Qt::SkipEmptyParts))
        if (const QString code = currencyCode(word); !code.isEmpty())
            return code;
    return {};
}

QString quotedHeaders(const QStringList &headers, const QList<int> &columns)
{
    QStringList quoted;
    for (int column : columns)
        quoted.append(QStringLiteral("«%1» (%2)").arg(headers.value(column).trimmed()).arg(column + 1));
    return quoted.join(QStringLiteral(", "));
}

// The columns given, and of those found the ones the given leave free.
PriceColumns mergedColumns(const PriceColumns &given, const PriceColumns &found)
{
    const QList<int> taken{given.model, given.name, given.price, given.currency};
    const auto pick = [&taken](int chosen, int detected) {
        return chosen >= 0 ? chosen : (taken.contains(detected) ? -1 : detected);
    };
    return {pick(given.model, found.model), pick(given.name, found.name), given.price,
            pick(given.currency, found.currency)};
}

QString skippedSummary(const PriceImport &import)
{
    QStringList lines;
    for (int line : import.skippedLines)
        lines.append(QString::number(line));
    if (import.skipped > import.skippedLines.size())
        lines.append(QStringLiteral("…"));
    return QStringLiteral("пропущено строк — %1 (нет модели и наименования или цены), строки %2")
        .arg(import.skipped)
        .arg(lines.join(QStringLiteral(", ")));
}

} // namespace

PriceImport importPriceTable(const PriceTable &table, const QString &fileName, const QDate &date,
                             const std::optional<PriceColumns> &chosen)
{
    PriceImport import;
    if (table.isEmpty()) {
        import.message = QStringLiteral("Файл «%1» пуст.").arg(fileName);
        return import;
    }
    int headerRow = -1;
    HeaderMatch header;
    for (int i = 0; i < table.size() && i < HeaderSearchRows; ++i) {
        HeaderMatch match = matchHeader(table[i].cells);
        if (match.found > header.found) {
            header = match;
            headerRow = i;
        }
    }
    if (headerRow >= 0)
        import.headers = table[headerRow].cells;
    import.priceCandidates = header.priceColumns;
    import.found = header.columns;

    const PriceColumns columns = chosen ? mergedColumns(*chosen, header.columns) : header.columns;
    if (columns.price < 0 || (columns.model < 0 && columns.name < 0)) {
        import.outcome = PriceImport::ChooseColumns;
        for (qsizetype i = headerRow + 1; i < table.size() && import.sampleRows.size() < SampleRows; ++i)
            import.sampleRows.append(table[i].cells);
        if (header.priceColumns.size() > 1)
            import.message = QStringLiteral("В файле «%1» несколько столбцов цены: %2. Какой взять?")
                                 .arg(fileName, quotedHeaders(import.headers, header.priceColumns));
        else if (columns.price < 0)
            import.message =
                QStringLiteral("В файле «%1» не найден столбец цены. Укажите номера столбцов.").arg(fileName);
        else
            import.message =
                QStringLiteral(
                    "В файле «%1» не найден столбец модели или наименования. Укажите номера столбцов.")
                    .arg(fileName);
        return import;
    }

    import.list.fileName = fileName;
    import.list.date = date;
    const QString listCurrency =
        headerRow >= 0 ? headerCurrency(cell(table[headerRow], columns.price)) : QString();
    QHash<QString, int> named; // how many rows name each currency
    const auto skip = [&import](int line) {
        if (import.skippedLines.size() < SkippedLinesNamed)
            import.skippedLines.append(line);
        ++import.skipped;
    };
    for (qsizetype i = headerRow + 1; i < table.size(); ++i) {
        const TableRow &row = table[i];
        PriceEntry entry;
        entry.line = row.line;
        entry.model = cell(row, columns.model);
        entry.name = cell(row, columns.name);
        const PriceAmount amount = parsePriceAmount(cell(row, columns.price));
        const QString currencyText = cell(row, columns.currency);
        const QString columnCurrency = currencyCode(currencyText);
        if ((entry.model.isEmpty() && entry.name.isEmpty()) || amount.problem != PriceAmount::None ||
            (!currencyText.isEmpty() && columnCurrency.isEmpty()) ||
            (!columnCurrency.isEmpty() && !amount.currency.isEmpty() && columnCurrency != amount.currency)) {
            skip(row.line);
            continue;
        }
        entry.priceMinor = amount.minor;
        entry.currency = amount.currency.isEmpty() ? columnCurrency : amount.currency;
        if (!entry.currency.isEmpty())
            ++named[entry.currency];
        import.list.entries.append(entry);
    }
    if (import.list.entries.isEmpty()) {
        import.list = {};
        import.message =
            QStringLiteral("В файле «%1» нет ни одной строки с моделью или наименованием и ценой")
                .arg(fileName);
        if (import.skipped > 0)
            import.message += QStringLiteral(": ") + skippedSummary(import);
        import.message += u'.';
        return import;
    }
    import.list.currency = listCurrency;
    if (import.list.currency.isEmpty()) {
        int most = 0;
        for (const QString &code :
             {Roubles, QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("CNY")})
            if (named.value(code) > most) {
                most = named.value(code);
                import.list.currency = code;
            }
    }
    if (import.list.currency.isEmpty())
        import.list.currency = Roubles;
    for (PriceEntry &entry : import.list.entries)
        if (entry.currency.isEmpty())
            entry.currency = import.list.currency;
    import.outcome = PriceImport::Imported;
    import.message = QStringLiteral("Прайс-лист «%1»: позиций — %2, валюта %3")
                         .arg(fileName)
                         .arg(import.list.entries.size())
                         .arg(import.list.currency);
    if (import.skipped > 0)
        import.message += QStringLiteral("; ") + skippedSummary(import);
    import.message += u'.';
    return import;
}

PriceImport importPriceFile(const QString &path, const QDate &date, const std::optional<PriceColumns> &chosen)
{
    const QString fileName = QFileInfo(path).fileName();
    PriceImport import;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        import.message =
            QStringLiteral("Файл «%1» не открывается: %2")
                .arg(fileName, QFileInfo(path).isFile() ? file.errorString() : QStringLiteral("это не файл"));
        return import;
    }
    if (file.size() > LargestFile) {
        import.message = QStringLiteral("Файл «%1» слишком велик для прайс-листа.").arg(fileName);
        return import;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        import.message = QStringLiteral("Файл «%1» не читается: %2").arg(fileName, file.errorString());
        return import;
    }
    if (bytes.startsWith("\xD0\xCF\x11\xE0")) {
        import.message =
            QStringLiteral("Файл «%1» — книга Excel старого формата (XLS). Сохраните её как XLSX или CSV.")
                .arg(fileName);
        return import;
    }
    // An XLSX workbook is a zip package, whatever its name says.
    if (bytes.startsWith("PK\x03\x04")) {
        const TableRead read = xlsxTable(bytes);
        if (!read.error.isEmpty()) {
            import.message = QStringLiteral("Файл «%1» не прочитан: %2.").arg(fileName, read.error);
            return import;
        }
        return importPriceTable(read.rows, fileName, date, chosen);
    }
    const bool wide = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!wide && bytes.contains('\0')) {
        import.message = QStringLiteral("Файл «%1» — не таблица CSV и не книга XLSX.").arg(fileName);
        return import;
    }
    return importPriceTable(csvTable(bytes), fileName, date, chosen);
}

} // namespace orvika
