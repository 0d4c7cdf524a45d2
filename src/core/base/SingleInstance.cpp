#include "core/base/SingleInstance.h"

#include "core/base/Version.h"

#include <QCoreApplication>
#include <QDir>

namespace quelta {
namespace {

QString lockPath(const QString &lockDirectory)
{
    const QString directory = lockDirectory.isEmpty() ? QDir::tempPath() : lockDirectory;
    return QDir(directory).filePath(kInstanceLockName + QStringLiteral(".lock"));
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDirectory)
    : lock_(lockPath(lockDirectory))
    , first_(lock_.tryLock(0))
{
}

QString SingleInstance::refusalMessage()
{
    return QCoreApplication::translate("SingleInstance",
                                       "Quelta Z20K3 CLOUD\r\n\r\nYa hay una versión de este programa ejecutándose \r\n"
                                       "maximícelo desde la barra de tareas de Windows.\r\n\r\n");
}

} // namespace quelta
