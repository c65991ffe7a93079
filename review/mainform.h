#pragma once

#include "analysiscontroller.h"
#include "contextentries.h"
#include "document.h"
#include "filtercontroller.h"
#include "settingsfile.h"
#include "types.h"
#include "userdictionary.h"
#include "words2replace.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QLabel;
class QMenu;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTextEdit;
class QToolButton;
class QWidget;
class TDButton;
class Tfrm_RegExInfo;
class TDCandidateDelegate;
class TDCandidateListModel;
class TDCandidateTreeView;
class TDContextEntry;
class TDWord2Replace;

// The main window: the document, the analysis run, the candidate list and its details.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // What the window needs from its surroundings; tests give their own.
    struct Environment {
        TDOleServer OleServer = osNone; // the document source, fixed for the run
        QString SettingsFileName;       // the INI file
        QString DictionaryFolder;       // the folder of the standard dictionaries
        QString UserName;               // the login name (developer items for "Developer")
        QString CommandLineFile;        // a document named on the command line
    };

    explicit TMainForm(const Environment& env, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Opens a document in file mode; false (after telling the user) when it cannot be read.
    bool FileOpen(const QString& fileName);
    // "Анализ текста": runs the analysis of the document source.
    void act_FindAllExecute();
    // The stop request.
    void SetStopOperation(bool value);
    // "Очистить": with askUser, asks first.
    void act_ListClearExecute(bool askUser);

    // The run options.
    bool GetSearchWordsWithYo() const;
    void SetSearchWordsWithYo(bool value);
    int GetSearchOneTwo() const;
    bool GetAllRules() const { return fAllRules; }

    // The containers of the review.
    TDWords2Replace& Words2Replace() { return fWords2Replace; }
    TDWords2Replace& Morfs2Replace() { return fMorfs2Replace; }
    TDContextEntries& Entries() { return fEntries; }
    const QStringList& CommonFile() const { return fDocument.CommonFile().Lines(); }
    // The document of file mode.
    TDDocument& Document() { return fDocument; }
    // The review holds changes no replacement list has saved.
    bool NeedToSave() const { return fNeedToSave; }
    // The analysis run of the window (its progress signal tells when lines are done).
    TDAnalysisController& Analysis() { return fAnalysis; }
    // The text of the last statistics message.
    const QString& LastRunMessage() const { return fLastRunMessage; }

    // Shows a message box over the window (placed a quarter of the height difference from the top).
    // In tests, SetMessageBoxAnswer makes every box answer at once.
    int ShowMessage(int icon, const QString& text, int buttons);
    void SetMessageBoxAnswer(int answer) { fMessageBoxAnswer = answer; }
    // The text of the last message box shown.
    const QString& LastMessage() const { return fLastMessage; }

    // The sort commands, by tag: word forms 1 "слову", 2 "числу слов"; occurrences 1 "правилу", 2
    // "контексту".
    void SortWords(int tag);
    void SortEntries(int tag);
    // Grouping by morphology.
    void SetGrouped(bool grouped);
    // Expands or collapses every word form.
    void ExpandAll(bool expand);
    // Shows the line before the occurrence in the details pane.
    void ToggleShowPrevious();
    // The rule window, docked below the main window; R or "RegEx информация" shows it.
    Tfrm_RegExInfo* RegExInfo() const { return fRegExInfo; }
    void RegEx2Click();
    // Decisions in bulk: the popup menu over the selected rows (tag 1 "Заменять", -1 "Не заменять",
    // 0 "Согласиться с предложенным"), and the list menu's "Согласиться с предложенным" for the
    // focused word form (it leaves undecided what has no suggestion).
    void act_ListChangeCheckStateExecute(int tag);
    void act_ListAgreeWithSuggestionExecute();
    // "Заменить ": writes the decided letters of the visible occurrences into the document.
    void act_ReplaceEExecute();
    // Refreshes the status bar counts.
    void UpdateStatusBar();

    // "Сохранить как...": writes the document to a new file in the type and encoding chosen.
    void act_FileSaveExecute();
    // The encoding of the last save (the document's own until a save chooses another).
    TDFileEncoding SaveEncoding() const { return fSaveEncoding; }
    // "Настройки": the options dialog; its values apply when it is left with "да".
    void act_OptionsExecute();
    // Whether the list shows the number of occurrences beside each word form.
    bool ShowEntriesCount() const { return fShowEntriesCount; }
    // The user dictionaries as the window holds them (loaded at start, written at exit).
    const TDUserDictionaries& UserDictionaries() const { return fUserDictionaries; }
    // "О программе".
    void act_AboutExecute();

    // A file to choose: what the window asks of a file dialog.
    struct TDFileChoice {
        bool Save = false;   // a name to write (else an existing file to read)
        QString Title;       // the dialog's title (empty: the system's)
        QString Folder;      // where the dialog starts
        QString FileName;    // the name offered first
        QStringList Filters; // "Name (*.ext)" entries, the first one selected
    };
    // Answers the window's file dialogs instead of the user when set (tests): the chosen name, or an
    // empty text for Cancel.
    std::function<QString(const TDFileChoice&)> ChooseFileHook;

    // The replacement lists: "Сохранить список замен" writes the review with each occurrence's place in
    // the document; "Открыть список замен" asks for a list and reads it (WTRFileOpen); WTRFileOpen reads
    // a list into the review, replacing it, and returns whether it did.
    void act_FileSaveDataExecute();
    void act_FileLoadDataExecute();
    bool WTRFileOpen(const QString& AFileName);
    // "Сохранить неоднозначные" (developer): the ambiguous occurrences as a tab-separated text file.
    void act_ListExportDualsExecute();
    // "Найти снова" (F3): looks up the selected details text in Word's document; only in Word mode.
    void act_FindCustomTextAgainExecute();
    // The settings as the window holds them (written at exit).
    const TDSettings& Settings() const { return fSettings; }
    // The document holds replacements that no "Сохранить как..." has written yet.
    bool DocumentChanged() const { return fDocumentChanged; }

    // The filter: apply it to the shown list, show everything again ("Отмена"), the click on a filter
    // box (its tag is its bit), the free-text toggle.
    void act_FilterApplyExecute();
    void act_FilterClearExecute();
    void FilterBoxClicked(QCheckBox* box);
    void ToggleCustomFilter();
    const TDFilterController& Filter() const { return fFilter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString ChooseFile(const TDFileChoice& choice);
    // Runs work under the wait cursor; a TDError it throws is shown as a warning. True when it ran
    // through.
    bool RunReported(const std::function<void()>& work);
    // Asks before replacements not yet saved are dropped; true to go on.
    bool ConfirmDropChanges(const QString& question);
    QString ListNameOfDocument() const;
    void CreateActions();
    void CreateMenus();
    QWidget* CreateControlPanel();
    QWidget* CreateEntriesPanel();
    void CreateStatusBar();
    void ApplyModeLayout();
    void ReadSettings();
    void WriteSettings();
    void LoadDictionaries();
    void FillRecentMenu();
    void AddRecent(const QString& fileName);
    void ShowList();
    void RefreshList(bool keepExpanded);
    void DoBeforeSearch();
    void DoAfterSearch(const TDAnalysisController::Result& result);
    void DoSearchProgress(int line, int lineCount, int added, qint64 elapsedMs);
    void ClearRunInfo();
    void ReviewChanged();
    void OnCurrentChanged(const QModelIndex& current);
    void OnIconClicked(const QModelIndex& index);
    void OnEntryChecked();
    void ShowDetails(const TDContextEntry* entry);
    TDWords2Replace& ShownList();
    QWidget* CreateFilterGroup();
    void FilterRatingPressed(QCheckBox* box, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    void FilterRatingReleased(QCheckBox* box);

    Environment fEnv;
    TDSettings fSettings;
    TDUserDictionaries fUserDictionaries;
    TDWords2Replace fWords2Replace;
    TDWords2Replace fMorfs2Replace;
    TDContextEntries fEntries;
    TDDocument fDocument;
    QString fLastFolderOpened;
    bool fNeedToSave = false;
    bool fDocumentChanged = false;
    bool fShowEntriesCount = true; // the list shows the counts from the start
    int fWordSearchType = 2;       // the Word search type: 2 at every start
    TDFileEncoding fSaveEncoding = feNone;
    bool fAllRules = false;
    bool fShowPrevious = false;
    bool fStopOperation = false;
    bool fDestroying = false;
    int fMessageBoxAnswer = -1;
    QString fLastRunMessage;
    QString fLastMessage;
    TDAnalysisController fAnalysis;
    TDFilterController fFilter;
    Tfrm_RegExInfo* fRegExInfo = nullptr;
    void DockRegExInfo();
    void UpdateReplaceAction();
    bool fAltPressed = false;

    // Commands.
    QAction* act_FileOpen = nullptr;
    QAction* act_FileSave = nullptr;
    QAction* act_ListOpen = nullptr;
    QAction* act_ListSave = nullptr;
    QAction* act_OpenTest = nullptr;
    QAction* act_Exit = nullptr;
    QAction* act_FindAll = nullptr;
    QAction* act_StopAnalyze = nullptr;
    QAction* act_ReplaceE = nullptr;
    QAction* act_Options = nullptr;
    QAction* act_ListSortWordsByName = nullptr;
    QAction* act_SortWordsByEntriesCount = nullptr;
    QAction* act_ListExpandAll = nullptr;
    QAction* act_ListCollapseAll = nullptr;
    QAction* act_ListAgreeWithSuggestion = nullptr;
    QAction* act_ListClear = nullptr;
    QAction* act_SaveDuals = nullptr;
    QAction* act_RegExInfo = nullptr;
    QAction* act_Site = nullptr;
    QAction* act_About = nullptr;
    QAction* act_FindCustomTextAgain = nullptr;
    QMenu* mni_File = nullptr;
    QMenu* mni_Recent = nullptr;

    // Controls.
    QWidget* pnl_Controls = nullptr;
    QGroupBox* grp_Search = nullptr;
    QCheckBox* chk_SearchWordsWithYo = nullptr;
    QCheckBox* chk_SearchOne = nullptr;
    QCheckBox* chk_SearchTwo = nullptr;
    QToolButton* img_RuleCount = nullptr;
    QRadioButton* rdb_FindActiveStory = nullptr;
    QRadioButton* rdb_FindAllStories = nullptr;
    QPushButton* btn_Search = nullptr;
    QWidget* pnl_Info = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QLabel* lbl_WordsCount = nullptr;
    QLabel* lbl_ParagraphsCount = nullptr;
    QLabel* lbl_TimeElapsed = nullptr;
    QLabel* lbl_TimeRemain = nullptr;
    QLabel* lbl_WordsPerSecond = nullptr;
    QLabel* lbl_WordsAdded = nullptr;
    QLabel* lbl_CurrentPage = nullptr;
    QList<QWidget*> fInfoStatistics; // the statistics rows of the information panel
    QPushButton* btn_Stop = nullptr;
    QGroupBox* grp_Filter = nullptr;
    QCheckBox* chk_FilterOne = nullptr;
    QCheckBox* chk_FilterTwo = nullptr;
    QCheckBox* chk_FilterR2 = nullptr;
    QCheckBox* chk_FilterR1 = nullptr;
    QCheckBox* chk_FilterR0 = nullptr;
    QCheckBox* chk_FilterR1no = nullptr;
    QCheckBox* chk_FilterR2no = nullptr;
    QCheckBox* chk_FilterYoInDoc = nullptr;
    QCheckBox* chk_FilterChecked = nullptr;
    QCheckBox* chk_FilterUnChecked = nullptr;
    QCheckBox* chk_FilterUnSeen = nullptr;
    QList<QCheckBox*> fFilterRLChecks; // the five rating boxes
    QList<QCheckBox*> fFilterChecks;   // all eleven
    QLineEdit* edt_FilterCustom = nullptr;
    TDButton* btn_FilterCustomApply = nullptr;
    QPushButton* btn_FilterClear = nullptr;
    QMenu* ppm_MainVST = nullptr;
    QAction* act_FilterRefresh = nullptr;
    QAction* act_FilterClear = nullptr;
    QGroupBox* grp_Sort = nullptr;
    QCheckBox* chk_Morfology = nullptr;
    TDButton* btn_SortLevel1 = nullptr;
    TDButton* btn_SortLevel2 = nullptr;
    QPushButton* btn_Replace = nullptr;
    TDCandidateTreeView* vst_Main = nullptr;
    TDCandidateListModel* fListModel = nullptr;
    TDCandidateDelegate* fListDelegate = nullptr;
    QSplitter* split_Entries = nullptr;
    QTextEdit* mem_EntryDetails = nullptr;
    QToolButton* img_ShowPrevious = nullptr;
    QLabel* lbl_WordsInList = nullptr;
    QLabel* lbl_WordsNotChecked = nullptr;
    QLabel* lbl_WordsTotal = nullptr;
    QLabel* lbl_Pages = nullptr;
    QLabel* lbl_PageCurrent = nullptr;
    QLabel* lbl_PagesTotal = nullptr;
    QLabel* lbl_StatusInfo = nullptr;
    QLabel* lbl_Encoding = nullptr;
    QLabel* img_FB2 = nullptr;
};
