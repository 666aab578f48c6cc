#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <clocale>
#include <functional>
#include <optional>

// Workbooks as a spreadsheet reads their numbers, written in the notation of a locale: Qt hands the
// user's locale to the C library, and a library that prints its doubles with printf follows it.
namespace orvika::test {

// The C library's numbers in the named locale while it lives, as in a program started under it.
class ProcessNumericLocale
{
public:
    explicit ProcessNumericLocale(const char *name)
        : m_previous(std::setlocale(LC_NUMERIC, nullptr)), m_set(std::setlocale(LC_NUMERIC, name) != nullptr)
    {
    }
    ~ProcessNumericLocale() { std::setlocale(LC_NUMERIC, m_previous.constData()); }
    ProcessNumericLocale(const ProcessNumericLocale &) = delete;
    ProcessNumericLocale &operator=(const ProcessNumericLocale &) = delete;

    bool isSet() const { return m_set; }

private:
    QByteArray m_previous;
    bool m_set;
};

// openpyxl (Debian's python3-openpyxl) is strict where Excel repairs and LibreOffice drops a fraction.
inline const char *const ReadWorkbookNumbers = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print("sheet", sheet.title)
    for letter, column in sorted(sheet.column_dimensions.items()):
        if column.customWidth:
            print("width", letter, repr(column.width))
    for index, row in sorted(sheet.row_dimensions.items()):
        if row.customHeight:
            print("height", index, repr(row.height))
    m = sheet.page_margins
    print("margins", *(repr(v) for v in (m.left, m.right, m.top, m.bottom, m.header, m.footer)))
    for row in sheet.iter_rows():
        for cell in row:
            if isinstance(cell.value, (int, float)):
                print("number", cell.coordinate, repr(cell.value))
)";

struct WorkbookNumbers
{
    QString numbers; // a line for each width, height, the margins and each number of every sheet
    QString error;   // why the workbook could not be written or read
};

inline WorkbookNumbers workbookNumbers(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(ReadWorkbookNumbers), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0) {
        const QString said = QString::fromUtf8(python.readAllStandardError()).trimmed();
        return {{},
                QStringLiteral("openpyxl could not read it: ") +
                    (said.isEmpty() ? python.errorString() : said)};
    }
    return {QString::fromUtf8(python.readAllStandardOutput()), {}};
}

// The workbook that write makes at the path it is given, written with the numbers of the named locale.
inline WorkbookNumbers
workbookNumbersWrittenUnder(const char *locale,
                            const std::function<std::optional<QString>(const QString &)> &write)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Книга.xlsx"));
    {
        const ProcessNumericLocale notation(locale);
        if (!notation.isSet())
            return {{},
                    QStringLiteral("the locale %1 is missing: scripts/install-deps.sh makes it")
                        .arg(QString::fromLatin1(locale))};
        if (const std::optional<QString> failed = write(path))
            return {{}, QStringLiteral("not written: ") + *failed};
    }
    return workbookNumbers(path);
}

} // namespace orvika::test
