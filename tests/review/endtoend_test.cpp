#include "candidatelistmodel.h"
#include "candidatetreeview.h"
#include "contextentry.h"
#include "saveasdialog.h"
#include "textfile.h"
#include "windowtesting.h"
#include "word2replace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next "Сохранить как..." as a user would: types the name, picks the encoding, saves.
void AnswerSaveDialog(const QString& name, const QString& encoding) {
    QTimer::singleShot(0, [name, encoding] {
        auto* dialog = qobject_cast<TDSaveAsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_NE(dialog->cmb_Encoding, nullptr);
        dialog->cmb_Encoding->setCurrentText(encoding);
        dialog->FileNameEdit()->setText(name);
        dialog->accept();
    });
}

QModelIndex RowOf(QAbstractItemModel* model, const QString& text, const QModelIndex& parent = {}) {
    for (int i = 0; i < model->rowCount(parent); ++i) {
        const QModelIndex index = model->index(i, 0, parent);
        if (index.data().toString().contains(text))
            return index;
    }
    return {};
}

} // namespace

// A whole review as a user works: open the sample FB2, analyse, show only the ambiguous words, agree with
// the suggestions, tick one more occurrence, replace, save in windows-1251; then save the review as a
// list, clear, open the document again, load the list, replace and save: the same file comes out.
TEST(EndToEnd, ReviewReplaceSaveAndReplayFromAList) {
    TestFolder dir;
    const QString source = QStringLiteral(TARV_SOURCE_DIR "/data/samples/sample.fb2");
    const QString doc = dir.Path(QStringLiteral("Роман.fb2"));
    ASSERT_TRUE(QFile::copy(source, doc));
    Window w(dir);
    w.form->show();
    ASSERT_TRUE(w->FileOpen(doc));
    w->act_FindAllExecute();

    // Only the ambiguous words.
    w.Find<QCheckBox>("chk_FilterOne")->click();
    auto* view = w.Find<TDCandidateTreeView>("vst_Main");
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 1);
    const QModelIndex vse = model->index(0, 0);
    ASSERT_EQ(vse.data().toString(), QStringLiteral("все"));

    // Agree with the suggestions: the rule rates «все равно» 2; the other three stay undecided.
    view->setCurrentIndex(vse);
    w->act_ListAgreeWithSuggestionExecute();
    // Tick «все было» by hand.
    view->expand(vse);
    const QModelIndex bylo = RowOf(model, QStringLiteral("все было"), vse);
    ASSERT_TRUE(bylo.isValid());
    ASSERT_TRUE(model->setData(bylo, Qt::Checked, Qt::CheckStateRole));
    w->act_ReplaceEExecute();
    ASSERT_TRUE(w->DocumentChanged());

    // Saved as windows-1251: declaration D1 and windows-1251 bytes, the hidden unambiguous words untouched.
    AnswerSaveDialog(dir.Path(QStringLiteral("первый.txt")), QStringLiteral("windows-1251"));
    w->act_FileSaveExecute();
    const QString first = dir.Path(QStringLiteral("первый.fb2")); // the document's extension wins
    ASSERT_TRUE(QFile::exists(first)) << w->LastMessage().toStdString();
    EXPECT_EQ(w->SaveEncoding(), feWin1251);
    EXPECT_FALSE(w->DocumentChanged());
    QStringList expected = QString::fromUtf8(FileBytes(source)).split(QStringLiteral("\r\n"));
    expected[0] = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>");
    for (QString& line : expected) {
        line.replace(QStringLiteral("все равно"), QStringLiteral("всё равно"));
        line.replace(QStringLiteral("все было"), QStringLiteral("всё было"));
    }
    const QByteArray expectedBytes = EncodeWindows1251(expected.join(QStringLiteral("\r\n")));
    EXPECT_EQ(FileBytes(first), expectedBytes);
    EXPECT_EQ(FileBytes(doc), FileBytes(source)); // the opened file is never written

    // The review as a list; clear; the same document again; the list; replace; save.
    const QString list = dir.Path(QStringLiteral("Роман.wtr"));
    w->ChooseFileHook = [&](const TMainForm::TDFileChoice& c) {
        return c.Save ? c.FileName : list;
    };
    w->act_FileSaveDataExecute();
    ASSERT_TRUE(QFile::exists(list));
    w->SetMessageBoxAnswer(QMessageBox::Yes);
    w->act_ListClearExecute(true);
    EXPECT_EQ(w->Entries().Count(), 0);
    // As after a restart, the filter shows everything: the list brings back what its review showed.
    w->act_FilterClearExecute();
    ASSERT_TRUE(w->FileOpen(doc));
    w->act_FileLoadDataExecute();
    ASSERT_GT(w->Entries().Count(), 0);
    ASSERT_EQ(model->rowCount(), 1); // only «все», as when the list was saved
    w->act_ReplaceEExecute();
    AnswerSaveDialog(dir.Path(QStringLiteral("второй")), QStringLiteral("windows-1251"));
    w->act_FileSaveExecute();
    EXPECT_EQ(FileBytes(dir.Path(QStringLiteral("второй.fb2"))), expectedBytes);
}

// The saved file may not be the opened one.
TEST(EndToEnd, SaveRefusesTheOpenedFile) {
    TestFolder dir;
    const QString doc = dir.Path(QStringLiteral("Роман.fb2"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARV_SOURCE_DIR "/data/samples/sample.fb2"), doc));
    Window w(dir);
    w.form->show();
    ASSERT_TRUE(w->FileOpen(doc));
    w->act_FindAllExecute();
    w->act_ReplaceEExecute();
    const QByteArray before = FileBytes(doc);
    // The dialog refuses the name (its warning is answered), stays open, and is then cancelled.
    QString warning;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TDSaveAsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->FileNameEdit()->setText(dir.Path(QStringLiteral("Роман.xml")));
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            warning = box->text();
            box->accept();
        });
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    w->act_FileSaveExecute();
    EXPECT_TRUE(warning.contains(QStringLiteral("новый файл"))) << warning.toStdString();
    EXPECT_EQ(FileBytes(doc), before);
    EXPECT_TRUE(w->DocumentChanged());
}

// An RTF document: the ticked words are written into its RTF source, and the saved file is RTF that
// reads back with «ё» and its formatting; the dialog has no encoding choice.
TEST(EndToEnd, RtfDocumentKeepsItsFormatting) {
    TestFolder dir;
    const QString source = QStringLiteral(TARV_SOURCE_DIR "/data/samples/sample.rtf");
    Window w(dir);
    w.form->show();
    ASSERT_TRUE(w->FileOpen(source));
    w->act_FindAllExecute();
    w->act_ReplaceEExecute(); // the unambiguous words are ticked from the start
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TDSaveAsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->cmb_Encoding, nullptr);
        dialog->FileNameEdit()->setText(dir.Path(QStringLiteral("out")));
        dialog->accept();
    });
    w->act_FileSaveExecute();
    const QString out = dir.Path(QStringLiteral("out.rtf"));
    const QByteArray saved = FileBytes(out);
    const QByteArray original = FileBytes(source);
    ASSERT_TRUE(saved.startsWith("{\\rtf1")) << w->LastMessage().toStdString();
    // Every letter patched in place and the dash rule; nothing else changes.
    QByteArray expected = original;
    expected.replace(R"(\'c5\'f9\'e5 )", R"(\'c5\'f9\'b8 )");                       // Ещё
    expected.replace(R"(\'ef\'f0\'e8\'f8\'e5\'eb)", R"(\'ef\'f0\'e8\'f8\'b8\'eb)"); // пришёл
    expected.replace(R"(\'e5\'f9\'e5 \'ed\'e5)", R"(\'e5\'f9\'b8 \'ed\'e5)");       // ещё не
    expected.replace(R"(\'eb - )", R"(\'eb \u8212\'97 )");                          // " — "
    EXPECT_EQ(saved, expected);

    // Opened again, the text holds what the review wrote.
    Window again(dir);
    ASSERT_TRUE(again->FileOpen(out));
    EXPECT_TRUE(again->CommonFile().join(QLatin1Char('\n')).contains(QStringLiteral("Ещё вчера он пришёл")));
}
