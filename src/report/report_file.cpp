#include "report/report_file.h"

#include "files/text_file.h"

#include <QFileInfo>

namespace orvika {

std::optional<QStringList> readReportLines(const QString &path, QString *failure)
{
    const QString name = QFileInfo(path).fileName();
    const auto fail = [failure](const QString &text) {
        if (failure)
            *failure = text;
        return std::nullopt;
    };
    TextReadResult file = readTextFile(path, LargestReportFile);
    if (file.errorCode)
        return fail(openFailureMessage(name, *file.errorCode));
    if (file.tooLarge)
        return fail(QStringLiteral("Файл ") + name + QStringLiteral(" слишком велик для спецификации"));
    return std::move(file.lines);
}

} // namespace orvika
