#include "app/ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace mizaro {

QString InstanceLockDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

SingleInstance::SingleInstance(const QString& directory)
    : lock_(QDir(directory).filePath(QString::fromLatin1(kInstanceLockName))) {
    // Age never makes a lock stale: a long session must keep it. A holder that no longer runs
    // does, which QLockFile finds from the process id written in the file.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}

}  // namespace mizaro
