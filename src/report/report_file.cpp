#include "report/report_file.h"

#include "catalogue/text_file.h"

#include <QFileInfo>

namespace orvika {

std::optional<QStringList> readReportLines(const QString &path, QString *failure)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const auto fail = [failure](const QString &text) {
        if (failure)
            *failure = text;
        return std::nullopt;
    };
    if (info.exists() && !info.isFile())
        return fail(openFailureMessage(name, PathFileAccessError));
    if (info.size() > LargestReportFile)
        return fail(QStringLiteral("Файл ") + name + QStringLiteral(" слишком велик для спецификации"));
    TextReadResult file = readTextFile(path);
    if (file.errorCode)
        return fail(openFailureMessage(name, *file.errorCode));
    return std::move(file.lines);
}

} // namespace orvika
