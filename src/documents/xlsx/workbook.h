#pragma once

#include "files/c_numeric_locale.h"
#include "files/text_file.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <vector>
#include <xlsxwriter.h>

// What the workbooks of the XLSX module share: the library's workbook, the texts it is handed, and
// the file assembled aside and put in place whole.
namespace orvika {

class Workbook
{
public:
    explicit Workbook(const QString &path, const QString &tmpdir)
        : m_path(QFile::encodeName(path)), m_tmpdir(QFile::encodeName(tmpdir))
    {
        lxw_workbook_options options{};
        options.tmpdir = m_tmpdir.data();
        m_book = workbook_new_opt(m_path.constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_workbook *get() const { return m_book; }

    // Writes the file; the library's reason when it could not.
    std::optional<QString> close()
    {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        if (error != LXW_NO_ERROR)
            return QString::fromUtf8(lxw_strerror(error));
        return std::nullopt;
    }

private:
    QByteArray m_path;
    QByteArray m_tmpdir;
    lxw_workbook *m_book = nullptr;
};

// Keeps the UTF-8 of every text written until the workbook is closed.
struct Texts
{
    std::vector<QByteArray> kept;
    const char *operator()(const QString &text)
    {
        kept.push_back(text.toUtf8());
        return kept.back().constData();
    }
};

// Writes the workbook the function fills: the library writes to a file of its own, which is
// assembled aside and then put in place whole or not at all. The reason when it failed.
inline std::optional<QString> writeWorkbookFile(const QString &path,
                                                const std::function<void(lxw_workbook *, Texts &)> &fill)
{
    QTemporaryDir aside;
    if (!aside.isValid())
        return aside.errorString();
    const QString assembled = aside.filePath(QStringLiteral("book.xlsx"));
    Texts utf8;
    {
        // The library prints every double (a width, a margin, a number in a cell) with the C library's
        // printf, which writes "11,5" in the user's notation; a spreadsheet reads only "11.5".
        const CNumericLocale cNumbers;
        if (!cNumbers.active())
            return QStringLiteral("недостаточно памяти");
        Workbook book(assembled, aside.path());
        if (!book.get())
            return QStringLiteral("не удалось создать книгу");
        fill(book.get(), utf8);
        if (const auto error = book.close())
            return error;
    }
    QFile file(assembled);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return writeFileAtomically(path, bytes);
}

} // namespace orvika
