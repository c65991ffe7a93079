#pragma once

#include <QString>
#include <QStringList>

// The executable names (without folders) of the running processes, read from /proc.
QStringList RunningProcessNames();

// True when some name in processNames begins with prefix, letter case ignored.
bool IsProcessRunning(const QString& prefix, const QStringList& processNames);

// The name of the user running the program (the login name, else $USER).
QString CurrentUserName();
