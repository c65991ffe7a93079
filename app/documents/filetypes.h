#pragma once

#include "types.h"

#include <QString>

// File names, types and encodings of file-mode documents.

// The type of a document by its name: the text after the last "." (at most 255 characters), in lower
// case: "fb2", "rtf", "htm"/"html", "txt", "xml"; anything else or no dot gives ftNone.
TDFileType FileTypeOfName(const QString& fileName);

// The save dialog's type index of a dotted extension, compared with letter case as written: ".fb2" 1,
// ".html"/".htm" 2, ".xml" 3, ".txt" 4, ".rtf" 5, anything else 6 ("все файлы").
int SaveTypeIndexOfExt(const QString& ext);

// The status-bar text of an encoding: "windows-1251", "UTF-8", or empty for feNone.
QString EncodingLabel(TDFileEncoding encoding);

// The extension of the name part of fileName with its dot, as written; empty when it has no dot.
QString ExtractFileExt(const QString& fileName);

// fileName with the extension of its name part replaced by ext (a dotted extension, or empty to drop
// it); a name without an extension gets ext appended.
QString ChangeFileExt(const QString& fileName, const QString& ext);

// The default name of a save: the name part of the caption (in file mode the opened file's full name)
// without folder and extension, followed by " (ё)"; and the caption's extension with its dot.
struct TDSaveName {
    QString Name; // "Роман (ё)" for "/книги/Роман.fb2"
    QString Ext;  // ".fb2"
};
TDSaveName DefaultSaveName(const QString& caption);
