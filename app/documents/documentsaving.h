#pragma once

#include "types.h"

#include <QByteArray>
#include <QString>

class TDDocument;

// Saving a file-mode document as a new file.

// The XML declarations written when a save changes the encoding of an FB2 or XML document.
extern const char* const kDeclarationWin1251;           // D1 <?xml version="1.0" encoding="windows-1251"?>
extern const char* const kDeclarationWin1251Standalone; // D2 … encoding="windows-1251" standalone="yes"?>
extern const char* const kDeclarationUtf8;              // D3 <?xml version="1.0" encoding="utf-8"?>
extern const char* const kDeclarationUtf8Standalone;    // D4 … encoding="utf-8" standalone="yes"?>

// What a save writes.
enum TDSaveWrite {
    swNothing,     // the encoding change is not provided for: nothing is written
    swOwnEncoding, // the lines in the encoding they were read with
    swUtf8,        // the lines in UTF-8, with a byte-order mark
    swWindows1251  // the lines in windows-1251
};
struct TDSavePlan {
    TDSaveWrite Write = swNothing;
    // The XML declaration at the start of the first line gives way to Declaration (which may be
    // empty: the declaration is dropped).
    bool NewDeclaration = false;
    QString Declaration;
    // The encodings the plan was made for, for messages.
    TDFileEncoding DocumentEncoding = feNone;
    TDFileEncoding SaveEncoding = feNone;
};

// The writing table of the save dialog (typeIndex: the file type the user ended on, 1 fb2, 2 html,
// 3 xml, 4 txt, 5 rtf, 6 all files):
// - same document and save encoding: UTF-8 for feUTF8, else the lines' own encoding;
// - feUTF8 to feWin1251: windows-1251, with D1 for fb2, no declaration for html, D2 for xml, and the
//   declaration kept for txt, rtf and all files;
// - any other change: nothing.
TDSavePlan NewStyleSavePlan(TDFileEncoding document, TDFileEncoding save, int typeIndex);

// The writing table of the classic save dialog (filterIndex: 1 fb2, 2 html, 3 xml, 4 txt): the same
// encodings give the same as above; feUTF8 to feWin1251 writes D1 (fb2) or D2 (xml), feWin1251 to
// feUTF8 writes D3 (fb2) or D4 (xml); anything else writes nothing.
TDSavePlan ClassicSavePlan(TDFileEncoding document, TDFileEncoding save, int filterIndex);

// The bytes a save writes: the lines, each followed by CR LF, encoded as the plan says; for an RTF
// document its RTF source after the dash rule (every " - " becomes " — "), whatever the plan. Text
// that windows-1251 cannot hold is written as numeric character references (&#NNNN;) in FB2, XML and
// HTML; in plain text it is refused with a TDError naming the character and its line. A plan that
// writes nothing throws a TDError saying so.
QByteArray DocumentBytes(TDDocument& document, const TDSavePlan& plan);

// Writes the document (DocumentBytes) to fileName. The file is written beside its final place and
// renamed into it, so a failed save leaves neither a half-written file nor a damaged earlier file.
// Throws TDError naming the file when it cannot be written.
void SaveDocument(TDDocument& document, const QString& fileName, const TDSavePlan& plan);

// The name a save writes to: the name chosen in the dialog with its extension replaced by ext, the
// extension of the opened document. Only one to eight Latin letters, digits, "_", "-" or "*" after the last
// dot make an extension; other text after a dot is part of the name ("Т. Манн. Будденброки (ё)"), and
// ext is appended to it.
QString SaveFileName(const QString& chosenName, const QString& ext);

// Writes bytes to fileName whole or not at all (through a temporary file in the same folder).
// Throws TDError naming the file.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);
