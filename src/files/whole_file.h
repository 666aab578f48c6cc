#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// A small file read whole, for a reader that tells the user why it could not be: the files the program
// keeps beside a report or in the user's data folder.
namespace orvika {

struct WholeFile
{
    enum Outcome {
        Read,
        Missing,    // no file of that name
        Unreadable, // not a file, or the system refused it
        TooLarge,   // larger than the reader takes
    };
    Outcome outcome = Missing;
    QByteArray bytes;
    QString reason; // of an unreadable file, for the user
};

WholeFile readWholeFile(const QString &path, qint64 largest);

} // namespace orvika
