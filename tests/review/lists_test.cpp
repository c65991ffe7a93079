#include "aboutform.h"
#include "candidatelistmodel.h"
#include "candidatetreeview.h"
#include "contextentry.h"
#include "optionsform.h"
#include "regexinfoform.h"
#include "settingsfile.h"
#include "textfile.h"
#include "windowtesting.h"
#include "word2replace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QAction* ActionNamed(TMainForm* form, const QString& text) {
    for (QAction* a : form->findChildren<QAction*>()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

// Decides every occurrence of «все»: ticked, except the one before «мы».
void DecideVse(TMainForm* form) {
    for (TDContextEntry* e : form->Entries()) {
        if (e->TextEPure().compare(QStringLiteral("все"), Qt::CaseInsensitive) == 0)
            e->SetCheckedState(e->After().startsWith(QStringLiteral(" мы")) ? cbUnchecked : cbChecked);
    }
}

QByteArray FileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QModelIndex RowOf(QAbstractItemModel* model, const QString& text) {
    for (int i = 0; i < model->rowCount(); ++i) {
        if (model->index(i, 0).data().toString() == text)
            return model->index(i, 0);
    }
    return {};
}

const QStringList kReplaced = {"Мне всё равно, он пришёл.", "Ещё раз: все мы тут, и всё.", "Кот."};

} // namespace

// The review saved as a list and loaded over the same document after it was opened again replaces
// exactly what the review itself would have replaced.
TEST(MainFormLists, SavedReviewReplacesTheReopenedDocument) {
    TestFolder dir;
    Window w(dir);
    QAction* save = ActionNamed(w.form.get(), QStringLiteral("Сохранить список замен"));
    QAction* open = ActionNamed(w.form.get(), QStringLiteral("Открыть список замен"));
    ASSERT_TRUE(save && open);
    EXPECT_TRUE(save->isVisible());
    EXPECT_TRUE(open->isVisible());
    EXPECT_FALSE(save->isEnabled()); // nothing to save yet

    const QString doc = dir.WriteUtf8(QStringLiteral("роман.txt"), kText);
    ASSERT_TRUE(w->FileOpen(doc));
    w->act_FindAllExecute();
    EXPECT_TRUE(save->isEnabled());
    DecideVse(w.form.get());
    EXPECT_TRUE(w->NeedToSave());

    // The dialog offers the document's name with ".wtr" in its folder; a typed ".txt" becomes ".wtr".
    QList<TMainForm::TDFileChoice> asked;
    w->ChooseFileHook = [&](const TMainForm::TDFileChoice& c) {
        asked << c;
        return c.Save ? dir.Path(QStringLiteral("список.txt")) : dir.Path(QStringLiteral("список.wtr"));
    };
    w->act_FileSaveDataExecute();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].Save);
    EXPECT_EQ(asked[0].Title, QStringLiteral("Список замен: сохранение."));
    EXPECT_EQ(asked[0].FileName, dir.Path(QStringLiteral("роман.wtr")));
    EXPECT_EQ(asked[0].Filters.first(), QStringLiteral("Список замен (*.wtr)"));
    EXPECT_TRUE(QFile::exists(dir.Path(QStringLiteral("список.wtr"))));
    EXPECT_FALSE(QFile::exists(dir.Path(QStringLiteral("список.txt"))));
    EXPECT_FALSE(w->NeedToSave());
    EXPECT_EQ(w->windowTitle(), QDir::toNativeSeparators(doc)); // the caption keeps the document

    // What the review itself would write.
    w->act_ReplaceEExecute();
    EXPECT_EQ(w->CommonFile(), kReplaced);
    EXPECT_EQ(w.Find<QLabel>("lbl_StatusInfo")->text(), QStringLiteral("заменено вхождений: 4"));

    // Opening the document again drops the replacements (the user agrees), then the list is loaded.
    w->SetMessageBoxAnswer(QMessageBox::Yes);
    ASSERT_TRUE(w->FileOpen(doc));
    EXPECT_EQ(w->Entries().Count(), 0);
    w->act_FileLoadDataExecute();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_FALSE(asked[1].Save);
    EXPECT_EQ(asked[1].Title, QStringLiteral("Список замен: загрузка."));
    EXPECT_EQ(asked[1].Folder, QFileInfo(doc).absolutePath());
    EXPECT_EQ(w->Settings().OpenedWTRFiles.first(), dir.Path(QStringLiteral("список.wtr")));
    EXPECT_EQ(w->Entries().Count(), 5);
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsTotal")->text(), QStringLiteral("[5]"));
    EXPECT_EQ(w.Find<QLabel>("lbl_WordsNotChecked")->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Find<TDCandidateTreeView>("vst_Main")->model()->rowCount(), 3);
    w->act_ReplaceEExecute();
    EXPECT_EQ(w->CommonFile(), kReplaced);
}

// A list of the five-field form has no places: the replacement says so and changes nothing; a list
// loaded over another document replaces nothing where the words are not.
TEST(MainFormLists, ListsThatCannotBeReplacedAreReported) {
    TestFolder dir;
    Window w(dir);
    const QString old = dir.Path(QStringLiteral("old.wtr"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeWindows1251(QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2\r\nМне \r\n равно\r\nМне \r\n "
                                                 "равно, он пришел.\r\n")));
    }
    const QString doc = dir.WriteUtf8(QStringLiteral("t.txt"), kText);

    // No document yet.
    ASSERT_TRUE(w->WTRFileOpen(old));
    w->act_ReplaceEExecute();
    EXPECT_TRUE(w->LastMessage().contains(QStringLiteral("Нет открытого документа")))
        << w->LastMessage().toStdString();

    ASSERT_TRUE(w->FileOpen(doc));
    ASSERT_TRUE(w->WTRFileOpen(old));
    w->act_ReplaceEExecute();
    EXPECT_TRUE(w->LastMessage().contains(QStringLiteral("нет положений"))) << w->LastMessage().toStdString();
    EXPECT_EQ(w->CommonFile(), kText.split(QLatin1Char('\n')));
    EXPECT_FALSE(w->DocumentChanged());

    // A list with places, over a document whose words have moved.
    w->act_FindAllExecute();
    DecideVse(w.form.get());
    const QString list = dir.Path(QStringLiteral("list.wtr"));
    w->ChooseFileHook = [&](const TMainForm::TDFileChoice&) {
        return list;
    };
    w->act_FileSaveDataExecute();
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("other.txt"), QStringLiteral("Кот.\n") + kText)));
    ASSERT_TRUE(w->WTRFileOpen(list));
    w->act_ReplaceEExecute();
    EXPECT_TRUE(w->LastMessage().contains(QStringLiteral("на их месте уже другой текст")))
        << w->LastMessage().toStdString();
    EXPECT_EQ(w->CommonFile().first(), QStringLiteral("Кот."));
}

// A malformed list is reported and the review on screen stays; a stale name loads nothing.
TEST(MainFormLists, BadListKeepsTheReview) {
    TestFolder dir;
    Window w(dir);
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    const QString bad = dir.WriteUtf8(QStringLiteral("bad.wtr"), QStringLiteral("всё\t2\tмного\r\n"));
    w->SetMessageBoxAnswer(QMessageBox::Yes); // drop the unsaved decisions
    EXPECT_FALSE(w->WTRFileOpen(bad));
    EXPECT_TRUE(w->LastMessage().contains(QStringLiteral("строка 1"))) << w->LastMessage().toStdString();
    EXPECT_EQ(w->Entries().Count(), 5);
    EXPECT_EQ(w.Find<TDCandidateTreeView>("vst_Main")->model()->rowCount(), 3);
    EXPECT_FALSE(w->WTRFileOpen(dir.Path(QStringLiteral("нет.wtr"))));
    EXPECT_EQ(w->Entries().Count(), 5);

    // Unsaved decisions are not dropped when the user says No.
    DecideVse(w.form.get());
    w->SetMessageBoxAnswer(QMessageBox::No);
    const QString other = dir.WriteUtf8(QStringLiteral("e.wtr"), QStringLiteral("ёж\t1\t0\r\n"));
    EXPECT_FALSE(w->WTRFileOpen(other));
    EXPECT_EQ(w->Entries().Count(), 5);
}

// The developer's export of ambiguous occurrences; the command is not offered to other users.
TEST(MainFormLists, ExportOfAmbiguousOccurrences) {
    TestFolder dir;
    {
        Window user(dir);
        EXPECT_FALSE(ActionNamed(user.form.get(), QStringLiteral("Сохранить неоднозначные"))->isVisible());
    }
    Window w(dir, osNone, QStringLiteral("Developer"));
    EXPECT_TRUE(ActionNamed(w.form.get(), QStringLiteral("Сохранить неоднозначные"))->isVisible());
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    w->ChooseFileHook = [&](const TMainForm::TDFileChoice&) {
        return dir.Path(QStringLiteral("duals.csv"));
    };
    w->act_ListExportDualsExecute();
    EXPECT_EQ(w->LastMessage(), QStringLiteral("Готово."));
    const QStringList lines =
        DecodeWindows1251(FileBytes(dir.Path(QStringLiteral("duals.txt")))).split(QStringLiteral("\r\n"));
    // The three «все», not the unambiguous «пришел» and «Еще»; and a final line end.
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).first(), QStringLiteral("все"));
    EXPECT_TRUE(lines[3].isEmpty());
}

// Counts of the status bar; F5 applies the filter again; F3 searches only Word's document.
TEST(MainFormLists, StatusBarAndKeys) {
    TestFolder dir;
    Window w(dir);
    auto* inList = w.Find<QLabel>("lbl_WordsInList");
    auto* open = w.Find<QLabel>("lbl_WordsNotChecked");
    auto* total = w.Find<QLabel>("lbl_WordsTotal");
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    EXPECT_EQ(inList->text(), QStringLiteral("5"));
    EXPECT_EQ(open->text(), QStringLiteral("3")); // the three «все» are undecided
    EXPECT_EQ(total->text(), QStringLiteral("[5]"));

    // A filter that hides everything: nothing in the list, the total stays.
    w.form->show();
    for (QCheckBox* box : w.form->findChildren<QCheckBox*>()) {
        if (box->objectName() == QLatin1String("chk_FilterOne") ||
            box->objectName() == QLatin1String("chk_FilterTwo"))
            box->click();
    }
    EXPECT_EQ(inList->text(), QStringLiteral("0"));
    EXPECT_EQ(total->text(), QStringLiteral("[5]"));

    // F5 runs the filter again: an occurrence hidden behind its back comes back with the boxes on.
    w.Find<QCheckBox>("chk_FilterOne")->click();
    w.Find<QCheckBox>("chk_FilterTwo")->click();
    w->Entries()[0]->SetVisible(false);
    w->UpdateStatusBar();
    ASSERT_EQ(inList->text(), QStringLiteral("4"));
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    QApplication::setActiveWindow(w.form.get());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_F5);
    EXPECT_EQ(inList->text(), QStringLiteral("5"));

    QAction* findAgain = ActionNamed(w.form.get(), QStringLiteral("Найти снова"));
    ASSERT_NE(findAgain, nullptr);
    EXPECT_FALSE(findAgain->isEnabled()); // no Word in file mode

    w->act_ListClearExecute(false);
    EXPECT_TRUE(inList->text().isEmpty());
    EXPECT_TRUE(open->text().isEmpty());
    EXPECT_TRUE(total->text().isEmpty());
}

// An occurrence decided by two rules (all rules for «всё») shows both numbers, both ratings and both
// patterns without their guards.
TEST(MainFormLists, RuleWindowWithTwoRules) {
    TestFolder dir;
    Window w(dir);
    GlobalDictionaries().ContextRegs.AddLine(QStringLiteral("всё\t(?<![а-яё])мне\\s+все(?![а-яё])\t1"));
    w.Find<QToolButton>("img_RuleCount")->click(); // all rules
    ASSERT_TRUE(w->GetAllRules());
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("Мне все равно."))));
    w->act_FindAllExecute();
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    const QModelIndex entry = view->model()->index(0, 0, view->model()->index(0, 0));
    view->setCurrentIndex(entry);
    Tfrm_RegExInfo* info = w->RegExInfo();
    EXPECT_EQ(info->edt_RegN->toPlainText(), QStringLiteral("1\n2"));
    EXPECT_EQ(info->edt_RegRule->toPlainText(), QStringLiteral("все\\s+равно\nмне\\s+все"));
}

// Replacements not yet written to a file are not dropped without asking.
TEST(MainFormLists, UnsavedReplacementsAreNotDroppedSilently) {
    TestFolder dir;
    Window w(dir);
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    w->act_ReplaceEExecute();
    ASSERT_TRUE(w->DocumentChanged());
    w.form->show();
    w->SetMessageBoxAnswer(QMessageBox::No);
    EXPECT_FALSE(w.form->close());
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_FALSE(w->FileOpen(dir.WriteUtf8(QStringLiteral("u.txt"), QStringLiteral("Еще."))));
    EXPECT_TRUE(w->LastMessage().contains(QStringLiteral("t.txt"))) << w->LastMessage().toStdString();
    EXPECT_EQ(w->CommonFile().first(), QStringLiteral("Мне все равно, он пришёл."));
    w->SetMessageBoxAnswer(QMessageBox::Yes);
    EXPECT_TRUE(w.form->close());
}

// "Настройки" from the window: "отмена" changes nothing, "да" applies the copy (the counts beside the
// word forms, the dictionaries, which the settings file keeps); "О программе" shows the version.
TEST(MainFormOptions, OkAppliesCancelDoesNotAndAboutShowsTheVersion) {
    TestFolder dir;
    const QString rules = dir.WriteUtf8(QStringLiteral("мои правила.txt"), QStringLiteral(";context\n"));
    {
        Window w(dir);
        ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
        w->act_FindAllExecute();
        auto* view = w.Find<TDCandidateTreeView>("vst_Main");
        auto countText = [&] {
            return RowOf(view->model(), QStringLiteral("все"))
                .data(TDCandidateListModel::StaticTextRole)
                .toString();
        };
        ASSERT_EQ(countText(), QStringLiteral(" [3]"));
        auto answer = [&](bool ok) {
            QTimer::singleShot(0, [&, ok] {
                auto* form = qobject_cast<TOptionsForm*>(QApplication::activeModalWidget());
                ASSERT_NE(form, nullptr);
                EXPECT_TRUE(form->chk_ShowEntriesCount->isChecked());
                EXPECT_FALSE(form->grp_WordSearchOptions->isVisibleTo(form)); // file mode
                form->chk_ShowEntriesCount->click();
                form->ChooseFile = [&] {
                    return rules;
                };
                form->AddDictionary();
                (ok ? form->btn_Ok : form->btn_Cancel)->click();
            });
            w->act_OptionsExecute();
        };
        answer(false);
        EXPECT_TRUE(w->ShowEntriesCount());
        EXPECT_TRUE(w->UserDictionaries().isEmpty());
        EXPECT_EQ(countText(), QStringLiteral(" [3]"));
        answer(true);
        EXPECT_FALSE(w->ShowEntriesCount());
        ASSERT_EQ(w->UserDictionaries().size(), 1);
        EXPECT_EQ(w->UserDictionaries()[0].DictionaryKind, TDUserDictionary::kindContextRules);
        EXPECT_FALSE(w->UserDictionaries()[0].Use);
        EXPECT_TRUE(countText().isEmpty());

        QString version;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе"));
            version = about->lbl_AppVersion->text();
            about->accept();
        });
        w->act_AboutExecute();
        EXPECT_TRUE(version.contains(QStringLiteral(TARV_VERSION))) << version.toStdString();
    }
    const TDSettings kept = TDSettingsFile(dir.Path(QStringLiteral("tarv.ini"))).Read(true);
    ASSERT_EQ(kept.UserDictionaries.size(), 1);
    EXPECT_EQ(kept.UserDictionaries[0].FullName, rules);
}

// The free text of the filter is looked for in the е spelling of the context, letter case counting.
TEST(MainFormFilter, FreeTextInTheWindowIsCaseSensitiveInTheESpelling) {
    TestFolder dir;
    Window w(dir);
    ASSERT_TRUE(w->FileOpen(dir.WriteUtf8(QStringLiteral("t.txt"), kText)));
    w->act_FindAllExecute();
    w.form->show();
    auto* edit = w.Find<QLineEdit>("edt_FilterCustom");
    auto* inList = w.Find<QLabel>("lbl_WordsInList");
    const struct {
        const char* Text;
        const char* Shown;
    } cases[] = {
        {"Еще раз", "3"}, // the three occurrences of the second line
        {"еще раз", "0"}, // letter case counts
        {"Ещё раз", "0"}, // the document's spelling, not the suggestion
        {"пришел", "2"},  // the first line's «все» and «пришел»
    };
    for (const auto& c : cases) {
        edit->setText(QString::fromUtf8(c.Text));
        w->ToggleCustomFilter(); // on
        EXPECT_EQ(inList->text(), QString::fromLatin1(c.Shown)) << c.Text;
        w->ToggleCustomFilter(); // off
        EXPECT_EQ(inList->text(), QStringLiteral("5")) << c.Text;
    }
}
