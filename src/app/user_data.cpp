#include "app/user_data.h"

#include "report/report_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace orvika {

QString userDataFolder()
{
    // XDG_DATA_HOME when set to an absolute path, otherwise ~/.local/share.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orvika");
}

QString packagedBaseFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/orvika/Base"));
}

std::optional<QString> prepareUserData(const QString &folder, const QString &packagedBase)
{
    const QString base = folder + QStringLiteral("/Base");
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(base).toStdString(), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    const QDir packaged(packagedBase);
    for (const QString &name : packaged.entryList(QDir::Files, QDir::Name)) {
        const QString target = base + u'/' + name;
        if (QFileInfo::exists(target))
            continue;
        // Written whole or not at all: a cut catalogue would never be replaced afterwards.
        if (const std::optional<QString> failure = copyFileReplacing(packaged.filePath(name), target))
            return name + QStringLiteral(": ") + *failure;
    }
    return std::nullopt;
}

std::optional<QString> enterUserDataFolder()
{
    const QString folder = userDataFolder();
    std::optional<QString> failure =
        prepareUserData(folder, packagedBaseFolder(QCoreApplication::applicationDirPath()));
    if (!failure && !QDir::setCurrent(folder))
        failure = QStringLiteral("не удалось перейти в папку");
    if (failure)
        return QStringLiteral("Не удалось подготовить папку данных ") + folder + QStringLiteral(": ") +
               *failure;
    return std::nullopt;
}

} // namespace orvika
