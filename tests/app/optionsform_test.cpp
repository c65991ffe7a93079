#include "optionsform.h"

#include "aboutform.h"
#include "textfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Texts in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

TDUserDictionary Dictionary(const QString& name, quint8 kind, bool use = false, bool missing = false) {
    TDUserDictionary d;
    d.FullName = name;
    d.DictionaryKind = kind;
    d.Use = use;
    d.FileIsMissing = missing;
    return d;
}

QStringList Names(const TDUserDictionaries& list) {
    QStringList names;
    for (const TDUserDictionary& d : list)
        names << d.FullName;
    return names;
}

bool SameDictionaries(const TDUserDictionaries& a, const TDUserDictionaries& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].FullName != b[i].FullName || a[i].DictionaryKind != b[i].DictionaryKind ||
            a[i].Use != b[i].Use || a[i].FileIsMissing != b[i].FileIsMissing)
            return false;
    }
    return true;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    f.write(bytes);
    return path;
}

QByteArray Cp1251(const char* utf8) {
    return EncodeWindows1251(QString::fromUtf8(utf8));
}

// What the main window does with the dialog: values in, exec(), values back only when accepted.
struct TCallerSettings {
    TDUserDictionaries UserDictionaries;
    bool ShowEntriesCount = false;
    bool DoSearchAfterOpen = false;
    int SearchType = 1;
};

int RunOptions(TCallerSettings& settings, TDOleServer server,
               const std::function<void(TOptionsForm&)>& user) {
    TOptionsForm dlg(server);
    dlg.SetUserDictionaries(settings.UserDictionaries);
    dlg.SetShowEntriesCount(settings.ShowEntriesCount);
    dlg.SetDoSearchAfterOpen(settings.DoSearchAfterOpen);
    dlg.SetSearchType(settings.SearchType);
    QTimer::singleShot(0, &dlg, [&] { user(dlg); });
    // Should the user's steps leave the dialog open, it ends with a result no test expects.
    QTimer::singleShot(10000, &dlg, [&] { dlg.done(99); });
    const int result = dlg.exec();
    if (result == QDialog::Accepted) {
        settings.UserDictionaries = dlg.UserDictionaries();
        settings.ShowEntriesCount = dlg.ShowEntriesCount();
        settings.DoSearchAfterOpen = dlg.DoSearchAfterOpen();
        settings.SearchType = dlg.SearchType();
    }
    return result;
}

// Runs action; a message box it opens is closed and its text returned (empty when none opened).
QString MessageBoxDuring(const std::function<void()>& action) {
    QString text;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    timer.start();
    action();
    timer.stop();
    return text;
}

QPoint RowPoint(QTreeWidget* tree, int row) {
    return tree->visualItemRect(tree->topLevelItem(row)).center();
}

void ClickRow(QTreeWidget* tree, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, RowPoint(tree, row));
}

void ClickCheckBox(QTreeWidget* tree, int row) {
    const QModelIndex index = tree->model()->index(row, 1);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    const QRect check = tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, check.center());
}

class TOptionsFormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fDir.isValid()); }

    QString File(const QString& name, const QByteArray& bytes) { return WriteFile(fDir, name, bytes); }

    QTemporaryDir fDir;
};

} // namespace

TEST_F(TOptionsFormTest, AcceptingCopiesEveryValueBack) {
    const QString added = File(QStringLiteral("added.txt"), Cp1251("ёжик\n"));
    // Both ways of saying "да": the button, and Enter wherever the focus is.
    const std::vector<std::pair<const char*, std::function<void(TOptionsForm&)>>> accepts = {
        {"button",
         [](TOptionsForm& d) {
             QTest::mouseClick(d.btn_Ok, Qt::LeftButton);
         }},
        {"Enter in the list",
         [](TOptionsForm& d) {
             QTest::keyClick(d.vst_UserDictionaries, Qt::Key_Return);
         }},
    };
    for (const auto& [how, accept] : accepts) {
        SCOPED_TRACE(how);
        TCallerSettings settings;
        settings.UserDictionaries = {Dictionary(QStringLiteral("/d/a.txt"), 1),
                                     Dictionary(QStringLiteral("/d/b.txt"), 3, true)};
        const int result = RunOptions(settings, osWord, [&](TOptionsForm& d) {
            QTest::mouseClick(d.chk_ShowEntriesCount, Qt::LeftButton);
            QTest::mouseClick(d.chk_DoSearchAfterOpen, Qt::LeftButton);
            QTest::mouseClick(d.Type2_RadioButton, Qt::LeftButton);
            ClickCheckBox(d.vst_UserDictionaries, 0);
            d.ChooseFile = [&] {
                return added;
            };
            QTest::mouseClick(d.btn_AddDictionary, Qt::LeftButton);
            d.vst_UserDictionaries->setFocus();
            accept(d);
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_TRUE(settings.ShowEntriesCount);
        EXPECT_TRUE(settings.DoSearchAfterOpen);
        EXPECT_EQ(settings.SearchType, 2);
        EXPECT_TRUE(
            SameDictionaries(settings.UserDictionaries,
                             {Dictionary(QStringLiteral("/d/a.txt"), 1, true),
                              Dictionary(QStringLiteral("/d/b.txt"), 3, true), Dictionary(added, 1)}));
    }
}

TEST_F(TOptionsFormTest, CancellingLeavesTheCallersValues) {
    const QString added = File(QStringLiteral("added.txt"), Cp1251("ёжик\n"));
    const std::vector<std::pair<const char*, std::function<void(TOptionsForm&)>>> cancels = {
        {"button",
         [](TOptionsForm& d) {
             QTest::mouseClick(d.btn_Cancel, Qt::LeftButton);
         }},
        {"Esc",
         [](TOptionsForm& d) {
             QTest::keyClick(d.vst_UserDictionaries, Qt::Key_Escape);
         }},
        {"close box",
         [](TOptionsForm& d) {
             d.close();
         }},
    };
    for (const auto& [how, cancel] : cancels) {
        SCOPED_TRACE(how);
        TCallerSettings settings;
        settings.UserDictionaries = {Dictionary(QStringLiteral("/d/a.txt"), 1),
                                     Dictionary(QStringLiteral("/d/b.txt"), 2, true, true)};
        settings.ShowEntriesCount = true;
        settings.SearchType = 2;
        const TCallerSettings before = settings;
        const int result = RunOptions(settings, osWord, [&](TOptionsForm& d) {
            QTest::mouseClick(d.chk_ShowEntriesCount, Qt::LeftButton);
            QTest::mouseClick(d.chk_DoSearchAfterOpen, Qt::LeftButton);
            QTest::mouseClick(d.Type1_RadioButton, Qt::LeftButton);
            ClickCheckBox(d.vst_UserDictionaries, 0);
            d.ChooseFile = [&] {
                return added;
            };
            QTest::mouseClick(d.btn_AddDictionary, Qt::LeftButton);
            ClickRow(d.vst_UserDictionaries, 1);
            QTest::mouseClick(d.btn_DeleteDictionary, Qt::LeftButton);
            EXPECT_EQ(d.UserDictionaries().size(), 2); // the changes did happen in the dialog
            d.vst_UserDictionaries->setFocus();
            cancel(d);
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(settings.ShowEntriesCount, before.ShowEntriesCount);
        EXPECT_EQ(settings.DoSearchAfterOpen, before.DoSearchAfterOpen);
        EXPECT_EQ(settings.SearchType, before.SearchType);
        EXPECT_TRUE(SameDictionaries(settings.UserDictionaries, before.UserDictionaries));
    }
}

TEST_F(TOptionsFormTest, AddedDictionaryTakesItsKindFromTheFirstLine) {
    struct TCase {
        const char* name;
        QByteArray bytes;
        quint8 kind;
    };
    const std::vector<TCase> cases = {
        {"upper-case marker", QByteArray(";CONTEXT\r\n") + Cp1251("всё\n"), 3},
        {"mixed-case marker, CR only", QByteArray(";Context\r") + Cp1251("всё"), 3},
        {"marker without a line break", QByteArray(";context"), 3},
        {"marker with more on the line", QByteArray(";context and more\n"), 1},
        {"tab", Cp1251("всё\t0\nёжик\n"), 2},
        {"UTF-8 BOM before the marker", QByteArray("\xEF\xBB\xBF;context\n"), 3},
        {"UTF-8 BOM before the marker and a tab", QByteArray("\xEF\xBB\xBF;context\t1\n"), 2},
        {"UTF-16 LE with its BOM", QByteArray("\xFF\xFE;\0c\0o\0n\0t\0e\0x\0t\0\n\0", 20), 3},
        {"word list", Cp1251("ёжик\nёлка\n"), 1},
        {"tab only on the second line", Cp1251("ёжик\nвсё\t0\n"), 1},
        {"empty file", QByteArray(), 1},
    };
    TOptionsForm dlg(osNone);
    dlg.show();
    QString chosen;
    dlg.ChooseFile = [&] {
        return chosen;
    };
    int i = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        chosen = File(QStringLiteral("d%1.txt").arg(i++), c.bytes);
        const QString message =
            MessageBoxDuring([&] { QTest::mouseClick(dlg.btn_AddDictionary, Qt::LeftButton); });
        EXPECT_TRUE(message.isEmpty()) << message.toStdString();
        ASSERT_EQ(dlg.UserDictionaries().size(), i);
        ASSERT_EQ(dlg.vst_UserDictionaries->topLevelItemCount(), i);
        const TDUserDictionary added = dlg.UserDictionaries().last();
        EXPECT_EQ(added.FullName, chosen);
        EXPECT_EQ(added.DictionaryKind, c.kind);
        EXPECT_FALSE(added.Use);
        EXPECT_FALSE(added.FileIsMissing);
        QTreeWidgetItem* row = dlg.vst_UserDictionaries->topLevelItem(i - 1);
        EXPECT_EQ(row->checkState(1), Qt::Unchecked);
        EXPECT_EQ(row->toolTip(1), chosen);
        EXPECT_EQ(row->text(1), chosen);
    }
}

TEST_F(TOptionsFormTest, AddingNothingOrAnUnreadableFileAddsNoRow) {
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries({Dictionary(QStringLiteral("/d/a.txt"), 1)});
    dlg.show();
    const QString gone = fDir.filePath(QStringLiteral("нет такого.txt"));
    const QString folder = fDir.filePath(QStringLiteral("папка"));
    ASSERT_TRUE(QDir().mkpath(folder));
    struct TCase {
        const char* name;
        QString chosen;
        bool warns;
    };
    const std::vector<TCase> cases = {
        {"dialog cancelled", QString(), false},
        {"file that does not exist", gone, true},
        {"folder", folder, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        dlg.ChooseFile = [&] {
            return c.chosen;
        };
        const QString message =
            MessageBoxDuring([&] { QTest::mouseClick(dlg.btn_AddDictionary, Qt::LeftButton); });
        if (c.warns)
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(c.chosen))) << message.toStdString();
        else
            EXPECT_TRUE(message.isEmpty());
        EXPECT_EQ(Names(dlg.UserDictionaries()), QStringList{QStringLiteral("/d/a.txt")});
        EXPECT_EQ(dlg.vst_UserDictionaries->topLevelItemCount(), 1);
    }
}

TEST_F(TOptionsFormTest, TickingARowSetsItsUse) {
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries({Dictionary(QStringLiteral("/d/a.txt"), 1),
                             Dictionary(QStringLiteral("/d/b.txt"), 2, true),
                             Dictionary(QStringLiteral("/d/c.txt"), 3, false, true)});
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTreeWidget* tree = dlg.vst_UserDictionaries;
    auto uses = [&] {
        QList<bool> u;
        for (const TDUserDictionary& d : dlg.UserDictionaries())
            u << d.Use;
        return u;
    };
    EXPECT_EQ(tree->topLevelItem(1)->checkState(1), Qt::Checked);
    ClickCheckBox(tree, 0);
    EXPECT_EQ(uses(), (QList<bool>{true, true, false}));
    ClickCheckBox(tree, 1);
    EXPECT_EQ(uses(), (QList<bool>{true, false, false}));
    ClickCheckBox(tree, 2); // a missing file can be ticked too
    EXPECT_EQ(uses(), (QList<bool>{true, false, true}));
    ClickCheckBox(tree, 0);
    EXPECT_EQ(uses(), (QList<bool>{false, false, true}));
    // Clicking the name only selects.
    ClickRow(tree, 1);
    EXPECT_EQ(uses(), (QList<bool>{false, false, true}));
}

TEST_F(TOptionsFormTest, DeleteRemovesTheFirstSelectedRowInListOrder) {
    const TDUserDictionaries list = {
        Dictionary(QStringLiteral("/d/a.txt"), 1), Dictionary(QStringLiteral("/d/b.txt"), 2),
        Dictionary(QStringLiteral("/d/c.txt"), 3), Dictionary(QStringLiteral("/d/d.txt"), 1, true)};
    struct TCase {
        const char* name;
        std::vector<int> clicks; // rows in click order, the later ones with Ctrl
        QStringList left;
    };
    const std::vector<TCase> cases = {
        {"nothing selected", {}, {"/d/a.txt", "/d/b.txt", "/d/c.txt", "/d/d.txt"}},
        {"one row", {2}, {"/d/a.txt", "/d/b.txt", "/d/d.txt"}},
        {"later row clicked first", {3, 1}, {"/d/a.txt", "/d/c.txt", "/d/d.txt"}},
        {"several rows", {0, 2, 3}, {"/d/b.txt", "/d/c.txt", "/d/d.txt"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionsForm dlg(osNone);
        dlg.SetUserDictionaries(list);
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        for (size_t i = 0; i < c.clicks.size(); ++i)
            ClickRow(dlg.vst_UserDictionaries, c.clicks[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        EXPECT_EQ(dlg.vst_UserDictionaries->selectedItems().size(), qsizetype(c.clicks.size()));
        QTest::mouseClick(dlg.btn_DeleteDictionary, Qt::LeftButton);
        EXPECT_EQ(Names(dlg.UserDictionaries()), c.left);
        ASSERT_EQ(dlg.vst_UserDictionaries->topLevelItemCount(), c.left.size());
        for (int row = 0; row < c.left.size(); ++row)
            EXPECT_EQ(dlg.vst_UserDictionaries->topLevelItem(row)->toolTip(1), c.left[row]);
        // The rows and the records stay paired: ticking the last row ticks the last record.
        ClickCheckBox(dlg.vst_UserDictionaries, int(c.left.size()) - 1);
        EXPECT_FALSE(dlg.UserDictionaries().last().Use);
    }
}

TEST_F(TOptionsFormTest, DeleteAndInsertKeysInTheList) {
    const QString added = File(QStringLiteral("r.txt"), ";context\n");
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries(
        {Dictionary(QStringLiteral("/d/a.txt"), 1), Dictionary(QStringLiteral("/d/b.txt"), 2)});
    dlg.ChooseFile = [&] {
        return added;
    };
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ClickRow(dlg.vst_UserDictionaries, 0);
    QTest::keyClick(dlg.vst_UserDictionaries, Qt::Key_Delete);
    EXPECT_EQ(Names(dlg.UserDictionaries()), QStringList{QStringLiteral("/d/b.txt")});
    QTest::keyClick(dlg.vst_UserDictionaries, Qt::Key_Insert);
    EXPECT_EQ(Names(dlg.UserDictionaries()), (QStringList{QStringLiteral("/d/b.txt"), added}));
    EXPECT_EQ(dlg.UserDictionaries().last().DictionaryKind, 3);
    EXPECT_TRUE(dlg.isVisible()); // neither key closes the dialog
}

TEST_F(TOptionsFormTest, MissingFileRowIsGreyWithANote) {
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries({Dictionary(QStringLiteral("/d/here.txt"), 1, true),
                             Dictionary(QStringLiteral("/d/gone.txt"), 2, true, true)});
    const QColor grey(128, 128, 128);
    QTreeWidgetItem* here = dlg.vst_UserDictionaries->topLevelItem(0);
    QTreeWidgetItem* gone = dlg.vst_UserDictionaries->topLevelItem(1);
    for (int column = 0; column < 2; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(gone->foreground(column).color(), grey);
        EXPECT_NE(here->foreground(column).color(), grey);
        EXPECT_EQ(gone->toolTip(column), QStringLiteral("/d/gone.txt\nфайл не найден"));
        EXPECT_EQ(here->toolTip(column), QStringLiteral("/d/here.txt"));
    }
    EXPECT_EQ(gone->checkState(1), Qt::Checked);
}

TEST_F(TOptionsFormTest, LongNamesAreElidedInTheMiddleToTheColumn) {
    const QString name = QStringLiteral("/home/user/Документы/словари/очень/длинный/путь/к/словарю/начало-") +
                         QString(60, QLatin1Char('x')) + QStringLiteral("-конец.txt");
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries({Dictionary(name, 1)});
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTreeWidget* tree = dlg.vst_UserDictionaries;
    QTreeWidgetItem* row = tree->topLevelItem(0);
    for (const int width : {420, 600, 360}) {
        SCOPED_TRACE(width);
        dlg.resize(width, dlg.height());
        QApplication::processEvents();
        const QString shown = row->text(1);
        EXPECT_NE(shown, name);
        EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/")));
        EXPECT_TRUE(shown.endsWith(QStringLiteral("-конец.txt")));
        EXPECT_TRUE(shown.contains(QChar(0x2026)));
        EXPECT_LE(tree->fontMetrics().horizontalAdvance(shown), tree->columnWidth(1) - 20);
        EXPECT_EQ(row->toolTip(1), name);
    }
    // Wide enough, the whole name shows; the picture column keeps its width.
    dlg.resize(2000, dlg.height());
    QApplication::processEvents();
    EXPECT_EQ(row->text(1), name);
    EXPECT_EQ(tree->columnWidth(0), 24);
}

TEST_F(TOptionsFormTest, KindsHaveDistinctPictures) {
    TOptionsForm dlg(osNone);
    dlg.SetUserDictionaries({Dictionary(QStringLiteral("/d/1.txt"), 1),
                             Dictionary(QStringLiteral("/d/2.txt"), 2),
                             Dictionary(QStringLiteral("/d/3.txt"), 3)});
    QList<QImage> pictures;
    for (int row = 0; row < 3; ++row) {
        QTreeWidgetItem* item = dlg.vst_UserDictionaries->topLevelItem(row);
        EXPECT_TRUE(item->icon(1).isNull()); // the name column has only the tick
        pictures << item->icon(0).pixmap(16, 16).toImage();
        EXPECT_FALSE(pictures.last().isNull());
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_NE(pictures[1], pictures[2]);
}

TEST_F(TOptionsFormTest, ShowCountBoxAndSearchAfterOpenBox) {
    TOptionsForm dlg(osNone);
    dlg.show();
    for (const bool value : {true, false}) {
        SCOPED_TRACE(value);
        dlg.SetShowEntriesCount(value);
        EXPECT_EQ(dlg.chk_ShowEntriesCount->isChecked(), value);
        QTest::mouseClick(dlg.chk_ShowEntriesCount, Qt::LeftButton);
        EXPECT_EQ(dlg.ShowEntriesCount(), !value);
        QTest::keyClick(dlg.chk_ShowEntriesCount, Qt::Key_Space);
        EXPECT_EQ(dlg.ShowEntriesCount(), value);

        dlg.SetDoSearchAfterOpen(value);
        EXPECT_EQ(dlg.chk_DoSearchAfterOpen->isChecked(), value);
        QTest::mouseClick(dlg.chk_DoSearchAfterOpen, Qt::LeftButton);
        EXPECT_EQ(dlg.DoSearchAfterOpen(), !value);
    }
}

TEST_F(TOptionsFormTest, SearchTypeGroupOnlyForWord) {
    const std::vector<std::pair<TDOleServer, bool>> cases = {
        {osNone, false}, {osWord, true}, {osInDesign, false}, {osInCopy, false}};
    for (const auto& [server, shown] : cases) {
        SCOPED_TRACE(int(server));
        TOptionsForm dlg(server);
        dlg.show();
        EXPECT_EQ(dlg.grp_WordSearchOptions->isVisible(), shown);
    }
}

TEST_F(TOptionsFormTest, SearchTypeReadsBack) {
    TOptionsForm dlg(osWord);
    dlg.show();
    struct TCase {
        int set;
        bool type1;
        int read;
    };
    for (const TCase& c : std::vector<TCase>{{1, true, 1}, {2, false, 2}, {1, true, 1}, {0, false, 2}}) {
        SCOPED_TRACE(c.set);
        dlg.SetSearchType(c.set);
        EXPECT_EQ(dlg.Type1_RadioButton->isChecked(), c.type1);
        EXPECT_EQ(dlg.Type2_RadioButton->isChecked(), !c.type1);
        EXPECT_EQ(dlg.SearchType(), c.read);
    }
    QTest::mouseClick(dlg.Type1_RadioButton, Qt::LeftButton);
    EXPECT_EQ(dlg.SearchType(), 1);
    QTest::mouseClick(dlg.Type2_RadioButton, Qt::LeftButton);
    EXPECT_EQ(dlg.SearchType(), 2);
}

TEST_F(TOptionsFormTest, ResizableToolWindowCentredOnItsParent) {
    QWidget parent;
    parent.setGeometry(40, 60, 700, 500);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    TOptionsForm dlg(osWord, &parent);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(dlg.windowType(), Qt::Tool);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QPoint offset = dlg.frameGeometry().center() - parent.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    EXPECT_TRUE(dlg.btn_Ok->isDefault());
    EXPECT_LT(dlg.minimumSizeHint().width(), dlg.width() + 1);
    dlg.resize(600, 500);
    EXPECT_EQ(dlg.size(), QSize(600, 500));
}

// Pictures of both windows for a look by eye, written only when TARV_SCREENSHOT_DIR names a folder.
TEST(TAppWindowsScreenshot, OptionsAndAbout) {
    const QString dir = qEnvironmentVariable("TARV_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "TARV_SCREENSHOT_DIR is not set";
    ASSERT_TRUE(QDir().mkpath(dir));
    QWidget parent;
    parent.setGeometry(0, 0, 760, 560);
    parent.show();
    TOptionsForm options(osWord, &parent);
    options.SetShowEntriesCount(true);
    options.SetSearchType(1);
    options.SetUserDictionaries(
        {Dictionary(QStringLiteral("/home/user/словари/мои слова.txt"), 1, true),
         Dictionary(QStringLiteral("/home/user/словари/неоднозначные.txt"), 2, true),
         Dictionary(QStringLiteral("/home/user/словари/правила/контекстные правила для всё и всего.txt"), 3),
         Dictionary(QStringLiteral("/mnt/old/пропавший словарь.txt"), 1, true, true),
         Dictionary(QStringLiteral("/home/user/Документы/очень/длинный/путь/к/словарю/со/словами/на/ё.txt"),
                    2)});
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    ClickRow(options.vst_UserDictionaries, 1);
    EXPECT_TRUE(options.grab().save(dir + QStringLiteral("/options.png")));
    TAboutForm about(&parent);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_TRUE(about.grab().save(dir + QStringLiteral("/about.png")));
}
