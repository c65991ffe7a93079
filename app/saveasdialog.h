#pragma once

#include "types.h"

#include <QFileDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;

// What the user chose in "Сохранить как...".
struct TDSaveChoice {
    bool Accepted = false;
    QString FileName;       // the file as chosen in the dialog
    QString TargetFileName; // the file the save writes: FileName with the opened document's extension
    int TypeIndex = 0;      // 1 fb2, 2 html, 3 xml, 4 txt, 5 rtf, 6 all files
    TDFileEncoding Encoding = feNone;
};

// "Сохранить как..." of a file-mode document: the file dialog of the application (never the
// platform's), in save mode, with the file types of the save table and, for documents whose text can
// change encoding (FB2, HTML, XML, TXT), the choice of the encoding to write.
//
// The save writes SaveFileName(ChosenFileName(), ext of the opened file), so the question about
// replacing an existing file is asked about that file, not about the name typed.
//
// Tests answer the dialog as a user would: while exec() runs, QApplication::activeModalWidget() is
// the dialog; type into FileNameEdit(), pick in cmb_Encoding, then accept() or reject().
class TDSaveAsDialog : public QFileDialog {
    Q_OBJECT
public:
    // openedFileName: the full name of the opened document, which gives the default name and the
    // extension; fileType and encoding: the document's type and the encoding it was read with;
    // folder: the folder shown first (the opened file's folder when empty).
    TDSaveAsDialog(const QString& openedFileName, TDFileType fileType, TDFileEncoding encoding,
                   const QString& folder, QWidget* parent = nullptr);

    // The file accepted; empty until the dialog is accepted.
    QString ChosenFileName() const { return fChosenFileName; }
    // The file the save writes for the current choice: the selected file with the opened document's
    // extension (SaveFileName).
    QString TargetFileName() const;
    // The 1-based index of the selected file type.
    int TypeIndex() const;
    // The encoding chosen in cmb_Encoding; without the encoding choice, the document's own.
    TDFileEncoding SaveEncoding() const;
    // The line edit holding the file name.
    QLineEdit* FileNameEdit() const;

    // Accepts a file name when the file the save writes does not exist yet or the user agrees to
    // replace it, and it is not the opened document itself (refused with a warning); a folder name
    // opens the folder, as in any file dialog.
    void accept() override;

    // The file types, in the order of the type index.
    static QStringList SaveTypeFilters();
    // Whether a document of this type gets the encoding choice.
    static bool HasEncodingChoice(TDFileType fileType);
    // Shows the dialog modally and returns the choice.
    static TDSaveChoice Choose(const QString& openedFileName, TDFileType fileType, TDFileEncoding encoding,
                               const QString& folder, QWidget* parent = nullptr);

    // Null without the encoding choice.
    QGroupBox* grp_Encoding = nullptr;
    QComboBox* cmb_Encoding = nullptr;

private:
    void DropHiddenSelection();

    QString fOpenedFileName;
    QString fExt; // the opened document's extension, with its dot
    TDFileEncoding fDocumentEncoding;
    QString fChosenFileName;
};
