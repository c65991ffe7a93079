#include "filetypes.h"
#include "saveasdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Names in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QStringList kEncodingItems = {QStringLiteral("windows-1251"), QStringLiteral("utf-8"),
                                    QStringLiteral("unknown")};

void Touch(const QString& fileName) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
}

// Runs answer on the modal widget of type T once the running event loop gets to it. Anything else that
// is modal then is closed, so that a wrong dialog fails the test instead of waiting for a user.
template <class T> void WhenShown(std::function<void(T&)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* widget = qobject_cast<T*>(modal)) {
            answer(*widget);
            return;
        }
        ADD_FAILURE() << "expected modal " << T::staticMetaObject.className() << ", found "
                      << (modal ? modal->metaObject()->className() : "none");
        if (modal)
            modal->close();
    });
}

// Replaces the file name as a user types it, key by key (QTest::keyClicks takes Latin letters only).
// The line edit has no focus here: the dialog must not mind.
void TypeName(TDSaveAsDialog& dialog, const QString& name) {
    QLineEdit* edit = dialog.FileNameEdit();
    ASSERT_NE(edit, nullptr);
    edit->clear();
    for (const QChar c : name)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    ASSERT_EQ(edit->text(), name);
}

} // namespace

TEST(SaveAsDialog, CaptionsAndFileTypes) {
    QTemporaryDir dir;
    TDSaveAsDialog dialog(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Сохранить как..."));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.labelText(QFileDialog::FileName), QStringLiteral("имя файла"));
    EXPECT_EQ(dialog.labelText(QFileDialog::Accept), QStringLiteral("Сохранить"));
    // What the user sees: the label beside the name and the button.
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("имя файла"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QStringList buttonTexts;
    for (QAbstractButton* button : buttons->buttons())
        buttonTexts << button->text();
    EXPECT_TRUE(buttonTexts.contains(QStringLiteral("Сохранить"))) << buttonTexts.join(u',').toStdString();

    const QStringList types = {QStringLiteral("fb2 файл (*.fb2)"), QStringLiteral("html файл (*.htm*)"),
                               QStringLiteral("XML файл (*.xml)"), QStringLiteral("TXT файл (*.txt)"),
                               QStringLiteral("RTF файл (*.rtf)"), QStringLiteral("все файлы (*.*)")};
    EXPECT_EQ(dialog.nameFilters(), types);
    auto* typeCombo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(typeCombo, nullptr);
    QStringList shown;
    for (int i = 0; i < typeCombo->count(); ++i)
        shown << typeCombo->itemText(i);
    EXPECT_EQ(shown, types);
}

TEST(SaveAsDialog, InitialTypeFollowsTheExtensionAsWritten) {
    struct Case {
        const char* name;
        int index;
    };
    const Case cases[] = {{"Роман.fb2", 1}, {"Роман.html", 2}, {"Роман.htm", 2}, {"Роман.xml", 3},
                          {"Роман.txt", 4}, {"Роман.rtf", 5},  {"Роман.TXT", 6}, {"Роман.Fb2", 6},
                          {"Роман.doc", 6}, {"Роман", 6}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        TDSaveAsDialog dialog(dir.filePath(name), FileTypeOfName(name), feWin1251, dir.path());
        EXPECT_EQ(dialog.TypeIndex(), c.index) << c.name;
        EXPECT_EQ(dialog.selectedNameFilter(), dialog.nameFilters().at(c.index - 1)) << c.name;
    }
}

TEST(SaveAsDialog, DefaultNameAndFolder) {
    QTemporaryDir opened;
    QTemporaryDir last;
    struct Case {
        const char* fileName;
        QString folder;
        const char* name;
        QString shownFolder;
    };
    const Case cases[] = {
        {"Роман.fb2", last.path(), "Роман (ё)", last.path()},
        // Without a last folder the dialog opens where the document lies.
        {"Роман.fb2", QString(), "Роман (ё)", opened.path()},
        // Only the extension goes, not what follows an earlier dot.
        {"Т. Манн. Будденброки.txt", last.path(), "Т. Манн. Будденброки (ё)", last.path()},
    };
    for (const Case& c : cases) {
        TDSaveAsDialog dialog(opened.filePath(QString::fromUtf8(c.fileName)), ftFB2, feUTF8, c.folder);
        ASSERT_NE(dialog.FileNameEdit(), nullptr);
        EXPECT_EQ(dialog.FileNameEdit()->text(), QString::fromUtf8(c.name)) << c.fileName;
        EXPECT_EQ(dialog.directory().absolutePath(), QDir(c.shownFolder).absolutePath()) << c.fileName;
        EXPECT_TRUE(dialog.ChosenFileName().isEmpty()) << "nothing is chosen before the dialog is accepted";
    }
}

TEST(SaveAsDialog, EncodingChoiceForTextTypes) {
    QTemporaryDir dir;
    struct Case {
        TDFileEncoding encoding;
        int item;
    };
    const Case encodings[] = {{feWin1251, 0}, {feUTF8, 1}, {feNone, 2}};
    const TDFileType types[] = {ftFB2, ftHtml, ftXML, ftTXT};
    for (TDFileType type : types) {
        for (const Case& c : encodings) {
            const std::string where =
                "type " + std::to_string(type) + ", encoding " + std::to_string(c.encoding);
            TDSaveAsDialog dialog(dir.filePath(QStringLiteral("Роман.fb2")), type, c.encoding, dir.path());
            ASSERT_NE(dialog.grp_Encoding, nullptr) << where;
            ASSERT_NE(dialog.cmb_Encoding, nullptr) << where;
            EXPECT_EQ(dialog.grp_Encoding->title(), QStringLiteral("Encoding")) << where;
            EXPECT_TRUE(dialog.grp_Encoding->font().bold()) << where;
            EXPECT_FALSE(dialog.cmb_Encoding->font().bold()) << "only the title stands out; " << where;
            EXPECT_EQ(dialog.cmb_Encoding->parentWidget(), dialog.grp_Encoding) << where;
            QStringList items;
            for (int i = 0; i < dialog.cmb_Encoding->count(); ++i)
                items << dialog.cmb_Encoding->itemText(i);
            EXPECT_EQ(items, kEncodingItems) << where;
            EXPECT_EQ(dialog.cmb_Encoding->currentIndex(), c.item) << where;
            EXPECT_EQ(dialog.SaveEncoding(), c.encoding) << where;

            // A row of its own under everything else, across the whole dialog.
            auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
            ASSERT_NE(grid, nullptr) << where;
            const int at = grid->indexOf(dialog.grp_Encoding);
            ASSERT_GE(at, 0) << where;
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
            EXPECT_EQ(row, grid->rowCount() - 1) << where;
            EXPECT_EQ(column, 0) << where;
            EXPECT_EQ(columnSpan, grid->columnCount()) << where;
        }
    }
}

TEST(SaveAsDialog, EachItemGivesItsEncoding) {
    QTemporaryDir dir;
    TDSaveAsDialog dialog(dir.filePath(QStringLiteral("Роман.txt")), ftTXT, feNone, dir.path());
    ASSERT_NE(dialog.cmb_Encoding, nullptr);
    const TDFileEncoding expected[] = {feWin1251, feUTF8, feNone};
    for (int item = 0; item < 3; ++item) {
        dialog.cmb_Encoding->setCurrentIndex(item);
        EXPECT_EQ(dialog.SaveEncoding(), expected[item]) << "item " << item;
    }
}

TEST(SaveAsDialog, NoEncodingChoiceForOtherTypes) {
    QTemporaryDir dir;
    const TDFileType types[] = {ftRTF, ftNone, ftWord};
    const TDFileEncoding encodings[] = {feWin1251, feUTF8, feNone};
    for (TDFileType type : types) {
        for (TDFileEncoding encoding : encodings) {
            TDSaveAsDialog dialog(dir.filePath(QStringLiteral("Роман.rtf")), type, encoding, dir.path());
            EXPECT_EQ(dialog.grp_Encoding, nullptr) << type;
            EXPECT_EQ(dialog.cmb_Encoding, nullptr) << type;
            EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("grp_Encoding")), nullptr) << type;
            EXPECT_EQ(dialog.SaveEncoding(), encoding) << "the document's own; type " << type;
        }
    }
}

TEST(SaveAsDialog, ChoiceOfNameTypeAndEncoding) {
    QTemporaryDir dir;
    WhenShown<TDSaveAsDialog>([](TDSaveAsDialog& dialog) {
        // The type first: switching it afterwards would rewrite the typed extension.
        auto* typeCombo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(typeCombo, nullptr);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(typeCombo, Qt::Key_Down);
        dialog.cmb_Encoding->setCurrentIndex(dialog.cmb_Encoding->findText(QStringLiteral("windows-1251")));
        TypeName(dialog, QStringLiteral("out.txt"));
        dialog.accept();
        if (dialog.isVisible())
            dialog.reject();
    });
    const TDSaveChoice choice =
        TDSaveAsDialog::Choose(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());
    EXPECT_TRUE(choice.Accepted);
    EXPECT_EQ(choice.FileName, QDir(dir.path()).filePath(QStringLiteral("out.txt")));
    EXPECT_EQ(choice.TargetFileName, QDir(dir.path()).filePath(QStringLiteral("out.fb2")));
    EXPECT_EQ(choice.TypeIndex, 4);
    EXPECT_EQ(choice.Encoding, feWin1251);
}

TEST(SaveAsDialog, AcceptedDefaultsWithoutEncodingChoice) {
    QTemporaryDir dir;
    WhenShown<TDSaveAsDialog>([](TDSaveAsDialog& dialog) { dialog.accept(); });
    const TDSaveChoice choice =
        TDSaveAsDialog::Choose(dir.filePath(QStringLiteral("Роман.rtf")), ftRTF, feWin1251, dir.path());
    EXPECT_TRUE(choice.Accepted);
    EXPECT_EQ(choice.FileName, QDir(dir.path()).filePath(QStringLiteral("Роман (ё)")));
    EXPECT_EQ(choice.TargetFileName, QDir(dir.path()).filePath(QStringLiteral("Роман (ё).rtf")));
    EXPECT_EQ(choice.TypeIndex, 5);
    EXPECT_EQ(choice.Encoding, feWin1251);
}

TEST(SaveAsDialog, CancelIsNotAccepted) {
    QTemporaryDir dir;
    WhenShown<TDSaveAsDialog>([](TDSaveAsDialog& dialog) {
        TypeName(dialog, QStringLiteral("out"));
        dialog.reject();
    });
    const TDSaveChoice choice =
        TDSaveAsDialog::Choose(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());
    EXPECT_FALSE(choice.Accepted);
    EXPECT_TRUE(choice.FileName.isEmpty());
    EXPECT_TRUE(choice.TargetFileName.isEmpty());
}

TEST(SaveAsDialog, ReplacingIsAskedAboutTheFileWritten) {
    struct Case {
        const char* existing; // in the folder before the save
        const char* typed;    // for an FB2 document
        bool asked;           // the question comes up
        QMessageBox::StandardButton answer;
        bool accepted;
    };
    const Case cases[] = {
        {"out.fb2", "out.txt", true, QMessageBox::No, false},
        {"out.fb2", "out.txt", true, QMessageBox::Yes, true},
        {"out.fb2", "out", true, QMessageBox::Yes, true},
        // out.txt is not what the save writes.
        {"out.txt", "out.txt", false, QMessageBox::No, true},
    };
    for (const Case& c : cases) {
        const std::string where = std::string(c.existing) + " / " + c.typed;
        QTemporaryDir dir;
        Touch(dir.filePath(QString::fromUtf8(c.existing)));
        bool asked = false;
        QString question;
        bool stayedOpen = false;
        WhenShown<TDSaveAsDialog>([&](TDSaveAsDialog& dialog) {
            TypeName(dialog, QString::fromUtf8(c.typed));
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = true;
                    question = box->text();
                    box->button(c.answer)->click();
                }
            });
            dialog.accept();
            stayedOpen = dialog.isVisible();
            if (stayedOpen)
                dialog.reject();
        });
        const TDSaveChoice choice =
            TDSaveAsDialog::Choose(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());
        // A question not asked leaves its check queued.
        QCoreApplication::processEvents();
        EXPECT_EQ(asked, c.asked) << where;
        if (c.asked) {
            EXPECT_TRUE(question.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("out.fb2")))))
                << where << ": " << question.toStdString();
        }
        EXPECT_EQ(stayedOpen, !c.accepted) << where;
        EXPECT_EQ(choice.Accepted, c.accepted) << where;
        if (c.accepted) {
            EXPECT_EQ(choice.FileName, QDir(dir.path()).filePath(QString::fromUtf8(c.typed))) << where;
        }
    }
}

TEST(SaveAsDialog, FolderNameOpensTheFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("книги")));
    QString shownFolder;
    bool stayedOpen = false;
    WhenShown<TDSaveAsDialog>([&](TDSaveAsDialog& dialog) {
        TypeName(dialog, QStringLiteral("книги"));
        dialog.accept();
        stayedOpen = dialog.isVisible();
        shownFolder = dialog.directory().absolutePath();
        dialog.reject();
    });
    const TDSaveChoice choice =
        TDSaveAsDialog::Choose(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(shownFolder, QDir(dir.filePath(QStringLiteral("книги"))).absolutePath());
    EXPECT_FALSE(choice.Accepted);
}

// A picture of the dialog for a look at its layout: TARV_SCREENSHOT_DIR=/some/folder.
TEST(SaveAsDialog, Screenshot) {
    const QString shots = qEnvironmentVariable("TARV_SCREENSHOT_DIR");
    if (shots.isEmpty())
        GTEST_SKIP() << "TARV_SCREENSHOT_DIR is not set";
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("Роман.fb2")));
    Touch(dir.filePath(QStringLiteral("Повесть.fb2")));
    Touch(dir.filePath(QStringLiteral("Заметки.txt")));
    TDSaveAsDialog dialog(dir.filePath(QStringLiteral("Роман.fb2")), ftFB2, feUTF8, dir.path());
    dialog.resize(700, 450);
    dialog.show();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) >= 2; }));
    QTest::qWait(50);
    ASSERT_TRUE(QDir().mkpath(shots));
    EXPECT_TRUE(dialog.grab().save(QDir(shots).filePath(QStringLiteral("savedialog.png"))));
}
