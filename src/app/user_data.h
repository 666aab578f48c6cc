#pragma once

#include <QString>
#include <optional>

// The user's own data folder, for a program installed where it cannot write: the catalogue and the
// block-diagram library are copied there from the package, and the reports are kept there.
namespace orvika {

// $XDG_DATA_HOME/orvika, or ~/.local/share/orvika when XDG_DATA_HOME is not set.
QString userDataFolder();

// The data installed with the program: share/orvika/Base beside the folder of the program, so that
// an unpacked package works from wherever it lies.
QString packagedBaseFolder(const QString &programFolder);

// Makes the folder (with its parents) and copies into its Base/ every packaged file it lacks; a file
// already there is never replaced, edited or not. The reason when something could not be done.
std::optional<QString> prepareUserData(const QString &folder, const QString &packagedBase);

// Prepares the user's data folder from the running program's package and makes it the working
// directory. The message for the user when that fails.
std::optional<QString> enterUserDataFolder();

} // namespace orvika
