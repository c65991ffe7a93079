#include "mainform.h"

#include "aboutform.h"
#include "candidatedelegate.h"
#include "candidatelistmodel.h"
#include "candidatetreeview.h"
#include "contextentry.h"
#include "decisions.h"
#include "dictionaryset.h"
#include "documentsaving.h"
#include "error.h"
#include "filereplacer.h"
#include "infoicons.h"
#include "linereplacer.h"
#include "optionsform.h"
#include "orderings.h"
#include "regexinfoform.h"
#include "replacementlist.h"
#include "saveasdialog.h"
#include "strutils.h"
#include "tdbutton.h"
#include "textfile.h"
#include "word2replace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kNoDocument = "нет открытых документов";
// The program's web site ("Сайт программы").
const char* const kSiteAddress = "https://tarv.example.org/";

// "hh:mm:ss" of a number of seconds.
QString Clock(double seconds) {
    return QTime(0, 0).addMSecs(qint64(qMax(0.0, seconds) * 1000.0)).toString(QStringLiteral("hh:mm:ss"));
}

// A number with thousands separators, padded on the left to 8 characters.
QString Thousands(qint64 n) {
    return QLocale().toString(n).rightJustified(8);
}

QLabel* ValueLabel(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

TMainForm::TMainForm(const Environment& env, QWidget* parent) : QMainWindow(parent), fEnv(env) {
    setWindowTitle(QString::fromUtf8(kNoDocument));
    setAcceptDrops(true);

    CreateActions();
    CreateMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateControlPanel());
    layout->addWidget(CreateEntriesPanel(), 1);
    setCentralWidget(central);
    CreateStatusBar();

    fRegExInfo = new Tfrm_RegExInfo(this);

    // The window sees every key before the focused control does.
    qApp->installEventFilter(this);
    ApplyModeLayout();

    // Settings, containers, user dictionaries.
    ReadSettings();
    fWords2Replace.SetOnChangeCheckState(
        [this](TDWord2Replace*, TDContextEntry*, TDCheckState) { ReviewChanged(); });
    fMorfs2Replace.SetOnChangeCheckState(
        [this](TDWord2Replace*, TDContextEntry*, TDCheckState) { ReviewChanged(); });
    img_ShowPrevious->setVisible(fEnv.OleServer == osNone);

    LoadDictionaries();
    if (fEnv.OleServer == osNone)
        FillRecentMenu();

    // Geometry, then the search options.
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableSize()
                                                          : QSize(1024, 768);
    setGeometry(TDSettingsFile::MainFormGeometry(fSettings, screen, frameGeometry().size()));
    SetSearchWordsWithYo(fSettings.SearchWordsWithYo);

    if (fEnv.OleServer != osNone) {
        // The host connection comes with the host adapters.
    }
    UpdateStatusBar();
    ClearRunInfo();

    if (!fEnv.CommandLineFile.isEmpty())
        FileOpen(fEnv.CommandLineFile);
}

TMainForm::~TMainForm() {
    fDestroying = true;
    qApp->removeEventFilter(this);
    try {
        WriteSettings();
    } catch (const TDError& e) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kNoDocument).isEmpty() ? QString() : windowTitle(),
                              e.Message());
    }
}

// ---------------------------------------------------------------------------------------------
// Commands and menus

void TMainForm::CreateActions() {
    act_FileOpen = new QAction(QStringLiteral("Открыть"), this);
    act_FileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    act_FileOpen->setStatusTip(QStringLiteral("открыть документ"));
    connect(act_FileOpen, &QAction::triggered, this, [this] {
        const QString name = QFileDialog::getOpenFileName(
            this, QStringLiteral("Открыть"), fLastFolderOpened,
            QStringLiteral("Все поддерживаемые (*.fb2 *.htm *.html *.xml *.txt *.rtf);;fb2 файл (*.fb2);;"
                           "html файл (*.htm *.html);;XML файл (*.xml);;TXT файл (*.txt);;RTF файл (*.rtf);;"
                           "все файлы (*)"));
        if (!name.isEmpty())
            FileOpen(name);
    });

    act_FileSave = new QAction(QStringLiteral("Сохранить как..."), this);
    act_FileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    act_FileSave->setStatusTip(QStringLiteral("сохранить документ с «ё» в новый файл"));
    act_FileSave->setEnabled(false); // enabled while a document is open in file mode
    connect(act_FileSave, &QAction::triggered, this, &TMainForm::act_FileSaveExecute);

    // In file mode the lists keep each occurrence's place, so a review can be saved, and loaded again
    // over the same document; elsewhere the commands stay out of the menu.
    act_ListOpen = new QAction(QStringLiteral("Открыть список замен"), this);
    act_ListOpen->setStatusTip(QStringLiteral("загрузить список замен"));
    act_ListOpen->setVisible(fEnv.OleServer == osNone);
    connect(act_ListOpen, &QAction::triggered, this, &TMainForm::act_FileLoadDataExecute);
    act_ListSave = new QAction(QStringLiteral("Сохранить список замен"), this);
    act_ListSave->setStatusTip(QStringLiteral("сохранить список замен"));
    act_ListSave->setVisible(fEnv.OleServer == osNone);
    act_ListSave->setEnabled(false); // enabled while the list holds word forms
    connect(act_ListSave, &QAction::triggered, this, &TMainForm::act_FileSaveDataExecute);
    act_OpenTest = new QAction(QStringLiteral("Открыть test.fb2"), this);
    connect(act_OpenTest, &QAction::triggered, this, [this] {
        FileOpen(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("test.fb2")));
    });

    act_Exit = new QAction(QStringLiteral("Выход"), this);
    act_Exit->setStatusTip(QStringLiteral("Выход из программы"));
    connect(act_Exit, &QAction::triggered, this, &QWidget::close);

    act_FindAll = new QAction(QStringLiteral("Анализ текста"), this);
    act_FindAll->setShortcut(QKeySequence(Qt::Key_F9));
    act_FindAll->setShortcutContext(Qt::ApplicationShortcut);
    connect(act_FindAll, &QAction::triggered, this, &TMainForm::act_FindAllExecute);

    act_StopAnalyze = new QAction(QStringLiteral("стоп"), this);
    act_StopAnalyze->setVisible(false);
    connect(act_StopAnalyze, &QAction::triggered, this, [this] { SetStopOperation(true); });

    act_ReplaceE = new QAction(QStringLiteral("Заменить "), this);
    act_ReplaceE->setStatusTip(QStringLiteral("Замена отмеченных вхождений"));
    act_ReplaceE->setEnabled(false); // enabled while the list holds word forms
    connect(act_ReplaceE, &QAction::triggered, this, &TMainForm::act_ReplaceEExecute);
    act_Options = new QAction(QStringLiteral("Настройки"), this);
    act_Options->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(act_Options, &QAction::triggered, this, &TMainForm::act_OptionsExecute);

    act_ListSortWordsByName = new QAction(QStringLiteral("по слову"), this);
    connect(act_ListSortWordsByName, &QAction::triggered, this, [this] {
        ShownList().Sort(CompareWordsByName);
        fFilter.Apply(ShownList());
        RefreshList(false);
    });
    act_SortWordsByEntriesCount = new QAction(QStringLiteral("по числу словоформ"), this);
    connect(act_SortWordsByEntriesCount, &QAction::triggered, this, [this] {
        ShownList().Sort(CompareWordsByEntryCount);
        fFilter.Apply(ShownList());
        RefreshList(false);
    });
    act_FilterRefresh = new QAction(QStringLiteral("Обновить"), this);
    act_FilterRefresh->setStatusTip(QStringLiteral("обновить фильтр"));
    connect(act_FilterRefresh, &QAction::triggered, this, &TMainForm::act_FilterApplyExecute);
    act_FilterClear = new QAction(QStringLiteral("Отмена"), this);
    act_FilterClear->setStatusTip(QStringLiteral("Отмена фильтрации"));
    connect(act_FilterClear, &QAction::triggered, this, &TMainForm::act_FilterClearExecute);
    act_ListExpandAll = new QAction(QStringLiteral("Раскрыть все вхождения"), this);
    connect(act_ListExpandAll, &QAction::triggered, this, [this] { ExpandAll(true); });
    act_ListCollapseAll = new QAction(QStringLiteral("Свернуть все вхождения"), this);
    connect(act_ListCollapseAll, &QAction::triggered, this, [this] { ExpandAll(false); });
    act_ListAgreeWithSuggestion = new QAction(QStringLiteral("Согласиться с предложенным"), this);
    act_ListAgreeWithSuggestion->setStatusTip(QStringLiteral("Согласиться с предложенным вариантом замены"));
    connect(act_ListAgreeWithSuggestion, &QAction::triggered, this,
            &TMainForm::act_ListAgreeWithSuggestionExecute);
    act_ListClear = new QAction(QStringLiteral("Очистить"), this);
    act_ListClear->setStatusTip(QStringLiteral("Очистить список"));
    connect(act_ListClear, &QAction::triggered, this, [this] { act_ListClearExecute(true); });
    act_SaveDuals = new QAction(QStringLiteral("Сохранить неоднозначные"), this);
    connect(act_SaveDuals, &QAction::triggered, this, &TMainForm::act_ListExportDualsExecute);
    act_FindCustomTextAgain = new QAction(QStringLiteral("Найти снова"), this);
    act_FindCustomTextAgain->setStatusTip(QStringLiteral("найти выделенный текст в документе Word"));
    // It searches Word's document: without Word there is nothing to search.
    act_FindCustomTextAgain->setEnabled(fEnv.OleServer == osWord);
    connect(act_FindCustomTextAgain, &QAction::triggered, this, &TMainForm::act_FindCustomTextAgainExecute);

    act_RegExInfo = new QAction(QStringLiteral("RegEx информация"), this);
    connect(act_RegExInfo, &QAction::triggered, this, &TMainForm::RegEx2Click);
    act_Site = new QAction(QStringLiteral("Сайт программы"), this);
    connect(act_Site, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kSiteAddress))); });
    act_About = new QAction(QStringLiteral("О программе"), this);
    connect(act_About, &QAction::triggered, this, &TMainForm::act_AboutExecute);

    const bool developer = fEnv.UserName == QLatin1String("Developer");
    act_SaveDuals->setVisible(developer);
    act_OpenTest->setVisible(developer);
}

void TMainForm::CreateMenus() {
    mni_File = menuBar()->addMenu(QStringLiteral("Файл"));
    mni_File->addAction(act_FileOpen);
    mni_File->addAction(act_FileSave);
    mni_File->addAction(act_ListOpen);
    mni_File->addAction(act_ListSave);
    mni_File->addAction(act_OpenTest);
    mni_File->addSeparator();
    mni_File->addAction(act_Exit);
    mni_Recent = new QMenu(QStringLiteral("Недавние документы"), this);

    QMenu* text = menuBar()->addMenu(QStringLiteral("Текст"));
    auto* find = new QAction(QStringLiteral("Найти"), this);
    find->setShortcut(act_FindAll->shortcut());
    find->setShortcutContext(Qt::WidgetShortcut); // the shortcut itself belongs to act_FindAll
    connect(find, &QAction::triggered, this, &TMainForm::act_FindAllExecute);
    text->addAction(find);
    text->addAction(act_ReplaceE);
    text->addAction(act_Options);

    QMenu* list = menuBar()->addMenu(QStringLiteral("Список"));
    QMenu* sort = list->addMenu(QStringLiteral("Сортировать"));
    sort->addAction(act_ListSortWordsByName);
    sort->addAction(act_SortWordsByEntriesCount);
    list->addAction(act_ListExpandAll);
    list->addAction(act_ListCollapseAll);
    list->addSeparator();
    list->addAction(act_ListAgreeWithSuggestion);
    list->addAction(act_ListClear);
    list->addAction(act_SaveDuals);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Помощь"));
    help->addAction(act_RegExInfo);
    help->addAction(act_Site);
    help->addAction(act_About);
    addAction(act_FindAll);
    addAction(act_FindCustomTextAgain);
}

// ---------------------------------------------------------------------------------------------
// Layout

QWidget* TMainForm::CreateControlPanel() {
    pnl_Controls = new QWidget(this);
    pnl_Controls->setObjectName(QStringLiteral("pnl_Controls"));
    pnl_Controls->setFixedWidth(191);
    auto* v = new QVBoxLayout(pnl_Controls);
    v->setContentsMargins(10, 10, 8, 10);

    // Search options.
    grp_Search = new QGroupBox(QStringLiteral(" параметры поиска "), pnl_Controls);
    grp_Search->setObjectName(QStringLiteral("grp_Search"));
    auto* sv = new QVBoxLayout(grp_Search);
    chk_SearchWordsWithYo = new QCheckBox(QStringLiteral("искать слова с «ё»"), grp_Search);
    chk_SearchWordsWithYo->setObjectName(QStringLiteral("chk_SearchWordsWithYo"));
    chk_SearchWordsWithYo->setToolTip(QStringLiteral("Искать в тексте слова, в которых есть «ё»"));
    chk_SearchOne = new QCheckBox(QStringLiteral("искать 1 (е)"), grp_Search);
    chk_SearchOne->setObjectName(QStringLiteral("chk_SearchOne"));
    chk_SearchTwo = new QCheckBox(QStringLiteral("искать 2 (е|ё)"), grp_Search);
    chk_SearchTwo->setObjectName(QStringLiteral("chk_SearchTwo"));
    chk_SearchOne->setChecked(true);
    chk_SearchTwo->setChecked(true);
    // The two can't both be cleared: clearing one while the other is cleared ticks it again.
    for (QCheckBox* box : {chk_SearchOne, chk_SearchTwo}) {
        connect(box, &QCheckBox::clicked, this, [this, box] {
            if (!chk_SearchOne->isChecked() && !chk_SearchTwo->isChecked())
                box->setChecked(true);
        });
    }
    img_RuleCount = new QToolButton(grp_Search);
    img_RuleCount->setObjectName(QStringLiteral("img_RuleCount"));
    img_RuleCount->setAutoRaise(true);
    img_RuleCount->setToolTip(QStringLiteral("проверять для слова «всё» все правила"));
    img_RuleCount->setIcon(InfoIcons::RuleCount(false));
    connect(img_RuleCount, &QToolButton::clicked, this, [this] {
        fAllRules = !fAllRules;
        img_RuleCount->setIcon(InfoIcons::RuleCount(fAllRules));
    });
    auto* twoRow = new QHBoxLayout;
    twoRow->addWidget(chk_SearchTwo);
    twoRow->addWidget(img_RuleCount);
    rdb_FindActiveStory = new QRadioButton(QStringLiteral("текущий Story"), grp_Search);
    rdb_FindAllStories = new QRadioButton(QStringLiteral("все Stories"), grp_Search);
    rdb_FindAllStories->setChecked(true);
    btn_Search = new QPushButton(QStringLiteral("найти"), grp_Search);
    btn_Search->setObjectName(QStringLiteral("btn_Search"));
    btn_Search->setToolTip(QStringLiteral("Найти слова, пишущиеся через «ё»"));
    connect(btn_Search, &QPushButton::clicked, act_FindAll, &QAction::trigger);
    sv->addWidget(chk_SearchWordsWithYo);
    sv->addWidget(chk_SearchOne);
    sv->addLayout(twoRow);
    sv->addWidget(rdb_FindActiveStory);
    sv->addWidget(rdb_FindAllStories);
    sv->addWidget(btn_Search, 0, Qt::AlignRight);
    v->addWidget(grp_Search);

    // The information panel of a run.
    pnl_Info = new QWidget(pnl_Controls);
    pnl_Info->setObjectName(QStringLiteral("pnl_Info"));
    auto* iv = new QVBoxLayout(pnl_Info);
    iv->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    auto addRow = [&](const QString& caption, QLabel*& value) {
        value = ValueLabel(pnl_Info);
        auto* label = new QLabel(caption, pnl_Info);
        form->addRow(label, value);
        fInfoStatistics << label << value;
    };
    addRow(QStringLiteral("слов всего"), lbl_WordsCount);
    addRow(QStringLiteral("абзацев всего"), lbl_ParagraphsCount);
    addRow(QStringLiteral("времени прошло"), lbl_TimeElapsed);
    addRow(QStringLiteral("времени осталось"), lbl_TimeRemain);
    addRow(QStringLiteral("скорость (сл/сек)"), lbl_WordsPerSecond);
    addRow(QStringLiteral("слов найдено"), lbl_WordsAdded);
    addRow(QStringLiteral("страница"), lbl_CurrentPage);
    ProgressBar = new QProgressBar(pnl_Info);
    ProgressBar->setTextVisible(false);
    ProgressBar->setMaximumHeight(12);
    btn_Stop = new QPushButton(QStringLiteral("стоп"), pnl_Info);
    btn_Stop->setObjectName(QStringLiteral("btn_Stop"));
    connect(btn_Stop, &QPushButton::clicked, act_StopAnalyze, &QAction::trigger);
    connect(act_StopAnalyze, &QAction::changed, this,
            [this] { btn_Stop->setVisible(act_StopAnalyze->isVisible()); });
    iv->addLayout(form);
    iv->addWidget(ProgressBar);
    iv->addWidget(btn_Stop, 0, Qt::AlignRight);
    pnl_Info->hide();
    v->addWidget(pnl_Info);

    v->addWidget(CreateFilterGroup());

    // Sorting.
    grp_Sort = new QGroupBox(QStringLiteral(" сортировка "), pnl_Controls);
    grp_Sort->setObjectName(QStringLiteral("grp_Sort"));
    auto* gv = new QGridLayout(grp_Sort);
    chk_Morfology = new QCheckBox(QStringLiteral("сгруппировать"), grp_Sort);
    chk_Morfology->setObjectName(QStringLiteral("chk_Morfology"));
    connect(chk_Morfology, &QCheckBox::clicked, this, [this](bool on) { SetGrouped(on); });
    auto sortButton = [this](const QString& caption, const QList<QPair<QString, int>>& items, bool words) {
        auto* b = new TDButton(grp_Sort);
        b->setText(caption);
        b->setFixedSize(96, 21);
        b->SetAlignment(Qt::AlignLeft);
        auto* menu = new QMenu(b);
        for (const auto& [text, tag] : items) {
            QAction* a = menu->addAction(text);
            a->setData(tag);
            connect(a, &QAction::triggered, this, [this, b, text = text, tag = tag, words] {
                b->setText(text);
                if (words)
                    SortWords(tag);
                else
                    SortEntries(tag);
            });
        }
        b->SetDropDownMenu(menu);
        return b;
    };
    btn_SortLevel1 = sortButton(QStringLiteral("как есть"),
                                {{QStringLiteral("слову"), 1}, {QStringLiteral("числу слов"), 2}}, true);
    btn_SortLevel1->setObjectName(QStringLiteral("btn_SortLevel1"));
    btn_SortLevel2 = sortButton(QStringLiteral("reg тексту"),
                                {{QStringLiteral("правилу"), 1}, {QStringLiteral("контексту"), 2}}, false);
    btn_SortLevel2->setObjectName(QStringLiteral("btn_SortLevel2"));
    gv->addWidget(chk_Morfology, 0, 0, 1, 2);
    gv->addWidget(new QLabel(QStringLiteral("по"), grp_Sort), 1, 0);
    gv->addWidget(btn_SortLevel1, 1, 1);
    gv->addWidget(new QLabel(QStringLiteral("затем по"), grp_Sort), 2, 0);
    gv->addWidget(btn_SortLevel2, 2, 1);
    grp_Sort->hide();
    v->addWidget(grp_Sort);

    btn_Replace = new QPushButton(QStringLiteral("заменить"), pnl_Controls);
    btn_Replace->setObjectName(QStringLiteral("btn_Replace"));
    btn_Replace->setFixedSize(99, 26);
    connect(btn_Replace, &QPushButton::clicked, act_ReplaceE, &QAction::trigger);
    btn_Replace->hide();
    v->addWidget(btn_Replace, 0, Qt::AlignRight);
    v->addStretch(1);
    // 191 pixels hold every caption in the narrow fonts the panel was drawn for; wider fonts widen it
    // rather than cut the filter captions.
    // (The groups shown only after a run count too.)
    const QMargins m = v->contentsMargins();
    int needed = 191;
    for (QWidget* group : {static_cast<QWidget*>(grp_Search), static_cast<QWidget*>(grp_Filter),
                           static_cast<QWidget*>(grp_Sort)})
        needed = qMax(needed, group->sizeHint().width() + m.left() + m.right());
    pnl_Controls->setFixedWidth(needed);
    return pnl_Controls;
}

QWidget* TMainForm::CreateEntriesPanel() {
    split_Entries = new QSplitter(Qt::Vertical, this);
    split_Entries->setObjectName(QStringLiteral("split_Entries"));
    split_Entries->setHandleWidth(7);
    split_Entries->setChildrenCollapsible(false);

    vst_Main = new TDCandidateTreeView(split_Entries);
    vst_Main->setObjectName(QStringLiteral("vst_Main"));
    QFont listFont = vst_Main->font();
    listFont.setPointSize(9);
    vst_Main->setFont(listFont);
    fListModel = new TDCandidateListModel(this);
    fListDelegate = new TDCandidateDelegate(this);
    vst_Main->setModel(fListModel);
    vst_Main->setItemDelegate(fListDelegate);
    vst_Main->setMinimumHeight(50);
    connect(vst_Main->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(fListDelegate, &TDCandidateDelegate::IconClicked, this, &TMainForm::OnIconClicked);
    // The popup menu of the list: decisions for the selected rows.
    ppm_MainVST = new QMenu(vst_Main);
    const QList<QPair<QString, int>> decisions = {{QStringLiteral("Заменять"), 1},
                                                  {QStringLiteral("Не заменять"), -1},
                                                  {QStringLiteral("Согласиться с предложенным"), 0}};
    for (const auto& [caption, tag] : decisions) {
        QAction* a = ppm_MainVST->addAction(caption);
        a->setData(tag);
        connect(a, &QAction::triggered, this, [this, tag = tag] { act_ListChangeCheckStateExecute(tag); });
    }
    connect(vst_Main, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ppm_MainVST->popup(vst_Main->viewport()->mapToGlobal(pos)); });
    connect(fListModel, &TDCandidateListModel::EntryChecked, this, &TMainForm::OnEntryChecked);

    auto* details = new QWidget(split_Entries);
    auto* dh = new QHBoxLayout(details);
    dh->setContentsMargins(0, 0, 0, 0);
    dh->setSpacing(0);
    mem_EntryDetails = new QTextEdit(details);
    mem_EntryDetails->setObjectName(QStringLiteral("mem_EntryDetails"));
    mem_EntryDetails->setReadOnly(true);
    mem_EntryDetails->setMinimumHeight(50);
    auto* strip = new QWidget(details);
    strip->setFixedWidth(18);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, Qt::white);
    strip->setPalette(pal);
    auto* sv = new QVBoxLayout(strip);
    sv->setContentsMargins(1, 2, 1, 2);
    img_ShowPrevious = new QToolButton(strip);
    img_ShowPrevious->setObjectName(QStringLiteral("img_ShowPrevious"));
    img_ShowPrevious->setAutoRaise(true);
    img_ShowPrevious->setIcon(InfoIcons::ShowPrevious(false));
    img_ShowPrevious->setToolTip(QStringLiteral("показывать предыдущую строку (P)"));
    connect(img_ShowPrevious, &QToolButton::clicked, this, &TMainForm::ToggleShowPrevious);
    sv->addWidget(img_ShowPrevious);
    sv->addStretch(1);
    dh->addWidget(mem_EntryDetails, 1);
    dh->addWidget(strip);
    split_Entries->addWidget(vst_Main);
    split_Entries->addWidget(details);
    split_Entries->setStretchFactor(0, 1);
    split_Entries->setStretchFactor(1, 0);
    split_Entries->setSizes({400, 94});
    return split_Entries;
}

void TMainForm::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("pnl_Status"));
    bar->setSizeGripEnabled(true);
    auto label = [bar](const QString& name, const QString& hint) {
        auto* l = new QLabel(bar);
        l->setObjectName(name);
        l->setToolTip(hint);
        l->setMinimumWidth(36);
        return l;
    };
    bar->addWidget(new QLabel(QStringLiteral("слова:"), bar));
    lbl_WordsInList =
        label(QStringLiteral("lbl_WordsInList"), QStringLiteral("количество словоформ в списке"));
    lbl_WordsNotChecked =
        label(QStringLiteral("lbl_WordsNotChecked"), QStringLiteral("количество непроверенных словоформ"));
    lbl_WordsTotal = label(QStringLiteral("lbl_WordsTotal"), QStringLiteral("общее количество словоформ"));
    bar->addWidget(lbl_WordsInList);
    bar->addWidget(lbl_WordsNotChecked);
    bar->addWidget(lbl_WordsTotal);
    lbl_Pages = new QLabel(QStringLiteral("страницы:"), bar);
    lbl_PageCurrent = label(QStringLiteral("lbl_PageCurrent"), QStringLiteral("текущая страница"));
    lbl_PagesTotal = label(QStringLiteral("lbl_PagesTotal"), QStringLiteral("количество страниц"));
    bar->addWidget(lbl_Pages);
    bar->addWidget(lbl_PageCurrent);
    bar->addWidget(lbl_PagesTotal);
    lbl_StatusInfo = label(QStringLiteral("lbl_StatusInfo"), QString());
    bar->addWidget(lbl_StatusInfo, 1);
    img_FB2 = new QLabel(QStringLiteral("FB2"), bar);
    img_FB2->setObjectName(QStringLiteral("img_FB2"));
    img_FB2->setStyleSheet(QStringLiteral("QLabel { color: white; background: #5A82B4; border-radius: 3px;"
                                          " padding: 0 4px; font-weight: bold; }"));
    img_FB2->hide();
    lbl_Encoding = label(QStringLiteral("lbl_Encoding"), QStringLiteral("кодировка документа"));
    bar->addPermanentWidget(img_FB2);
    bar->addPermanentWidget(lbl_Encoding);
}

void TMainForm::ApplyModeLayout() {
    const bool file = fEnv.OleServer == osNone;
    const bool word = fEnv.OleServer == osWord;
    const bool stories = fEnv.OleServer == osInDesign || fEnv.OleServer == osInCopy;
    rdb_FindActiveStory->setVisible(stories);
    rdb_FindAllStories->setVisible(stories);
    for (QWidget* w : {static_cast<QWidget*>(lbl_Pages), static_cast<QWidget*>(lbl_PageCurrent),
                       static_cast<QWidget*>(lbl_PagesTotal)})
        w->setVisible(word);
    lbl_CurrentPage->setVisible(word);
    act_FileOpen->setEnabled(file);
    act_FileSave->setEnabled(file && fDocument.CommonFile().Count() > 0);
    // The statistics rows of the information panel: hidden in file mode, where a run only shows
    // the time, the speed and the bar.
    for (int i = 0; i < fInfoStatistics.size(); ++i) {
        const bool pageRow = i >= fInfoStatistics.size() - 2;
        fInfoStatistics[i]->setVisible(pageRow ? word : !file);
    }
    img_FB2->hide();
    pnl_Controls->setVisible(!file);
}

// ---------------------------------------------------------------------------------------------
// Settings, dictionaries, documents

void TMainForm::ReadSettings() {
    try {
        fSettings = TDSettingsFile(fEnv.SettingsFileName).Read(fEnv.OleServer == osNone);
    } catch (const TDError& e) {
        ShowMessage(QMessageBox::Warning, e.Message(), QMessageBox::Ok);
        fSettings = TDSettings();
    }
    fUserDictionaries = fSettings.UserDictionaries;
}

void TMainForm::WriteSettings() {
    fSettings.MainFormLeft = geometry().left();
    fSettings.MainFormTop = geometry().top();
    fSettings.MainFormWidth = width();
    fSettings.MainFormHeight = height();
    fSettings.SearchWordsWithYo = GetSearchWordsWithYo();
    fSettings.UserDictionaries = fUserDictionaries;
    TDSettingsFile(fEnv.SettingsFileName).Write(fSettings, fEnv.OleServer == osNone);
}

void TMainForm::LoadDictionaries() {
    TDDictionarySet& dicts = GlobalDictionaries();
    try {
        dicts.LoadDictionaries(fEnv.DictionaryFolder, fUserDictionaries, [this](const QString& message) {
            ShowMessage(QMessageBox::Warning, message, QMessageBox::Ok);
        });
    } catch (const TDError& e) {
        ShowMessage(QMessageBox::Critical, e.Message(), QMessageBox::Ok);
    }
}

void TMainForm::FillRecentMenu() {
    mni_Recent->clear();
    for (const QString& name : fSettings.OpenedFiles) {
        QAction* a = mni_Recent->addAction(QDir::toNativeSeparators(name));
        connect(a, &QAction::triggered, this, [this, name] { FileOpen(name); });
    }
    mni_Recent->menuAction()->setVisible(!fSettings.OpenedFiles.isEmpty());
    if (!mni_File->actions().contains(mni_Recent->menuAction()))
        mni_File->insertMenu(act_Exit, mni_Recent);
}

void TMainForm::AddRecent(const QString& fileName) {
    // A name already present keeps its place; a new one goes first; ten at most.
    if (!fSettings.OpenedFiles.contains(fileName)) {
        fSettings.OpenedFiles.prepend(fileName);
        while (fSettings.OpenedFiles.size() > 10)
            fSettings.OpenedFiles.removeLast();
    }
    FillRecentMenu();
}

bool TMainForm::FileOpen(const QString& fileName) {
    if (fEnv.OleServer != osNone)
        return false; // documents open through their host
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    if (!ConfirmDropChanges(QStringLiteral("Открыть другой документ без сохранения?")))
        return false;
    if (!RunReported(
            [&] { fDocument.FileOpen(absolute, [](qint64, qint64) { QCoreApplication::processEvents(); }); }))
        return false;
    // A new document starts a new review.
    fDocumentChanged = false;
    act_ListClearExecute(false);
    fLastFolderOpened = fDocument.LastFolderOpened();
    setWindowTitle(QDir::toNativeSeparators(absolute));
    const TDFileType type = fDocument.FileTypeOpened();
    img_FB2->setVisible(type == ftFB2);
    if (type == ftFB2 || type == ftXML || type == ftTXT)
        lbl_Encoding->setText(fDocument.FileEncoding() == feUTF8 ? QStringLiteral("UTF-8")
                                                                 : QStringLiteral("windows-1251"));
    AddRecent(absolute);
    act_FileSave->setEnabled(fDocument.CommonFile().Count() > 0);
    if (!fDocument.Note().isEmpty())
        ShowMessage(QMessageBox::Information, fDocument.Note(), QMessageBox::Ok);
    if (fDocument.CommonFile().Count() > 0) {
        pnl_Controls->show();
        if (fSettings.DoSearchAfterOpen && !isVisible()) {
            show();
            QCoreApplication::processEvents();
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The analysis run

bool TMainForm::GetSearchWordsWithYo() const {
    return chk_SearchWordsWithYo->isChecked();
}

void TMainForm::SetSearchWordsWithYo(bool value) {
    chk_SearchWordsWithYo->setChecked(value);
}

int TMainForm::GetSearchOneTwo() const {
    const bool one = chk_SearchOne->isChecked();
    const bool two = chk_SearchTwo->isChecked();
    return one && two ? 3 : one ? 1 : two ? 2 : 0;
}

void TMainForm::SetStopOperation(bool value) {
    fStopOperation = value;
    if (value && fAnalysis.Running())
        fAnalysis.Stop();
}

void TMainForm::act_FindAllExecute() {
    if (fAnalysis.Running())
        return;
    if (fEnv.OleServer != osNone) {
        // The host branches run through the host adapters, which come in a later step.
        ShowMessage(QMessageBox::Information,
                    QStringLiteral("Анализ документа в этом режиме пока недоступен."), QMessageBox::Ok);
        return;
    }
    DoBeforeSearch();
    QCoreApplication::processEvents();
    TDAnalysisController::Options options;
    options.SearchWordsWithYo = GetSearchWordsWithYo();
    options.SearchOneTwo = GetSearchOneTwo();
    options.AllRules = GetAllRules();
    auto connection =
        connect(&fAnalysis, &TDAnalysisController::Progress, this, &TMainForm::DoSearchProgress);
    const TDAnalysisController::Result result =
        fAnalysis.Run(fDocument.CommonFile().Lines(), fWords2Replace, fMorfs2Replace, fEntries, options,
                      GlobalDictionaries());
    disconnect(connection);
    if (result.Failed) {
        // A failed run leaves nothing half-done: the list is emptied and the search controls return.
        act_ListClearExecute(false);
        QApplication::restoreOverrideCursor();
        pnl_Info->hide();
        grp_Search->show();
        act_StopAnalyze->setVisible(false);
        lbl_StatusInfo->clear();
        ShowMessage(QMessageBox::Warning, result.Error, QMessageBox::Ok);
    } else {
        DoAfterSearch(result);
        ShowList();
    }
    fNeedToSave = fEntries.Count() > 0;
    UpdateStatusBar();
    UpdateReplaceAction();
}

void TMainForm::DoBeforeSearch() {
    act_StopAnalyze->setVisible(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lbl_StatusInfo->setText(QStringLiteral("нажмите Esc для отмены"));
    fStopOperation = false;
    grp_Search->hide();
    btn_Replace->hide();
    ProgressBar->setValue(0);
    pnl_Info->show();
    ProgressBar->show();
    ProgressBar->setMaximum(qMax(1, int(fDocument.CommonFile().Count())));
    qint64 words = 0;
    lbl_WordsCount->setText(Thousands(words));
    lbl_ParagraphsCount->setText(Thousands(fDocument.CommonFile().Count()));
}

void TMainForm::DoSearchProgress(int line, int lineCount, int added, qint64 elapsedMs) {
    Q_UNUSED(lineCount);
    ProgressBar->setValue(qMin(line, ProgressBar->maximum()));
    const double elapsed = double(elapsedMs) / 1000.0;
    lbl_TimeElapsed->setText(Clock(elapsed));
    const int p = ProgressBar->value();
    if (p > 0)
        lbl_TimeRemain->setText(Clock(ProgressBar->maximum() * elapsed / p - elapsed));
    if (elapsed > 0)
        lbl_WordsPerSecond->setText(QString::asprintf("%5.1f", double(fEntries.Count()) / elapsed));
    lbl_WordsAdded->setText(QString::number(added));
}

void TMainForm::DoAfterSearch(const TDAnalysisController::Result& result) {
    act_StopAnalyze->setVisible(false);
    QApplication::restoreOverrideCursor();
    lbl_StatusInfo->clear();
    SetStopOperation(false);
    const double seconds = double(result.ElapsedMs) / 1000.0;
    QString speed;
    if (seconds > 0)
        speed = QStringLiteral("\rСкорость %1 слов в секунду.")
                    .arg(QLocale().toString(double(fEntries.Count()) / seconds, 'f', 2).rightJustified(5));
    fLastRunMessage =
        QStringLiteral("Затрачено ") + QLocale().toString(seconds, 'g', 15) + QStringLiteral(" сек.") + speed;
    fLastRunMessage.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    grp_Filter->show();
    grp_Sort->show();
    btn_Replace->show();
    pnl_Info->hide();
    ShowMessage(QMessageBox::Information, fLastRunMessage, QMessageBox::Ok);
    lbl_WordsTotal->setText(QString::number(fEntries.Count()));
}

void TMainForm::ClearRunInfo() {
    for (QLabel* l : {lbl_ParagraphsCount, lbl_TimeElapsed, lbl_TimeRemain, lbl_WordsCount,
                      lbl_WordsPerSecond, lbl_WordsAdded})
        l->clear();
}

void TMainForm::act_ListClearExecute(bool askUser) {
    if (askUser &&
        ShowMessage(QMessageBox::Question, QStringLiteral("Вы действительно хотите очистить список замен?"),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    fListModel->SetList(nullptr, chk_Morfology->isChecked());
    fWords2Replace.Clear();
    fMorfs2Replace.Clear();
    fEntries.Clear();
    mem_EntryDetails->clear();
    grp_Search->show();
    grp_Filter->hide();
    btn_Replace->hide();
    grp_Sort->hide();
    UpdateStatusBar();
    ClearRunInfo();
    fNeedToSave = false;
    UpdateReplaceAction();
}

void TMainForm::ReviewChanged() {
    fNeedToSave = true;
}

// ---------------------------------------------------------------------------------------------
// The candidate list

TDWords2Replace& TMainForm::ShownList() {
    return chk_Morfology->isChecked() ? fMorfs2Replace : fWords2Replace;
}

void TMainForm::ShowList() {
    fListModel->SetList(&ShownList(), chk_Morfology->isChecked());
}

void TMainForm::RefreshList(bool keepExpanded) {
    QSet<const TDWord2Replace*> expanded;
    if (keepExpanded) {
        for (int i = 0; i < fListModel->rowCount(); ++i) {
            const QModelIndex idx = fListModel->index(i, 0);
            if (vst_Main->isExpanded(idx))
                expanded.insert(TDCandidateListModel::WordOf(idx));
        }
    }
    fListModel->SetList(&ShownList(), chk_Morfology->isChecked());
    if (!expanded.isEmpty()) {
        vst_Main->setUpdatesEnabled(false);
        for (int i = 0; i < fListModel->rowCount(); ++i) {
            const QModelIndex idx = fListModel->index(i, 0);
            if (expanded.contains(TDCandidateListModel::WordOf(idx)))
                vst_Main->setExpanded(idx, true);
        }
        vst_Main->setUpdatesEnabled(true);
    }
    UpdateStatusBar();
}

void TMainForm::SortWords(int tag) {
    ShownList().Sort(tag == 1 ? CompareWordsByName : CompareWordsByEntryCount);
    fFilter.Apply(ShownList());
    RefreshList(true);
}

void TMainForm::SortEntries(int tag) {
    for (TDWord2Replace* w : ShownList())
        w->ContextEntries().Sort(tag == 1 ? CompareEntriesByRule : CompareEntriesByTextYo);
    fFilter.Apply(ShownList());
    RefreshList(true);
}

void TMainForm::SetGrouped(bool grouped) {
    chk_Morfology->setChecked(grouped);
    fFilter.Apply(ShownList());
    ShowList();
    UpdateStatusBar();
}

void TMainForm::ExpandAll(bool expand) {
    if (expand)
        vst_Main->expandAll();
    else
        vst_Main->collapseAll();
}

void TMainForm::OnCurrentChanged(const QModelIndex& current) {
    TDContextEntry* e = TDCandidateListModel::EntryOf(current);
    if (!e) {
        mem_EntryDetails->clear();
        fRegExInfo->Clear();
        return;
    }
    ShowDetails(e);
    fRegExInfo->ShowEntry(e, GlobalDictionaries().ContextRegs);
    vst_Main->setFocus();
}

void TMainForm::ShowDetails(const TDContextEntry* e) {
    QString word;
    switch (e->ReplaceLevel()) {
    case -2:
    case -1:
    case 0:
        word = e->TextE();
        break;
    case 1:
    case 2:
    case kLevelUnambiguous:
        word = e->TextYo();
        break;
    default:
        break;
    }
    QString prefix;
    const QStringList& lines = fDocument.CommonFile().Lines();
    if (fShowPrevious && e->Line() >= 2 && e->Line() - 1 < lines.size())
        prefix = lines[e->Line() - 1] + QLatin1Char('\n');
    const QString before = e->Before();
    mem_EntryDetails->setPlainText(prefix + before + word + e->After());
    QTextCursor c(mem_EntryDetails->document());
    const int start = int(prefix.size() + before.size());
    c.setPosition(start);
    c.setPosition(start + int(e->TextE().size()), QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(QColor(0xFF, 0x00, 0x00));
    c.mergeCharFormat(red);
    c.setPosition(start);
    mem_EntryDetails->setTextCursor(c);
    mem_EntryDetails->ensureCursorVisible();
}

void TMainForm::ToggleShowPrevious() {
    if (!img_ShowPrevious->isVisibleTo(this))
        return;
    fShowPrevious = !fShowPrevious;
    img_ShowPrevious->setIcon(InfoIcons::ShowPrevious(fShowPrevious));
    const QModelIndexList selected = vst_Main->selectionModel()->selectedIndexes();
    const QModelIndex first = selected.isEmpty() ? vst_Main->currentIndex() : selected.first();
    if (TDContextEntry* e = TDCandidateListModel::EntryOf(first))
        ShowDetails(e);
}

void TMainForm::OnIconClicked(const QModelIndex& index) {
    if (index != vst_Main->currentIndex())
        return;
    TDContextEntry* e = TDCandidateListModel::EntryOf(index);
    if (!e)
        return;
    const int level = e->ReplaceLevel();
    if (level == 1 || level == 2)
        e->SetCheckedState(cbChecked);
    else if (level == -1 || level == -2)
        e->SetCheckedState(cbUnchecked);
    else
        return;
    fListModel->RepaintAll();
    OnEntryChecked();
}

void TMainForm::OnEntryChecked() {
    lbl_WordsNotChecked->setText(QString::number(fEntries.CheckedCount(cbGrayed, 1)));
}

void TMainForm::UpdateStatusBar() {
    lbl_PageCurrent->clear();
    lbl_PagesTotal->clear();
    lbl_WordsInList->clear();
    lbl_WordsNotChecked->clear();
    lbl_WordsTotal->clear();
    if (fEntries.Count() > 0) {
        lbl_WordsInList->setText(QString::number(fEntries.VisibleCount(true)));
        lbl_WordsNotChecked->setText(QString::number(fEntries.CheckedCount(cbGrayed, 1)));
        lbl_WordsTotal->setText(QStringLiteral("[%1]").arg(fEntries.Count()));
    }
}

// ---------------------------------------------------------------------------------------------
// Window events

bool TMainForm::RunReported(const std::function<void()>& work) {
    // The wait cursor goes when the work ends, however it ends.
    struct WaitCursor {
        WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    };
    QString failure;
    try {
        WaitCursor wait;
        work();
    } catch (const TDError& e) {
        failure = e.Message();
    }
    if (failure.isEmpty())
        return true;
    ShowMessage(QMessageBox::Warning, failure, QMessageBox::Ok);
    return false;
}

int TMainForm::ShowMessage(int icon, const QString& text, int buttons) {
    fLastMessage = text;
    if (fMessageBoxAnswer >= 0)
        return fMessageBoxAnswer;
    QMessageBox box(QMessageBox::Icon(icon), windowTitle(), text, QMessageBox::StandardButtons(buttons),
                    this);
    box.adjustSize();
    if (isVisible()) {
        // Centred across, a quarter of the height difference down, kept on the screen.
        const QRect main = frameGeometry();
        const QSize size = box.sizeHint();
        int left = main.left() + (main.width() - size.width()) / 2;
        int top = main.top() + ((main.height() - size.height()) / 2) / 2;
        const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 4096, 4096);
        left = qMax(0, qMin(left, screen.right() - size.width()));
        top = qMax(0, qMin(top, screen.bottom() - size.height()));
        box.move(left, top);
    }
    return box.exec();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (auto* box = qobject_cast<QCheckBox*>(watched); box && fFilterRLChecks.contains(box)) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* me = static_cast<QMouseEvent*>(event);
            FilterRatingPressed(box, me->modifiers(), me->buttons());
        } else if (event->type() == QEvent::MouseButtonRelease && fAltPressed) {
            // The box toggles itself while it handles the release; finish after that.
            QTimer::singleShot(0, this, [this, box] { FilterRatingReleased(box); });
        }
    }
    auto* target = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyRelease && target && target->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QWidget* focus = QApplication::focusWidget();
        // Plain letters typed into an edit box belong to it.
        const bool editing = qobject_cast<QLineEdit*>(focus) != nullptr;
        // A key event travels up the parents; act once, where it starts.
        const bool first = focus ? target == focus : target == this;
        if (!key->isAutoRepeat() && first) {
            switch (key->key()) {
            case Qt::Key_Escape:
                SetStopOperation(true);
                return false;
            case Qt::Key_P:
                if (!editing)
                    ToggleShowPrevious();
                return false;
            case Qt::Key_R:
                if (!editing)
                    act_RegExInfo->trigger();
                return false;
            case Qt::Key_F3:
                if (act_FindCustomTextAgain->isEnabled())
                    act_FindCustomTextAgain->trigger();
                return false;
            case Qt::Key_F5:
                if (grp_Filter->isVisible())
                    act_FilterRefresh->trigger();
                return false;
            default:
                break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!ConfirmDropChanges(QStringLiteral("Закрыть программу без сохранения?"))) {
        event->ignore();
        return;
    }
    SetStopOperation(true);
    QMainWindow::closeEvent(event);
}

bool TMainForm::ConfirmDropChanges(const QString& question) {
    if (!fDocumentChanged)
        return true;
    return ShowMessage(
               QMessageBox::Question,
               QStringLiteral("В документе «%1» сделаны замены, но он не сохранён (команда «Сохранить "
                              "как...»). ")
                       .arg(QFileInfo(fDocument.FileName()).fileName()) +
                   question,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TMainForm::RegEx2Click() {
    DockRegExInfo();
    fRegExInfo->show();
}

void TMainForm::DockRegExInfo() {
    // The rule window follows the main window: same left and width, 10 pixels below it.
    if (fDestroying || !fRegExInfo)
        return;
    const QRect frame = frameGeometry();
    fRegExInfo->setGeometry(frame.left(), frame.top() + frame.height() + 10, frame.width(),
                            fRegExInfo->height());
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    DockRegExInfo();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    DockRegExInfo();
    if (fRegExInfo && fRegExInfo->isVisible()) {
        fRegExInfo->raise();
        activateWindow();
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (fEnv.OleServer == osNone && event->mimeData()->urls().size() == 1 &&
        event->mimeData()->urls()[0].isLocalFile())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile())
        return;
    event->acceptProposedAction();
    const QString name = urls[0].toLocalFile();
    QTimer::singleShot(0, this, [this, name] { FileOpen(name); });
}

// ---------------------------------------------------------------------------------------------
// The filter

QWidget* TMainForm::CreateFilterGroup() {
    grp_Filter = new QGroupBox(QStringLiteral(" фильтрация "), pnl_Controls);
    grp_Filter->setObjectName(QStringLiteral("grp_Filter"));
    auto* v = new QVBoxLayout(grp_Filter);
    v->setSpacing(1);
    auto box = [this, v](const QString& caption, const char* name, int tag, const QString& hint = QString(),
                         int indent = 0) {
        auto* b = new QCheckBox(caption, grp_Filter);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        b->setToolTip(hint);
        b->setChecked(true);
        connect(b, &QCheckBox::clicked, this, [this, b] { FilterBoxClicked(b); });
        if (indent > 0) {
            auto* row = new QHBoxLayout;
            row->setContentsMargins(indent, 0, 0, 0);
            row->addWidget(b);
            v->addLayout(row);
        } else {
            v->addWidget(b);
        }
        fFilterChecks.append(b);
        return b;
    };
    chk_FilterOne =
        box(QStringLiteral("1 (е)"), "chk_FilterOne", 1, QStringLiteral("слова, пишущиеся только через «ё»"));
    chk_FilterTwo = box(QStringLiteral("2 (е|ё)"), "chk_FilterTwo", 2,
                        QStringLiteral("слова, пишущиеся как через «ё», так и через «е»"));
    chk_FilterR2 = box(QStringLiteral("да:  почти наверняка"), "chk_FilterR2", 16, QString(), 14);
    chk_FilterR1 = box(QStringLiteral("да:  скорее всего"), "chk_FilterR1", 32, QString(), 14);
    chk_FilterR0 = box(QStringLiteral("        неизвестно"), "chk_FilterR0", 256, QString(), 14);
    chk_FilterR1no = box(QStringLiteral("нет: скорее всего"), "chk_FilterR1no", 64, QString(), 14);
    chk_FilterR2no = box(QStringLiteral("нет: почти наверняка "), "chk_FilterR2no", 128, QString(), 14);
    chk_FilterYoInDoc = box(QStringLiteral("уже с «ё»"), "chk_FilterYoInDoc", 4);
    chk_FilterChecked = box(QStringLiteral("отмеченные «да»"), "chk_FilterChecked", 512);
    chk_FilterUnChecked = box(QStringLiteral("не обработанные"), "chk_FilterUnChecked", 2048);
    chk_FilterUnSeen = box(QStringLiteral("отмеченные «нет»"), "chk_FilterUnSeen", 1024);
    fFilterRLChecks = {chk_FilterR2, chk_FilterR1, chk_FilterR1no, chk_FilterR0, chk_FilterR2no};
    // Mouse presses on the rating boxes reach eventFilter through the application-wide filter.

    auto* custom = new QHBoxLayout;
    edt_FilterCustom = new QLineEdit(grp_Filter);
    edt_FilterCustom->setObjectName(QStringLiteral("edt_FilterCustom"));
    edt_FilterCustom->setToolTip(QStringLiteral("Произвольный текст"));
    edt_FilterCustom->setProperty("tag", 0);
    btn_FilterCustomApply = new TDButton(grp_Filter);
    btn_FilterCustomApply->setObjectName(QStringLiteral("btn_FilterCustomApply"));
    btn_FilterCustomApply->setText(QStringLiteral("»"));
    btn_FilterCustomApply->setFixedSize(22, 21);
    btn_FilterCustomApply->setToolTip(QStringLiteral("фильтровать по тексту"));
    connect(btn_FilterCustomApply, &TDButton::clicked, this, [this] { ToggleCustomFilter(); });
    custom->addWidget(edt_FilterCustom, 1);
    custom->addWidget(btn_FilterCustomApply);
    v->addLayout(custom);
    btn_FilterClear = new QPushButton(QStringLiteral("Отмена"), grp_Filter);
    btn_FilterClear->setObjectName(QStringLiteral("btn_FilterClear"));
    btn_FilterClear->setToolTip(QStringLiteral("обновить фильтр"));
    connect(btn_FilterClear, &QPushButton::clicked, act_FilterClear, &QAction::trigger);
    v->addWidget(btn_FilterClear, 0, Qt::AlignRight);
    grp_Filter->setFixedHeight(255);
    grp_Filter->hide();
    return grp_Filter;
}

void TMainForm::FilterBoxClicked(QCheckBox* box) {
    const int bit = box->property("tag").toInt();
    if (box == chk_FilterTwo) {
        // Without ambiguous words the ratings mean nothing: their boxes go.
        const bool on = chk_FilterTwo->isChecked();
        for (QCheckBox* b : fFilterRLChecks)
            b->setVisible(on);
        grp_Filter->setFixedHeight(on ? 255 : 170);
    }
    fFilter.Flip(bit);
    if (!fAltPressed)
        act_FilterApplyExecute();
}

void TMainForm::act_FilterApplyExecute() {
    fFilter.SetCustom(edt_FilterCustom->property("tag").toInt() == 1, edt_FilterCustom->text());
    fFilter.Apply(ShownList());
    RefreshList(true);
}

void TMainForm::act_FilterClearExecute() {
    TDFilterController::ShowAll(ShownList());
    fFilter.Reset();
    for (QCheckBox* b : fFilterChecks) {
        const QSignalBlocker block(b);
        b->setChecked(true);
    }
    edt_FilterCustom->setProperty("tag", 0);
    btn_FilterCustomApply->SetDowned(false);
    RefreshList(true);
}

void TMainForm::ToggleCustomFilter() {
    const bool on = edt_FilterCustom->property("tag").toInt() != 1;
    edt_FilterCustom->setProperty("tag", on ? 1 : 0);
    btn_FilterCustomApply->SetDowned(on);
    act_FilterApplyExecute();
}

void TMainForm::FilterRatingPressed(QCheckBox* box, Qt::KeyboardModifiers modifiers,
                                    Qt::MouseButtons buttons) {
    fAltPressed = modifiers == Qt::AltModifier && buttons == Qt::LeftButton;
    int others = 0;
    for (QCheckBox* b : fFilterRLChecks) {
        if (b != box && b->isChecked())
            ++others;
    }
    if (fAltPressed) {
        // Isolate the clicked rating, or bring all back when it is already alone.
        for (QCheckBox* b : fFilterRLChecks) {
            if (b == box)
                continue;
            const bool want = others == 0 ? true : others == 4 ? !b->isChecked() : false;
            if (b->isChecked() != want) {
                b->setChecked(want);
                FilterBoxClicked(b);
            }
        }
    }
    act_FilterApplyExecute();
}

void TMainForm::FilterRatingReleased(QCheckBox* box) {
    if (fAltPressed && !box->isChecked()) {
        box->setChecked(true);
        FilterBoxClicked(box);
    }
    fAltPressed = false;
}

// ---------------------------------------------------------------------------------------------
// Decisions in bulk

void TMainForm::act_ListChangeCheckStateExecute(int tag) {
    // The occurrences of the selected rows: an occurrence row itself, a word form row all its
    // visible occurrences.
    QList<TDContextEntry*> targets;
    for (const QModelIndex& index : vst_Main->selectionModel()->selectedRows()) {
        if (TDContextEntry* e = TDCandidateListModel::EntryOf(index)) {
            targets << e;
        } else if (TDWord2Replace* w = TDCandidateListModel::WordOf(index)) {
            for (TDContextEntry* entry : w->ContextEntries()) {
                if (entry->Visible())
                    targets << entry;
            }
        }
    }
    for (TDContextEntry* e : targets) {
        if (tag == 1) {
            e->SetCheckedState(cbChecked);
        } else if (tag == -1) {
            e->SetCheckedState(cbUnchecked);
        } else {
            const int level = e->ReplaceLevel();
            e->SetCheckedState(level == 1 || level == 2     ? cbChecked
                               : level == -1 || level == -2 ? cbUnchecked
                                                            : cbGrayed);
        }
    }
    fListModel->RepaintAll();
    OnEntryChecked();
}

void TMainForm::act_ListAgreeWithSuggestionExecute() {
    const QModelIndex focused = vst_Main->currentIndex();
    if (!focused.isValid())
        return;
    TDWord2Replace* w = TDCandidateListModel::WordOf(focused);
    if (!w)
        return;
    for (TDContextEntry* e : w->ContextEntries()) {
        if (!e->Visible())
            continue;
        const int level = e->ReplaceLevel();
        if (level == 1 || level == 2)
            e->SetCheckedState(cbChecked);
        else if (level == -1 || level == -2)
            e->SetCheckedState(cbUnchecked);
    }
    fListModel->RepaintAll();
    OnEntryChecked();
}

// ---------------------------------------------------------------------------------------------
// Replacement

void TMainForm::UpdateReplaceAction() {
    act_ReplaceE->setEnabled(fWords2Replace.Count() > 0 && fEnv.OleServer == osNone);
    act_ListSave->setEnabled(fWords2Replace.Count() > 0);
}

void TMainForm::act_ReplaceEExecute() {
    if (fWords2Replace.Count() == 0)
        return;
    if (fEnv.OleServer != osNone) {
        ShowMessage(QMessageBox::Information, QStringLiteral("Замена в этом режиме пока недоступна."),
                    QMessageBox::Ok);
        return;
    }
    // A loaded list knows where its occurrences are only when it was saved with their places; and it
    // can only be replaced in the document it was made from.
    if (fDocument.CommonFile().Count() == 0) {
        ShowMessage(QMessageBox::Information,
                    QStringLiteral("Нет открытого документа: откройте документ, к которому относится список "
                                   "замен, и повторите замену."),
                    QMessageBox::Ok);
        return;
    }
    int withoutPlace = 0;
    int toChange = 0;
    for (const TDContextEntry* e : fEntries) {
        if (!e->Visible() || !NeedsChange(*e))
            continue;
        ++toChange;
        if (!HasDocumentPlace(*e))
            ++withoutPlace;
    }
    if (toChange > 0 && withoutPlace == toChange) {
        ShowMessage(
            QMessageBox::Warning,
            QStringLiteral("В списке замен нет положений вхождений в документе (список записан без "
                           "них), поэтому заменить их в файле нельзя. Проведите анализ текста заново."),
            QMessageBox::Ok);
        return;
    }
    if (chk_Morfology->isChecked())
        SetGrouped(true);
    pnl_Info->show();
    ProgressBar->show();
    grp_Filter->hide();
    grp_Sort->hide();
    ProgressBar->setMaximum(qMax(1, fEntries.Count()));
    QElapsedTimer timer;
    timer.start();
    qint64 lastEvents = -1000;
    TDFileReplacer replacer;
    replacer.OnProgress = [&](int done, int total) {
        ProgressBar->setValue(done);
        if (timer.elapsed() - lastEvents >= 40 || done == total) {
            lastEvents = timer.elapsed();
            const double elapsed = double(timer.elapsed()) / 1000.0;
            lbl_TimeElapsed->setText(Clock(elapsed));
            if (done > 0)
                lbl_TimeRemain->setText(Clock(total * elapsed / done - elapsed));
            QCoreApplication::processEvents();
        }
    };
    try {
        replacer.Replace(fDocument, fEntries);
    } catch (const TDError& e) {
        ShowMessage(QMessageBox::Warning, e.Message(), QMessageBox::Ok);
    }
    pnl_Info->hide();
    grp_Filter->show();
    grp_Sort->show();
    fListModel->RepaintAll();
    if (replacer.Changed() > 0)
        fDocumentChanged = true;
    lbl_StatusInfo->setText(QStringLiteral("заменено вхождений: %1").arg(replacer.Changed()));
    const int misplaced = replacer.Skipped() - withoutPlace;
    QStringList problems;
    if (misplaced > 0)
        problems << QStringLiteral("%1 — в документе на их месте уже другой текст").arg(misplaced);
    if (withoutPlace > 0)
        problems << QStringLiteral("%1 — в списке замен нет их положения в документе").arg(withoutPlace);
    if (!problems.isEmpty())
        ShowMessage(QMessageBox::Warning,
                    QStringLiteral("Не заменено вхождений: ") + problems.join(QStringLiteral("; ")) +
                        QLatin1Char('.'),
                    QMessageBox::Ok);
}

// ---------------------------------------------------------------------------------------------
// Saving the document

void TMainForm::act_FileSaveExecute() {
    if (fEnv.OleServer != osNone || fDocument.FileName().isEmpty())
        return;
    fSaveEncoding = fDocument.FileEncoding();
    const TDSaveChoice choice = TDSaveAsDialog::Choose(fDocument.FileName(), fDocument.FileTypeOpened(),
                                                       fDocument.FileEncoding(), fLastFolderOpened, this);
    if (!choice.Accepted)
        return;
    fSaveEncoding = choice.Encoding;
    const QString target = choice.TargetFileName;
    // The opened file stays as it was: the document is always written to a new file.
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(fDocument.FileName()).absoluteFilePath()) {
        ShowMessage(QMessageBox::Warning,
                    QStringLiteral("«%1» — это открытый документ; исправленный текст записывается в новый "
                                   "файл. Выберите другое имя.")
                        .arg(QDir::toNativeSeparators(target)),
                    QMessageBox::Ok);
        return;
    }
    const TDSavePlan plan = NewStyleSavePlan(fDocument.FileEncoding(), fSaveEncoding, choice.TypeIndex);
    if (!RunReported([&] { SaveDocument(fDocument, target, plan); }))
        return;
    fDocumentChanged = false;
    lbl_StatusInfo->setText(QStringLiteral("сохранено: %1").arg(QDir::toNativeSeparators(target)));
}

// ---------------------------------------------------------------------------------------------
// Options and the About window

void TMainForm::act_OptionsExecute() {
    TOptionsForm form(fEnv.OleServer, this);
    form.SetUserDictionaries(fUserDictionaries);
    form.SetShowEntriesCount(fShowEntriesCount);
    form.SetDoSearchAfterOpen(fSettings.DoSearchAfterOpen);
    form.SetSearchType(fWordSearchType);
    if (form.exec() != QDialog::Accepted)
        return;
    fUserDictionaries = form.UserDictionaries();
    fShowEntriesCount = form.ShowEntriesCount();
    fListModel->SetShowEntriesCount(fShowEntriesCount);
    fSettings.DoSearchAfterOpen = form.DoSearchAfterOpen();
    fWordSearchType = form.SearchType();
    vst_Main->viewport()->update();
}

void TMainForm::act_AboutExecute() {
    TAboutForm about(this);
    about.exec();
}

// ---------------------------------------------------------------------------------------------
// Replacement lists

QString TMainForm::ChooseFile(const TDFileChoice& choice) {
    if (ChooseFileHook)
        return ChooseFileHook(choice);
    QFileDialog dialog(this, choice.Title, choice.Folder, choice.Filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(choice.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!choice.FileName.isEmpty())
        dialog.selectFile(choice.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TMainForm::ListNameOfDocument() const {
    // The list of a document sits beside it under the same name; a Word document will name its own.
    if (fEnv.OleServer != osNone || fDocument.FileName().isEmpty())
        return QString();
    return SaveFileName(fDocument.FileName(), QStringLiteral(".wtr"));
}

namespace {

QString ExistingFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

const QStringList& ListFilters() {
    static const QStringList filters = {QStringLiteral("Список замен (*.wtr)"),
                                        QStringLiteral("Текстовый файл (*.txt)"),
                                        QStringLiteral("Все файлы (*.*)")};
    return filters;
}

} // namespace

void TMainForm::act_FileSaveDataExecute() {
    if (fWords2Replace.Count() == 0)
        return;
    TDFileChoice choice;
    choice.Save = true;
    choice.Title = QStringLiteral("Список замен: сохранение.");
    choice.Filters = ListFilters();
    const QString candidate = ListNameOfDocument();
    choice.FileName = candidate;
    choice.Folder = ExistingFolder(QFileInfo(candidate).absolutePath());
    if (candidate.isEmpty() || choice.Folder.isEmpty())
        choice.Folder = DocumentsFolder();
    const QString chosen = ChooseFile(choice);
    if (chosen.isEmpty())
        return;
    const QString fileName = SaveFileName(chosen, QStringLiteral(".wtr"));
    fSettings.LastOpenedWTRFolder = QFileInfo(fileName).absolutePath();
    repaint();
    if (!RunReported([&] { SaveReplacementList(fWords2Replace, fileName); }))
        return;
    fNeedToSave = false;
    lbl_StatusInfo->setText(QStringLiteral("список замен сохранён: %1").arg(QFileInfo(fileName).fileName()));
}

void TMainForm::act_FileLoadDataExecute() {
    TDFileChoice choice;
    choice.Title = QStringLiteral("Список замен: загрузка.");
    choice.Filters = ListFilters();
    const QString candidate = ListNameOfDocument();
    choice.Folder = ExistingFolder(QFileInfo(candidate).absolutePath());
    if (candidate.isEmpty() || choice.Folder.isEmpty())
        choice.Folder = ExistingFolder(fSettings.LastOpenedWTRFolder);
    if (choice.Folder.isEmpty())
        choice.Folder = DocumentsFolder();
    const QString chosen = ChooseFile(choice);
    if (chosen.isEmpty())
        return;
    const QString absolute = QFileInfo(chosen).absoluteFilePath();
    fSettings.OpenedWTRFiles.removeAll(absolute);
    fSettings.OpenedWTRFiles.prepend(absolute);
    while (fSettings.OpenedWTRFiles.size() > 4)
        fSettings.OpenedWTRFiles.removeLast();
    fSettings.LastOpenedWTRFolder = QFileInfo(absolute).absolutePath();
    WTRFileOpen(absolute);
}

bool TMainForm::WTRFileOpen(const QString& AFileName) {
    if (fAnalysis.Running())
        return false;
    if (fNeedToSave && fWords2Replace.Count() > 0 &&
        ShowMessage(QMessageBox::Question,
                    QStringLiteral("Решения по текущему списку замен не сохранены. Заменить его загружаемым "
                                   "списком?"),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    repaint();
    QCoreApplication::processEvents();
    // The view lets go of the model before it is replaced.
    fListModel->SetList(nullptr, false);
    bool loaded = false;
    RunReported([&] { loaded = ::WTRFileOpen(AFileName, fWords2Replace, fMorfs2Replace, fEntries); });
    if (loaded) {
        // The list has no morphology groups: it is shown by word form.
        chk_Morfology->setChecked(false);
        mem_EntryDetails->clear();
        fRegExInfo->Clear();
        const bool any = fWords2Replace.Count() > 0;
        grp_Search->setVisible(true);
        grp_Filter->setVisible(any);
        grp_Sort->setVisible(any);
        btn_Replace->setVisible(any);
        pnl_Controls->show();
        fNeedToSave = fEntries.Count() > 0;
        // The list may have been saved after its replacements: what the document holds now decides.
        if (fEnv.OleServer == osNone)
            TDLineReplacer::ReadYoInDoc(fDocument.CommonFile().Lines(), fEntries);
        // The list keeps what its review showed: a word form stays in view while one of its occurrences
        // is (or when it has none).
        for (TDWord2Replace* w : fWords2Replace) {
            int visible = 0;
            for (const TDContextEntry* e : w->ContextEntries())
                visible += e->Visible() ? 1 : 0;
            w->SetVisibleCount(visible);
            w->SetVisible(visible > 0 || w->ContextEntries().Count() == 0);
        }
    }
    RefreshList(false);
    UpdateReplaceAction();
    return loaded;
}

void TMainForm::act_ListExportDualsExecute() {
    TDFileChoice choice;
    choice.Save = true;
    const QString chosen = ChooseFile(choice);
    if (chosen.isEmpty())
        return;
    const QString fileName = SaveFileName(chosen, QStringLiteral(".txt"));
    if (RunReported([&] { ExportDuals(fEntries, fileName); }))
        ShowMessage(QMessageBox::Information, QStringLiteral("Готово."), QMessageBox::Ok);
}

void TMainForm::act_FindCustomTextAgainExecute() {
    if (fEnv.OleServer != osWord)
        return;
    ShowMessage(QMessageBox::Information, QStringLiteral("Поиск в документе Word пока недоступен."),
                QMessageBox::Ok);
}
