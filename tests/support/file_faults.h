#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Real faults of the file system for the tests of writing files: a file-size limit in a child
// process, which needs no privileges, and a full disk, a small tmpfs that only root can mount.
namespace orvika::test {

struct ChildResult
{
    bool exitedNormally = false;
    QStringList lines; // what the action returned, one text a line
};

// Runs action in a child process in which no file can grow beyond limitBytes: a write past the
// limit fails with EFBIG, as SIGXFSZ is ignored there. The lines the action returns are handed back
// through a pipe, which the limit does not bind.
inline ChildResult runWithFileSizeLimit(rlim_t limitBytes, const std::function<QStringList()> &action)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return {};
    }
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(120); // a hung child must not hang the tests
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = limitBytes;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(3);
        const QByteArray text = action().join(u'\n').toUtf8();
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t n = ::write(channel[1], text.constData() + done, size_t(text.size() - done));
            if (n <= 0)
                ::_exit(4);
            done += n;
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, n);
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ChildResult result;
    result.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.lines = QString::fromUtf8(text).split(u'\n');
    return result;
}

// A tmpfs of a few pages mounted over a fresh folder while the object lives; fill() then takes its
// last free byte with a filler file. Mounting needs root: isMounted() is false otherwise.
class SmallDisk
{
public:
    static constexpr const char *FillerName = "заполнитель";

    explicit SmallDisk(const char *size = "256k")
    {
        if (::geteuid() != 0 || !m_holder.isValid())
            return;
        m_path = m_holder.filePath(QStringLiteral("disk"));
        if (!QDir().mkdir(m_path))
            return;
        const QByteArray options = QByteArray("mode=0755,size=") + size;
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_path; }
    QString fillerPath() const { return QDir(m_path).filePath(QString::fromUtf8(FillerName)); }

    // Writes the filler until the disk refuses more, then checks that a new file cannot take a byte.
    bool fill() const
    {
        QFile filler(fillerPath());
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        filler.close();
        QFile probe(QDir(m_path).filePath(QStringLiteral("probe")));
        const bool full =
            probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && probe.write("x", 1) != 1;
        probe.remove();
        return full;
    }

    bool empty() const { return QFile::remove(fillerPath()); }

private:
    QTemporaryDir m_holder;
    QString m_path;
    bool m_mounted = false;
};

} // namespace orvika::test
