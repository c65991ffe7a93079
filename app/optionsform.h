#pragma once

#include "types.h"
#include "userdictionary.h"

#include <QDialog>
#include <QIcon>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// The dialog "Настройки": display options, the user dictionaries and, for Word documents, the way of
// searching. It works on copies: the caller sets the values, runs exec() and takes them back only when
// the dialog was accepted.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    // The search-type group is shown only for documents in Word.
    explicit TOptionsForm(TDOleServer oleServer, QWidget* parent = nullptr);

    TDUserDictionaries UserDictionaries() const { return fUserDictionaries; }
    void SetUserDictionaries(const TDUserDictionaries& value);
    bool ShowEntriesCount() const { return fShowEntriesCount; }
    void SetShowEntriesCount(bool value);
    bool DoSearchAfterOpen() const;
    void SetDoSearchAfterOpen(bool value);
    // 1 when "тип 1" is selected, else 2. Setting 1 selects "тип 1", any other value "тип 2".
    int SearchType() const;
    void SetSearchType(int value);

    // Asks for a dictionary file to add; an empty name when the user changed their mind. By default an
    // open-file dialog in the program's folder.
    std::function<QString()> ChooseFile;

    // "+": the chosen file becomes a new, unticked dictionary of the kind its first line shows.
    void AddDictionary();
    // "-": the first selected dictionary in list order leaves the list (its file stays where it is).
    void DeleteDictionary();

    // The small picture of a dictionary kind in the list's first column.
    static QIcon KindIcon(quint8 kind);
    // The tooltip line added to a dictionary whose file is not found.
    static QString MissingFileNote() { return QStringLiteral("файл не найден"); }

    QCheckBox* chk_ShowEntriesCount = nullptr;
    QCheckBox* chk_DoSearchAfterOpen = nullptr;
    QTreeWidget* vst_UserDictionaries = nullptr;
    QPushButton* btn_AddDictionary = nullptr;
    QPushButton* btn_DeleteDictionary = nullptr;
    QLabel* lbl_DictionariesNote = nullptr;
    QGroupBox* grp_WordSearchOptions = nullptr;
    QRadioButton* Type1_RadioButton = nullptr;
    QRadioButton* Type2_RadioButton = nullptr;
    QPushButton* btn_Cancel = nullptr;
    QPushButton* btn_Ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AppendRow(const TDUserDictionary& dictionary);
    // The names elided to a name column of the given width.
    void UpdateShownNames(int columnWidth);
    // The room for a name in a name column of the given width.
    int NameWidth(int columnWidth) const;

    TDUserDictionaries fUserDictionaries;
    bool fShowEntriesCount = false;
    bool fFilling = false;
};
