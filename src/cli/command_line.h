#pragma once

#include <QStringList>
#include <optional>

// The program's command line. Without arguments the window starts as always; with them the program
// works without a window and ends with an exit status.
namespace orvika {

enum ExitStatus : int {
    ExitDone = 0,
    ExitFailed = 1,  // the calculation stopped, or a file could not be read or written
    ExitUsage = 2,   // also an output that would replace a file the program reads
    ExitDiffers = 3, // the document is written, but it does not state what the saved report states
};

// True when the arguments ask for the command line rather than the window; decided before the
// application object is made, which then needs no display.
bool wantsCommandLine(int argc, char *argv[]);

// True when the arguments ask to work in the user's data folder (--user-data), with or without
// the command line.
bool wantsUserData(int argc, char *argv[]);

// What the application object of a command line must be able to do: only the documents and
// pictures that lay out text (PDF, SVG) need the font system of a QGuiApplication; everything else
// runs on a QCoreApplication, without a platform plugin.
enum class ApplicationKind { Core, Gui };
ApplicationKind applicationKindFor(const QStringList &arguments);

// Runs the command line in the current working directory, or in the user's data folder with
// --user-data, reading its Base/ as the window does. Files named on the command line are found
// from the directory the program was started in. Makes the application object the arguments need.
int runCommandLine(int &argc, char *argv[]);

} // namespace orvika
