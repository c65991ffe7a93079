#pragma once

#include "userdictionary.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Everything that survives a restart.
struct TDSettings {
    bool DoSearchAfterOpen = false;      // show the main window at once after a file is opened
    bool SearchWordsWithYo = true;       // the box "искать слова с «ё»"
    bool SearchWordsWithRHyphen = false; // search words with required hyphens (kept as read)
    int MainFormLeft = -1;               // the main window's bounds; -1 for "not stored"
    int MainFormTop = -1;
    int MainFormWidth = -1;
    int MainFormHeight = -1;
    QString LastOpenedWTRFolder;     // folder of the last replacement list
    QStringList OpenedFiles;         // recent documents (file mode), most recent first
    QStringList OpenedWordDocuments; // recent Word documents, most recent first, at most 4
    QStringList OpenedWTRFiles;      // recent replacement lists, most recent first, at most 4
    TDUserDictionaries UserDictionaries;
};

// The INI file that holds the settings.
class TDSettingsFile {
public:
    explicit TDSettingsFile(const QString& fileName) : fFileName(fileName) {}

    // The file's full name.
    const QString& FileName() const { return fFileName; }

    // Reads the settings; a missing file reads as all defaults. The recent documents are read only in
    // file mode. Throws TDError naming the file when it exists but cannot be read.
    TDSettings Read(bool fileMode) const;

    // Writes the settings over what the file holds, keeping its other sections. The recent documents
    // are written only in file mode. The file is replaced whole or not at all; throws TDError naming the
    // file when it cannot be written.
    void Write(const TDSettings& settings, bool fileMode) const;

    // Where the settings of a program live: beside the executable with the extension ".ini" when that
    // folder is writable, else in the user's configuration folder.
    static QString DefaultFileName(const QString& executablePath);

    // The main window's bounds from the stored values: 484 x 444 when the width or height was not
    // stored; centred on the screen (by the window's current size) when the left or top was not.
    static QRect MainFormGeometry(const TDSettings& settings, const QSize& screen, const QSize& current);

private:
    QString fFileName;
};
