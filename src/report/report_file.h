#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace orvika {

// Reports are a few kilobytes; a larger file is no report and is refused rather than read.
inline constexpr qint64 LargestReportFile = 4 * 1024 * 1024;

// The lines of a saved report (Windows-1251). A folder, a pipe or a device under a report's name, or a
// file far too large for a report, is refused unread, since reading it would block or fail. Empty,
// with the message the user is shown, when it cannot be read.
std::optional<QStringList> readReportLines(const QString &path, QString *failure);

} // namespace orvika
