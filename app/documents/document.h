#pragma once

#include "commonfile.h"
#include "rtfdocument.h"
#include "types.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// Called while a document file is read, with the bytes read so far and the file's size.
using TDLoadProgress = std::function<void(qint64 done, qint64 total)>;

// The document of file mode: the line list with the type and encoding it was loaded with, and for an
// RTF document the RTF source that replacements patch. No widgets: the main window and tarv-cli share it.
class TDDocument {
public:
    // The largest file that is opened. Loading, analysing and saving hold the text several times over
    // (bytes, UTF-16 text, lines, occurrences with their contexts, the bytes written): a 200 MB novel
    // peaks at about 1.1 GB, so 256 MiB stays under 1.5 GB.
    static constexpr qint64 kMaxFileSize = qint64(256) << 20;

    TDDocument();
    ~TDDocument();
    TDDocument(const TDDocument&) = delete;
    TDDocument& operator=(const TDDocument&) = delete;

    // Opens a document file of the type its name gives (FileTypeOfName). A name of no known type
    // loads nothing: the line list is empty. Throws TDError with the text to show when the file is
    // missing ("Файл … не найден."), unreadable, too large, not text, or broken; the document then
    // stays as it was.
    void FileOpen(const QString& AFileName, const TDLoadProgress& progress = {});
    // The same with the type given.
    void FileOpenAs(const QString& AFileName, TDFileType type, const TDLoadProgress& progress = {});
    // Loads the bytes of a document of the given type, as if read from a file named shownName (the
    // name goes into messages and is kept as FileName). Throws TDError as FileOpen does.
    void LoadBytes(QByteArray bytes, TDFileType type, const QString& shownName);
    // Forgets the document.
    void Clear();

    // The name the document was opened under; empty when none is open.
    const QString& FileName() const { return fFileName; }
    // The line list (fCommonFile).
    TDCommonFile& CommonFile() { return fCommonFile; }
    const TDCommonFile& CommonFile() const { return fCommonFile; }
    // Type of the document last opened (fFileTypeOpened).
    TDFileType FileTypeOpened() const { return fFileTypeOpened; }
    // Encoding found when the document was loaded (fFileEncoding).
    TDFileEncoding FileEncoding() const { return fFileEncoding; }
    // Folder of the last opened file, with a trailing separator (fLastFolderOpened).
    const QString& LastFolderOpened() const { return fLastFolderOpened; }
    // The RTF document, when the document is RTF; null otherwise.
    TDRtfDocument* RtfDocument() const { return fRtfDocument.get(); }
    // A note for the user when the load went against what the file says of itself (an XML
    // declaration that names another encoding than the bytes are in); empty otherwise.
    const QString& Note() const { return fNote; }

private:
    QString fFileName;
    TDCommonFile fCommonFile;
    TDFileType fFileTypeOpened = ftNone;
    TDFileEncoding fFileEncoding = feNone;
    QString fLastFolderOpened;
    std::unique_ptr<TDRtfDocument> fRtfDocument;
    QString fNote;
};
