// tarv: the desktop program.

#include "dictionaryset.h"
#include "mainform.h"
#include "processes.h"
#include "settingsfile.h"
#include "welcomeform.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarv"));
    QApplication::setApplicationVersion(QStringLiteral(TARV_VERSION));
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    const QStringList processes = RunningProcessNames();
    const bool inDesign = IsProcessRunning(QStringLiteral("InDesign"), processes);
    const bool inCopy = IsProcessRunning(QStringLiteral("InCopy"), processes);
    const bool word = IsProcessRunning(QStringLiteral("WINWORD"), processes);
    const QStringList args = QApplication::arguments();

    TWelcomeForm welcome(word, inDesign, inCopy);
    welcome.exec();
    if (!welcome.ContinueApp())
        return 0;

    TMainForm::Environment env;
    env.OleServer = welcome.OleServer();
    env.SettingsFileName = TDSettingsFile::DefaultFileName(QApplication::applicationFilePath());
    env.DictionaryFolder = DictionaryFolder(QApplication::applicationDirPath());
    env.UserName = CurrentUserName();
    env.CommandLineFile = args.size() > 1 ? args[1] : QString();
    TMainForm window(env);
    window.show();
    return app.exec();
}
