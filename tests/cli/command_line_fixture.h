#pragma once

#include "files/text_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program started from the command line, as a user or a script starts it: in a working
// directory with its Base/, without a display.
namespace orvika::test {

inline const QString Program = QStringLiteral(ORVIKA_PROGRAM);
inline const QString Fixtures = QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures/reports");

struct Outcome
{
    int exitCode = -1;
    QByteArray outBytes;
    QString out;
    QStringList errorLines;
};

class CommandLine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Base")));
        for (const QString &name : {QStringLiteral("Base-Date"), QStringLiteral("Sxemm")})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/") + name,
                                    dir.filePath(QStringLiteral("Base/") + name)));
        ASSERT_TRUE(QFile::copy(Fixtures + QStringLiteral("/every_option.dat"),
                                dir.filePath(QStringLiteral("отчёт.dat"))));
    }

    Outcome run(const QStringList &arguments, const QString &home = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!home.isEmpty()) {
            environment.insert(QStringLiteral("HOME"), home);
            environment.remove(QStringLiteral("XDG_DATA_HOME"));
        }
        environment.insert(extraEnvironment);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(Program, arguments);
        Outcome result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.outBytes = process.readAllStandardOutput();
        result.out = QString::fromLocal8Bit(result.outBytes);
        result.errorLines =
            QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        return result;
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QByteArray read(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QTemporaryDir dir;
    QProcessEnvironment extraEnvironment; // set for the program on top of the test's own
};

} // namespace orvika::test
