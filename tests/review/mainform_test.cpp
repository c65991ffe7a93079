#include "../core/testfiles.h"
#include "candidatelistmodel.h"
#include "candidatetreeview.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "mainform.h"
#include "regexinfoform.h"
#include "tdbutton.h"
#include "welcomeform.h"
#include "windowtesting.h"
#include "word2replace.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

TEST(WelcomeForm, DefaultSelectionByRunningHosts) {
    struct Case {
        bool word, inDesign, inCopy;
        TDOleServer expected;
    };
    const Case cases[] = {
        {false, false, false, osNone},  {true, false, false, osWord}, {false, true, false, osInDesign},
        {false, false, true, osInCopy}, {true, true, false, osNone},  {true, true, true, osNone},
    };
    for (const Case& c : cases) {
        TWelcomeForm form(c.word, c.inDesign, c.inCopy);
        EXPECT_EQ(form.OleServer(), c.expected);
        EXPECT_EQ(form.rdb_AServerWord->isEnabled(), c.word);
        EXPECT_EQ(form.rdb_AServerInDesign->isEnabled(), c.inDesign);
        EXPECT_EQ(form.rdb_AServerInCopy->isEnabled(), c.inCopy);
        EXPECT_TRUE(form.rdb_DontConnect->isEnabled());
        EXPECT_EQ(form.rdb_DontConnect->isChecked(), c.expected == osNone);
    }
}

TEST(WelcomeForm, EnterContinuesAndCloseBoxDoesNot) {
    TWelcomeForm form(true, false, false);
    form.show();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(form.ContinueApp());
    EXPECT_EQ(form.OleServer(), osWord);
    TWelcomeForm closed(false, false, false);
    closed.show();
    closed.close();
    EXPECT_FALSE(closed.ContinueApp());
}

TEST(MainForm, AnalysisFillsTheList) {
    TestFolder dir;
    Window w(dir);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("нет открытых документов"));
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    EXPECT_TRUE(w->LastRunMessage().startsWith(QStringLiteral("Затрачено ")))
        << w->LastRunMessage().toStdString();
    EXPECT_EQ(w->Entries().Count(), 5); // все, пришел, Еще, все, все
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 3); // все, пришел, еще
    // Word forms: ambiguous in black with the count, unambiguous in grey with the ё-form.
    QStringList rows;
    for (int i = 0; i < model->rowCount(); ++i)
        rows << model->index(i, 0).data().toString();
    EXPECT_TRUE(rows.contains(QStringLiteral("все")));
    EXPECT_TRUE(rows.contains(QStringLiteral("пришёл")));
    const QModelIndex vse = model->index(int(rows.indexOf(QStringLiteral("все"))), 0);
    EXPECT_EQ(vse.data(TDCandidateListModel::StaticTextRole).toString(), QStringLiteral(" [3]"));
    // Rated occurrences stay undecided until the user (or "agree") decides.
    EXPECT_EQ(vse.data(TDCandidateListModel::OpenCountRole).toInt(), 3);
    EXPECT_EQ(vse.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
    const QModelIndex prishel = model->index(int(rows.indexOf(QStringLiteral("пришёл"))), 0);
    EXPECT_EQ(prishel.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(model->index(0, 0, prishel).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    // Occurrence rows: the text by decision, the check state, the rule number.
    QStringList texts;
    for (int j = 0; j < model->rowCount(vse); ++j)
        texts << model->index(j, 0, vse).data().toString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Мне всё равно, он пришел."))) << texts.join('|').toStdString();
    // Status bar.
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsTotal")->text(), QStringLiteral("[5]"));
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsNotChecked")->text(), QStringLiteral("3"));
    EXPECT_TRUE(w.Find<QGroupBox>("grp_Sort")->isVisibleTo(w.form.get()));
    EXPECT_FALSE(w.Find<QGroupBox>("grp_Search")->isVisibleTo(w.form.get()));
}

TEST(MainForm, CheckingAnOccurrenceLowersTheOpenCount) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    QAbstractItemModel* model = w.Find<TDCandidateTreeView>("vst_Main")->model();
    QModelIndex vse;
    for (int i = 0; i < model->rowCount(); ++i) {
        if (model->index(i, 0).data().toString() == QStringLiteral("все"))
            vse = model->index(i, 0);
    }
    ASSERT_TRUE(vse.isValid());
    QModelIndex open;
    for (int j = 0; j < model->rowCount(vse); ++j) {
        const QModelIndex c = model->index(j, 0, vse);
        if (c.data(Qt::CheckStateRole).toInt() == Qt::PartiallyChecked)
            open = c;
    }
    ASSERT_TRUE(open.isValid());
    ASSERT_TRUE(model->setData(open, Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(vse.data(TDCandidateListModel::OpenCountRole).toInt(), 2);
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsNotChecked")->text(), QStringLiteral("2"));
    EXPECT_TRUE(w->NeedToSave());
}

TEST(MainForm, ClearAnsweredNoChangesNothing) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    w->SetMessageBoxAnswer(QMessageBox::No);
    w->act_ListClearExecute(true);
    EXPECT_EQ(w->Entries().Count(), 5);
    w->SetMessageBoxAnswer(QMessageBox::Yes);
    w->act_ListClearExecute(true);
    EXPECT_EQ(w->Entries().Count(), 0);
    EXPECT_TRUE(w.Find<QLabel>("lbl_WordsTotal")->text().isEmpty());
}

TEST(MainForm, RunTwiceAddsAndSortKeepsExpansion) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    w->act_FindAllExecute();
    EXPECT_EQ(w->Entries().Count(), 10);
    EXPECT_EQ(w->Words2Replace().Count(), 3);
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    QAbstractItemModel* model = view->model();
    const QModelIndex first = model->index(0, 0);
    TDWord2Replace* word = TDCandidateListModel::WordOf(first);
    view->expand(first);
    w->SortWords(2);
    const QModelIndex again = static_cast<TDCandidateListModel*>(model)->IndexOfWord(word);
    EXPECT_TRUE(view->isExpanded(again));
    EXPECT_EQ(TDCandidateListModel::WordOf(model->index(0, 0))->WordE(),
              QStringLiteral("все")); // 6 occurrences
}

TEST(MainForm, SearchBoxesCannotBothBeCleared) {
    TestFolder dir;
    Window w(dir);
    auto* one = w.Find<QCheckBox>("chk_SearchOne");
    auto* two = w.Find<QCheckBox>("chk_SearchTwo");
    w.form->show();
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_FALSE(one->isChecked());
    EXPECT_EQ(w->GetSearchOneTwo(), 2);
    QTest::mouseClick(two, Qt::LeftButton);
    EXPECT_TRUE(two->isChecked());
    EXPECT_EQ(w->GetSearchOneTwo(), 2);
}

TEST(MainForm, DeveloperItemsAndSettingsRoundTrip) {
    TestFolder dir;
    {
        Window w(dir, osNone, QStringLiteral("developer"));
        bool devVisible = false;
        for (QAction* a : w.form->findChildren<QAction*>())
            if (a->text() == QStringLiteral("Открыть test.fb2"))
                devVisible = a->isVisible();
        EXPECT_FALSE(devVisible);
        EXPECT_EQ(w.form->size(), QSize(484, 444));
        EXPECT_TRUE(w->GetSearchWordsWithYo());
        w->SetSearchWordsWithYo(false);
        w.form->resize(700, 500);
    }
    Window again(dir, osNone, QStringLiteral("Developer"));
    EXPECT_FALSE(again->GetSearchWordsWithYo());
    EXPECT_EQ(again.form->size(), QSize(700, 500));
    bool devVisible = false;
    for (QAction* a : again.form->findChildren<QAction*>())
        if (a->text() == QStringLiteral("Открыть test.fb2"))
            devVisible = a->isVisible();
    EXPECT_TRUE(devVisible);
}

TEST(MainForm, DetailsShowTheSentenceAndThePreviousLine) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("первая\nвторая\nтретья\nи еще")));
    w->act_FindAllExecute();
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    const QModelIndex entry = view->model()->index(0, 0, view->model()->index(0, 0));
    view->setCurrentIndex(entry);
    auto* details = w.Find<QTextEdit>("mem_EntryDetails");
    EXPECT_EQ(details->toPlainText(), QStringLiteral("и ещё"));
    w->ToggleShowPrevious();
    EXPECT_EQ(details->toPlainText(), QStringLiteral("третья\nи ещё"));
    // The word is red.
    QTextCursor c(details->document());
    c.setPosition(int(QStringLiteral("третья\nи е").size()));
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0xFF, 0, 0));
}

TEST(MainForm, EscDuringARunKeepsWhatWasFound) {
    TestFolder dir;
    QString big;
    for (int i = 0; i < 20000; ++i)
        big += QStringLiteral("Строка с еще одним словом и все равно.\n");
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("big.txt"), big));
    w.form->show();
    bool sent = false;
    // Esc is pressed (and released) once the run has analysed some lines.
    QObject::connect(&w->Analysis(), &TDAnalysisController::Progress, [&](int line, int, int, qint64) {
        if (sent || line == 0)
            return;
        sent = true;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.form.get(),
                        Qt::Key_Escape);
    });
    w->act_FindAllExecute();
    EXPECT_TRUE(sent);
    EXPECT_GT(w->Entries().Count(), 0);
    EXPECT_LT(w->Entries().Count(), 40000);
    EXPECT_TRUE(w->LastRunMessage().startsWith(QStringLiteral("Затрачено ")));
}

// Renders the window after a run into $TARV_SCREENSHOT_DIR (when set), for a person to look at.
TEST(MainForm, Screenshot) {
    const QString out = qEnvironmentVariable("TARV_SCREENSHOT_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "set TARV_SCREENSHOT_DIR to render the window";
    TestFolder dir;
    // The program's own dictionaries, as a user sees them.
    GlobalDictionaries().Clear();
    TMainForm::Environment env;
    env.SettingsFileName = dir.Path(QStringLiteral("tarv.ini"));
    env.DictionaryFolder = QStringLiteral(TARV_SOURCE_DIR "/data/dictionaries");
    env.UserName = QStringLiteral("user");
    TMainForm form(env);
    form.SetMessageBoxAnswer(QMessageBox::Ok);
    form.FileOpen(QStringLiteral(TARV_SOURCE_DIR "/data/samples/sample.fb2"));
    form.resize(760, 560);
    form.move(40, 40);
    form.show();
    form.act_FindAllExecute();
    form.ExpandAll(true);
    auto* view = form.findChild<TDCandidateTreeView*>(QStringLiteral("vst_Main"));
    view->setCurrentIndex(view->model()->index(0, 0, view->model()->index(0, 0)));
    QApplication::processEvents();
    form.grab().save(out + QStringLiteral("/mainform.png"));

    // The filter: only the ambiguous words, and only those still undecided.
    form.findChild<QCheckBox*>(QStringLiteral("chk_FilterOne"))->click();
    form.findChild<QCheckBox*>(QStringLiteral("chk_FilterChecked"))->click();
    form.ExpandAll(true);
    // The first occurrence decided by a rule, with its rule window.
    QModelIndex ruled;
    for (int i = 0; i < view->model()->rowCount() && !ruled.isValid(); ++i) {
        const QModelIndex word = view->model()->index(i, 0);
        for (int j = 0; j < view->model()->rowCount(word) && !ruled.isValid(); ++j) {
            const QModelIndex e = view->model()->index(j, 0, word);
            if (TDCandidateListModel::EntryOf(e)->RuleN() != 999)
                ruled = e;
        }
    }
    ASSERT_TRUE(ruled.isValid());
    view->setCurrentIndex(ruled);
    form.RegEx2Click();
    QApplication::processEvents();
    form.grab().save(out + QStringLiteral("/filter.png"));
    form.RegExInfo()->grab().save(out + QStringLiteral("/regexinfo.png"));
}

TEST(MainForm, GroupingShowsMorphologyGroupsInGreen) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("Он пришел. Еще раз.")));
    w->act_FindAllExecute();
    w->SetGrouped(true);
    QAbstractItemModel* model = w.Find<TDCandidateTreeView>("vst_Main")->model();
    // The fixture morphology file gives «ещё» the base «ещё»; «пришёл» has none.
    QMap<QString, QColor> colours;
    for (int i = 0; i < model->rowCount(); ++i)
        colours[model->index(i, 0).data().toString()] =
            model->index(i, 0).data(Qt::ForegroundRole).value<QBrush>().color();
    ASSERT_TRUE(colours.contains(QStringLiteral("ещё")));
    EXPECT_EQ(colours[QStringLiteral("ещё")], QColor(0x1E, 0x78, 0x00));
    EXPECT_EQ(colours[QStringLiteral("пришёл")], QColor(0x80, 0x80, 0x80));
    w->SetGrouped(false);
    EXPECT_EQ(model->rowCount(), 2);
}

TEST(MainForm, RecentDocumentsAndDrop) {
    TestFolder dir;
    const QString a = dir.WriteUtf8(QStringLiteral("a.txt"), QStringLiteral("еще"));
    const QString b = dir.WriteUtf8(QStringLiteral("b.txt"), QStringLiteral("еще"));
    {
        Window w(dir);
        w->FileOpen(a);
        w->FileOpen(b);
        w->FileOpen(a); // already present: keeps its place
        EXPECT_EQ(w->windowTitle(), QDir::toNativeSeparators(a));
        // Exactly one local file is accepted for a drop.
        QMimeData two;
        two.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
        QDragEnterEvent enterTwo(QPoint(5, 5), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &enterTwo);
        EXPECT_FALSE(enterTwo.isAccepted());
        QMimeData one;
        one.setUrls({QUrl::fromLocalFile(b)});
        QDragEnterEvent enterOne(QPoint(5, 5), Qt::CopyAction, &one, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &enterOne);
        EXPECT_TRUE(enterOne.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &one, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &drop);
        QApplication::processEvents();
        EXPECT_EQ(w->windowTitle(), QDir::toNativeSeparators(b));
    }
    const TDSettings s = TDSettingsFile(dir.Path(QStringLiteral("tarv.ini"))).Read(true);
    EXPECT_EQ(s.OpenedFiles, QStringList({QFileInfo(b).absoluteFilePath(), QFileInfo(a).absoluteFilePath()}));
}

TEST(MainForm, UnreadableDocumentIsReportedAndNothingChanges) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    EXPECT_FALSE(w->FileOpen(dir.Path(QStringLiteral("нет такого.txt"))));
    EXPECT_EQ(w->Entries().Count(), 5);
}

namespace {
// Clicks a check box on its indicator.
void ClickBox(QCheckBox* box, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(box, Qt::LeftButton, modifiers, QPoint(8, box->height() / 2));
}

int VisibleOccurrences(QAbstractItemModel* model) {
    int n = 0;
    for (int i = 0; i < model->rowCount(); ++i)
        n += model->rowCount(model->index(i, 0));
    return n;
}
} // namespace

TEST(MainFormFilter, BoxesGroupHeightAltIsolationAndReset) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText + QStringLiteral(" Небо.")));
    w->act_FindAllExecute();
    w.form->show();
    QAbstractItemModel* model = w.Find<TDCandidateTreeView>("vst_Main")->model();
    EXPECT_EQ(VisibleOccurrences(model), 6);

    // "1 (е)" cleared: the unambiguous words go.
    ClickBox(w.Find<QCheckBox>("chk_FilterOne"));
    EXPECT_EQ(VisibleOccurrences(model), 4); // все ×3, небо
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsInList")->text(), QStringLiteral("4"));
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsTotal")->text(), QStringLiteral("[6]"));

    // "2 (е|ё)" cleared: rating boxes hidden, the group 170 high; back to 255.
    auto* two = w.Find<QCheckBox>("chk_FilterTwo");
    auto* grp = w.Find<QGroupBox>("grp_Filter");
    ClickBox(two);
    EXPECT_EQ(grp->height(), 170);
    EXPECT_FALSE(w.Find<QCheckBox>("chk_FilterR1")->isVisible());
    EXPECT_EQ(VisibleOccurrences(model), 0);
    ClickBox(two);
    EXPECT_EQ(grp->height(), 255);
    EXPECT_TRUE(w.Find<QCheckBox>("chk_FilterR1")->isVisible());

    // Alt-click isolates a rating; again brings all five back.
    auto* r0 = w.Find<QCheckBox>("chk_FilterR0");
    ClickBox(r0, Qt::AltModifier);
    QApplication::processEvents();
    for (const char* name : {"chk_FilterR2", "chk_FilterR1", "chk_FilterR1no", "chk_FilterR2no"})
        EXPECT_FALSE(w.Find<QCheckBox>(name)->isChecked()) << name;
    EXPECT_TRUE(r0->isChecked());
    EXPECT_EQ(w->Filter().EntryFilter() & (16 | 32 | 64 | 128 | 256), 256);
    EXPECT_EQ(VisibleOccurrences(model), 2); // the two «все» rated 0
    ClickBox(r0, Qt::AltModifier);
    QApplication::processEvents();
    for (const char* name :
         {"chk_FilterR2", "chk_FilterR1", "chk_FilterR0", "chk_FilterR1no", "chk_FilterR2no"})
        EXPECT_TRUE(w.Find<QCheckBox>(name)->isChecked()) << name;
    EXPECT_EQ(VisibleOccurrences(model), 4);

    // Free text, then "Отмена" shows everything and turns it off.
    w.Find<QLineEdit>("edt_FilterCustom")->setText(QStringLiteral("мы"));
    w->ToggleCustomFilter();
    EXPECT_EQ(VisibleOccurrences(model), 2); // the two «все» of that line («Еще» is filtered out)
    QTest::mouseClick(w.Find<QPushButton>("btn_FilterClear"), Qt::LeftButton);
    EXPECT_EQ(VisibleOccurrences(model), 6);
    EXPECT_FALSE(w->Filter().CustomOn());
    for (QCheckBox* b : w.form->findChildren<QCheckBox*>()) {
        if (b->objectName().startsWith(QLatin1String("chk_Filter"))) {
            EXPECT_TRUE(b->isChecked()) << b->objectName().toStdString();
        }
    }
}

TEST(MainForm, SortButtonsAndFreeTextToggleAreCustomButtons) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    auto* level1 = w.form->findChild<TDButton*>(QStringLiteral("btn_SortLevel1"));
    ASSERT_NE(level1, nullptr);
    ASSERT_NE(level1->DropDownMenu(), nullptr);
    EXPECT_TRUE(level1->DropDownMark());
    level1->DropDownMenu()->actions().at(1)->trigger(); // "числу слов"
    EXPECT_EQ(level1->text(), QStringLiteral("числу слов"));
    EXPECT_EQ(
        TDCandidateListModel::WordOf(w.Find<TDCandidateTreeView>("vst_Main")->model()->index(0, 0))->WordE(),
        QStringLiteral("все"));
    auto* toggle = w.form->findChild<TDButton*>(QStringLiteral("btn_FilterCustomApply"));
    ASSERT_NE(toggle, nullptr);
    w.form->show();
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->Downed());
    EXPECT_TRUE(w->Filter().CustomOn());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle->Downed());
}

TEST(MainForm, RuleWindowShowsTheDecidingRulesAndDocksBelow) {
    TestFolder dir;
    Window w(dir);
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("Мне все равно.\nОн пришел.")));
    w->act_FindAllExecute();
    w.form->move(100, 50);
    w.form->show();
    w->RegEx2Click();
    Tfrm_RegExInfo* info = w->RegExInfo();
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->geometry().left(), w.form->frameGeometry().left());
    EXPECT_EQ(info->width(), w.form->frameGeometry().width());
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    QAbstractItemModel* model = view->model();
    for (int i = 0; i < model->rowCount(); ++i) {
        const QModelIndex child = model->index(0, 0, model->index(i, 0));
        view->setCurrentIndex(child);
        const TDContextEntry* e = TDCandidateListModel::EntryOf(child);
        if (e->ReplaceLevel() == 777) {
            EXPECT_TRUE(info->edt_RegN->toPlainText().isEmpty()); // unambiguous: no rules
        } else {
            EXPECT_EQ(info->edt_RegN->toPlainText(), QStringLiteral("1"));
            EXPECT_EQ(info->edt_RegRule->toPlainText(), QStringLiteral("все\\s+равно"));
        }
    }
    EXPECT_EQ(Tfrm_RegExInfo::ShownPattern(QStringLiteral("(?<![а-яё])все\\s+мы(?![а-яё])")),
              QStringLiteral("все\\s+мы"));
}

TEST(MainForm, PopupDecisionsAndAgreeWithSuggestion) {
    TestFolder dir;
    Window w(dir);
    // «все равно» is rated 2 by a rule; the other two «все» stay at 0.
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText));
    w->act_FindAllExecute();
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    QAbstractItemModel* model = view->model();
    QModelIndex vse;
    for (int i = 0; i < model->rowCount(); ++i) {
        if (model->index(i, 0).data().toString() == QStringLiteral("все"))
            vse = model->index(i, 0);
    }
    ASSERT_TRUE(vse.isValid());
    TDWord2Replace* word = TDCandidateListModel::WordOf(vse);
    auto states = [&] {
        QList<int> out;
        for (const TDContextEntry* e : word->ContextEntries())
            out << int(e->ReplaceLevel() == 2 ? 10 + e->CheckedState() : e->CheckedState());
        std::sort(out.begin(), out.end());
        return out;
    };
    // The list menu's command leaves the undecided level-0 occurrences alone.
    view->setCurrentIndex(vse);
    w->act_ListAgreeWithSuggestionExecute();
    EXPECT_EQ(states(), QList<int>({cbGrayed, cbGrayed, 10 + cbChecked}));
    // "Заменять" on the word form row ticks every visible occurrence.
    view->selectionModel()->select(vse, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    w->act_ListChangeCheckStateExecute(1);
    EXPECT_EQ(states(), QList<int>({cbChecked, cbChecked, 10 + cbChecked}));
    // The popup's "Согласиться с предложенным" sets level 0 back to undecided.
    w->act_ListChangeCheckStateExecute(0);
    EXPECT_EQ(states(), QList<int>({cbGrayed, cbGrayed, 10 + cbChecked}));
    w->act_ListChangeCheckStateExecute(-1);
    EXPECT_EQ(states(), QList<int>({cbUnchecked, cbUnchecked, 10 + cbUnchecked}));
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsNotChecked")->text(), QStringLiteral("0"));
}

TEST(MainForm, ReplaceWritesTheTickedVisibleOccurrences) {
    TestFolder dir;
    Window w(dir);
    QAction* replace = nullptr;
    for (QAction* a : w.form->findChildren<QAction*>())
        if (a->text() == QStringLiteral("Заменить "))
            replace = a;
    ASSERT_NE(replace, nullptr);
    EXPECT_FALSE(replace->isEnabled());
    w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("Он пришел, и все.\nЕще раз.")));
    w->act_FindAllExecute();
    EXPECT_TRUE(replace->isEnabled());
    // Hide the unambiguous «еще»: a hidden occurrence is not changed even though it is ticked.
    for (TDContextEntry* e : w->Entries())
        if (e->TextE() == QStringLiteral("Еще"))
            e->SetVisible(false);
    w->act_ReplaceEExecute();
    EXPECT_EQ(w->CommonFile(), QStringList({"Он пришёл, и все.", "Еще раз."})); // «все» is undecided
    w->act_ListClearExecute(false);
    EXPECT_FALSE(replace->isEnabled());
}
