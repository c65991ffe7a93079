#pragma once

#include <QByteArray>
#include <QString>

class TDDocument;

// Helpers shared by the commands of tarv-cli.

// Writes a line to standard error / text to standard output, as UTF-8.
void PrintErr(const QString& s);
void PrintOut(const QString& s);

// Plain text: a byte-order mark decides; otherwise UTF-8 when the bytes are valid UTF-8, else windows-1251.
QString DecodePlainText(const QByteArray& bytes);

// The bytes of a file, or of standard input for "-"; throws TDError naming the file.
QByteArray ReadInput(const QString& name);

// Loads the process-wide dictionaries from folder, or from the default folder when it is empty.
void LoadDictionariesFrom(QString folder);

// Loads the document a command works on: "-" reads standard input as plain text; a file of a known
// type (fb2, htm/html, xml, txt, rtf) loads by its type, any other file as plain text. A note of the
// load (an XML declaration that names another encoding than the bytes are in) goes to standard error.
void LoadDocument(const QString& name, TDDocument& document);
