#pragma once

#include <QList>
#include <QString>

// A dictionary file the user added, as the settings keep it.
struct TDUserDictionary {
    // The kinds of user dictionary.
    enum Kind : quint8 { kindUnambiguous = 1, kindAmbiguous = 2, kindContextRules = 3 };

    QString FullName;           // full path of the file
    quint8 DictionaryKind = 0;  // 1 unambiguous words, 2 ambiguous words, 3 context rules
    bool Use = false;           // the user's tick in the options dialog
    bool FileIsMissing = false; // the file did not exist when the settings were read
};

using TDUserDictionaries = QList<TDUserDictionary>;

// Recognises the kind of a dictionary file from its first line: ";context" makes it context rules (3),
// a tab an ambiguous-word file (2), anything else an unambiguous-word file (1).
quint8 DictionaryKindOfFirstLine(const QString& firstLine);
// The same for a file on disk, its first line read as the loaders read it (a byte-order mark chooses
// UTF-8 or UTF-16 and is not part of the line; else windows-1251); 0 when it cannot be read.
quint8 DictionaryKindOfFile(const QString& fileName);
