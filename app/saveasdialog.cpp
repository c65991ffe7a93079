#include "saveasdialog.h"

#include "documentsaving.h"
#include "filetypes.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>

#include <iterator>

namespace {

// The encodings of cmb_Encoding's items, in their order.
constexpr TDFileEncoding kEncodingOfItem[] = {feWin1251, feUTF8, feNone};

int ItemOfEncoding(TDFileEncoding encoding) {
    for (int i = 0; i < int(std::size(kEncodingOfItem)); ++i)
        if (kEncodingOfItem[i] == encoding)
            return i;
    return int(std::size(kEncodingOfItem)) - 1;
}

} // namespace

TDSaveAsDialog::TDSaveAsDialog(const QString& openedFileName, TDFileType fileType, TDFileEncoding encoding,
                               const QString& folder, QWidget* parent)
    : QFileDialog(parent), fOpenedFileName(openedFileName), fDocumentEncoding(encoding) {
    // First of all: the widgets below and the grid they go into exist only in the non-native dialog.
    setOption(QFileDialog::DontUseNativeDialog);
    // The save writes another name than the one typed (the extension is the document's): accept()
    // asks about that file itself.
    setOption(QFileDialog::DontConfirmOverwrite);
    setObjectName(QStringLiteral("TDSaveAsDialog"));
    setWindowTitle(QStringLiteral("Сохранить как..."));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setLabelText(QFileDialog::LookIn, QStringLiteral("папка"));
    setLabelText(QFileDialog::FileName, QStringLiteral("имя файла"));
    setLabelText(QFileDialog::FileType, QStringLiteral("тип файла"));
    setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));

    const TDSaveName saveName = DefaultSaveName(openedFileName);
    fExt = saveName.Ext;
    const QStringList filters = SaveTypeFilters();
    setNameFilters(filters);
    selectNameFilter(filters.at(SaveTypeIndexOfExt(fExt) - 1));
    if (!folder.isEmpty())
        setDirectory(folder);
    else if (!openedFileName.isEmpty())
        setDirectory(QFileInfo(openedFileName).absolutePath());
    selectFile(saveName.Name);
    if (QLineEdit* edit = FileNameEdit())
        connect(edit, &QLineEdit::textChanged, this, &TDSaveAsDialog::DropHiddenSelection);

    if (!HasEncodingChoice(fileType))
        return;
    grp_Encoding = new QGroupBox(QStringLiteral("Encoding"), this);
    grp_Encoding->setObjectName(QStringLiteral("grp_Encoding"));
    QFont titleFont = grp_Encoding->font();
    titleFont.setBold(true);
    grp_Encoding->setFont(titleFont);
    cmb_Encoding = new QComboBox(grp_Encoding);
    cmb_Encoding->setObjectName(QStringLiteral("cmb_Encoding"));
    // Only the title is bold.
    QFont itemFont = cmb_Encoding->font();
    itemFont.setBold(false);
    cmb_Encoding->setFont(itemFont);
    cmb_Encoding->addItems(
        {QStringLiteral("windows-1251"), QStringLiteral("utf-8"), QStringLiteral("unknown")});
    cmb_Encoding->setCurrentIndex(ItemOfEncoding(encoding));
    auto* row = new QHBoxLayout(grp_Encoding);
    row->addWidget(cmb_Encoding);
    row->addStretch(1);
    // The non-native dialog lays itself out on a grid: the group takes a row of its own at the bottom.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(grp_Encoding, grid->rowCount(), 0, 1, grid->columnCount());
    else if (layout())
        layout()->addWidget(grp_Encoding);
}

QString TDSaveAsDialog::TargetFileName() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : SaveFileName(files.first(), fExt);
}

int TDSaveAsDialog::TypeIndex() const {
    return int(nameFilters().indexOf(selectedNameFilter())) + 1;
}

TDFileEncoding TDSaveAsDialog::SaveEncoding() const {
    if (!cmb_Encoding)
        return fDocumentEncoding;
    const int item = cmb_Encoding->currentIndex();
    return item >= 0 && item < int(std::size(kEncodingOfItem)) ? kEncodingOfItem[item] : fDocumentEncoding;
}

QLineEdit* TDSaveAsDialog::FileNameEdit() const {
    return findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void TDSaveAsDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    const QString chosen = files.first();
    if (!QFileInfo(chosen).isDir()) {
        const QString target = SaveFileName(chosen, fExt);
        // The opened document is never written over: the text with "ё" goes into a new file.
        if (QFileInfo(target).absoluteFilePath() == QFileInfo(fOpenedFileName).absoluteFilePath()) {
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            QStringLiteral("«%1» — это открытый документ; исправленный текст записывается в "
                                           "новый файл. Выберите другое имя.")
                                .arg(QDir::toNativeSeparators(target)),
                            QMessageBox::Ok, this);
            box.setObjectName(QStringLiteral("msg_OpenedFile"));
            box.exec();
            return;
        }
        if (QFileInfo::exists(target)) {
            QMessageBox box(QMessageBox::Question, windowTitle(),
                            QStringLiteral("Файл «%1» уже существует.\nЗаменить его?")
                                .arg(QDir::toNativeSeparators(target)),
                            QMessageBox::Yes | QMessageBox::No, this);
            box.setObjectName(QStringLiteral("msg_Replace"));
            box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
            box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
            box.setDefaultButton(QMessageBox::No);
            if (box.exec() != QMessageBox::Yes)
                return;
        }
    }
    // The base class opens a folder, or accepts the file (fileSelected, then the dialog closes).
    fChosenFileName.clear();
    const QMetaObject::Connection chosenConnection = connect(
        this, &QFileDialog::fileSelected, this, [this](const QString& file) { fChosenFileName = file; });
    QFileDialog::accept();
    disconnect(chosenConnection);
}

void TDSaveAsDialog::DropHiddenSelection() {
    // Emptying the name while the line edit lacks focus (a name set by the program, not typed) selects
    // the shown folder itself in the list, and nothing typed afterwards clears that: the dialog would
    // then take the folder for the choice. Only the rows the list shows can be the user's.
    auto* list = findChild<QListView*>(QStringLiteral("listView"));
    if (!list || !list->selectionModel())
        return;
    const QModelIndex shown = list->rootIndex();
    for (const QModelIndex& row : list->selectionModel()->selectedRows())
        if (row.parent() != shown)
            list->selectionModel()->select(row, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

QStringList TDSaveAsDialog::SaveTypeFilters() {
    return {QStringLiteral("fb2 файл (*.fb2)"), QStringLiteral("html файл (*.htm*)"),
            QStringLiteral("XML файл (*.xml)"), QStringLiteral("TXT файл (*.txt)"),
            QStringLiteral("RTF файл (*.rtf)"), QStringLiteral("все файлы (*.*)")};
}

bool TDSaveAsDialog::HasEncodingChoice(TDFileType fileType) {
    return fileType == ftFB2 || fileType == ftHtml || fileType == ftXML || fileType == ftTXT;
}

TDSaveChoice TDSaveAsDialog::Choose(const QString& openedFileName, TDFileType fileType,
                                    TDFileEncoding encoding, const QString& folder, QWidget* parent) {
    TDSaveAsDialog dialog(openedFileName, fileType, encoding, folder, parent);
    TDSaveChoice choice;
    choice.Accepted = dialog.exec() == QDialog::Accepted && !dialog.ChosenFileName().isEmpty();
    choice.FileName = dialog.ChosenFileName();
    choice.TargetFileName = choice.Accepted ? SaveFileName(choice.FileName, dialog.fExt) : QString();
    choice.TypeIndex = dialog.TypeIndex();
    choice.Encoding = dialog.SaveEncoding();
    return choice;
}
