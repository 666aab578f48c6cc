#pragma once

#include <QString>
#include <optional>

// "Сохранить как": the report is kept by copying it under a name the user chose.
namespace orvika {

// Copies source to target through a temporary file in the target's directory renamed over the target,
// replacing a target that exists. On failure (source missing or unreadable, no such directory,
// read-only target, invalid name, no space left) returns the reason, to follow the target's name in
// the message, and both files stay as they were.
std::optional<QString> copyFileReplacing(const QString &source, const QString &target);

// True when an ordinary file of exactly this name exists. Folders do not count, and neither do hidden
// files (names starting with "."), which a search of the folder would not list.
bool ordinaryFileExists(const QString &path);

} // namespace orvika
