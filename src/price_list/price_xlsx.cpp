#include "price_list/price_xlsx.h"

#include "price_list/xlsx_sheet_xml.h"
#include "price_list/xlsx_styles.h"

#include <memory>
#include <optional>
#include <zip.h>

namespace orvika {
namespace {

// A part larger than this unpacked is no price list's: the bound stops a package that unpacks without end.
constexpr zip_uint64_t LargestPart = 256 * 1024 * 1024;

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

struct FileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// The part's bytes; nothing when the package has no such part or it cannot be unpacked.
std::optional<QByteArray> readPart(zip_t *archive, const QString &path)
{
    const QByteArray name = path.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > LargestPart)
        return std::nullopt;
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen(archive, name.constData(), 0));
    if (!file)
        return std::nullopt;
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(file.get(), bytes.data(), stat.size);
    if (read < 0 || zip_uint64_t(read) != stat.size)
        return std::nullopt;
    return bytes;
}

} // namespace

TableRead xlsxTable(const QByteArray &bytes)
{
    TableRead result;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    Archive archive(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!archive) {
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        result.error = QStringLiteral("это не книга Excel (XLSX): архив не читается");
        return result;
    }
    zip_error_fini(&error);
    const std::optional<QByteArray> workbook = readPart(archive.get(), QStringLiteral("xl/workbook.xml"));
    const std::optional<QByteArray> relationships =
        readPart(archive.get(), QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!workbook || !relationships) {
        result.error = QStringLiteral("это не книга Excel (XLSX): в архиве нет её описания");
        return result;
    }
    const QString sheetPath = firstSheetPath(*workbook, *relationships);
    const std::optional<QByteArray> sheet =
        sheetPath.isEmpty() ? std::nullopt : readPart(archive.get(), sheetPath);
    if (!sheet) {
        result.error = QStringLiteral("в книге не найден первый лист");
        return result;
    }
    // A workbook of numbers alone has no shared strings.
    const std::optional<QByteArray> strings = readPart(archive.get(), sharedStringsPath(*relationships));
    const std::optional<QByteArray> styles = readPart(archive.get(), stylesPath(*relationships));
    result.rows = sheetTable(*sheet, strings ? sharedStrings(*strings) : QStringList(),
                             styles ? styleCurrencies(*styles) : QStringList());
    return result;
}

} // namespace orvika
