#include "processes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

QStringList RunningProcessNames() {
    QStringList names;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toInt(&numeric);
        if (!numeric)
            continue;
        // The executable's name: from the link to it where readable, else the short command name.
        const QString exe = QFileInfo(proc.filePath(pid + QStringLiteral("/exe"))).symLinkTarget();
        if (!exe.isEmpty())
            names << QFileInfo(exe).fileName();
        QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly))
            names << QString::fromLocal8Bit(comm.readAll()).trimmed();
    }
    return names;
}

bool IsProcessRunning(const QString& prefix, const QStringList& processNames) {
    for (const QString& name : processNames) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString CurrentUserName() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}
