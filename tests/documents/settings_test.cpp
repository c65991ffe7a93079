#include "../core/testfiles.h"
#include "error.h"
#include "settingsfile.h"

#include <gtest/gtest.h>

TEST(SettingsFile, FirstStartDefaults) {
    TestFolder dir;
    const TDSettings s = TDSettingsFile(dir.Path(QStringLiteral("tarv.ini"))).Read(true);
    EXPECT_TRUE(s.SearchWordsWithYo);
    EXPECT_FALSE(s.DoSearchAfterOpen);
    EXPECT_FALSE(s.SearchWordsWithRHyphen);
    EXPECT_TRUE(s.UserDictionaries.isEmpty());
    EXPECT_TRUE(s.OpenedFiles.isEmpty());
    // 484 x 444, placed where the window's current size would be centred.
    EXPECT_EQ(TDSettingsFile::MainFormGeometry(s, QSize(1920, 1080), QSize(644, 615)),
              QRect(638, 232, 484, 444));
}

TEST(SettingsFile, GeometryFallbacks) {
    TDSettings s;
    s.MainFormLeft = 10;
    s.MainFormTop = 20;
    s.MainFormWidth = -1;
    s.MainFormHeight = 700;
    EXPECT_EQ(TDSettingsFile::MainFormGeometry(s, QSize(1920, 1080), QSize(600, 600)),
              QRect(10, 20, 484, 444));
    s.MainFormWidth = 900;
    s.MainFormTop = -1;
    EXPECT_EQ(TDSettingsFile::MainFormGeometry(s, QSize(1920, 1080), QSize(600, 600)),
              QRect(660, 240, 900, 700));
}

TEST(SettingsFile, RoundTripAndSectionRules) {
    TestFolder dir;
    const QString dict = dir.WriteUtf8(QStringLiteral("мой словарь.txt"), QStringLiteral("ёжик"));
    const QString ini =
        dir.WriteBytes(QStringLiteral("tarv.ini"),
                       "[Other]\nkeep=1\n"
                       "[userdictionaries\\7]\nfilename=" +
                           dict.toUtf8() +
                           "\nkind=2\nuse=5\n"
                           "[UserDictionaries\\0]\nfilename=/nowhere/gone.txt\nkind=x\n"
                           "[OpenedFiles]\nfile_a=/a.fb2\nfile_b=/b.txt\nfile_c=/c.rtf\nfile_d=/d.txt\n"
                           "[SeachOptions]\nSearchWordsWithYo=0\nSearchWordsWithRHyphen=1\n"
                           "[OpenedWTRFiles]\nMRU1=/l1.wtr\nMRU3=/l3.wtr\n");
    TDSettingsFile file(ini);
    TDSettings s = file.Read(true);
    ASSERT_EQ(s.UserDictionaries.size(), 2);
    EXPECT_EQ(s.UserDictionaries[0].FullName, dict); // file order, not name order
    EXPECT_EQ(s.UserDictionaries[0].DictionaryKind, 2);
    EXPECT_TRUE(s.UserDictionaries[0].Use);
    EXPECT_FALSE(s.UserDictionaries[0].FileIsMissing);
    EXPECT_EQ(s.UserDictionaries[1].DictionaryKind, 1); // "x" reads as the default
    EXPECT_TRUE(s.UserDictionaries[1].FileIsMissing);
    EXPECT_EQ(s.OpenedFiles, QStringList({"/a.fb2", "/b.txt", "/c.rtf", "/d.txt"}));
    EXPECT_FALSE(s.SearchWordsWithYo);
    EXPECT_TRUE(s.SearchWordsWithRHyphen);
    EXPECT_EQ(s.OpenedWTRFiles, QStringList({"/l1.wtr", "/l3.wtr"}));

    s.OpenedFiles = QStringList({"/x.txt", "/a.fb2"});
    s.OpenedWTRFiles = QStringList({"/new.wtr"});
    s.MainFormWidth = 800;
    file.Write(s, true);

    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("[UserDictionaries\\0]")));
    EXPECT_TRUE(written.contains(QStringLiteral("[UserDictionaries\\1]")));
    EXPECT_FALSE(written.contains(QStringLiteral("userdictionaries\\7")));
    EXPECT_TRUE(written.contains(QStringLiteral("keep")));
    EXPECT_FALSE(written.contains(QStringLiteral("MRU3"))); // deleted: the list has one name

    const TDSettings again = file.Read(true);
    EXPECT_EQ(again.UserDictionaries.size(), 2);
    EXPECT_EQ(again.UserDictionaries[0].FullName, dict);
    // Keys of higher letters from an earlier run stay.
    EXPECT_EQ(again.OpenedFiles, QStringList({"/x.txt", "/a.fb2", "/c.rtf", "/d.txt"}));
    EXPECT_EQ(again.MainFormWidth, 800);

    // Host modes neither read nor write the recent documents.
    EXPECT_TRUE(file.Read(false).OpenedFiles.isEmpty());
    s.OpenedFiles = QStringList({"/host.doc"});
    file.Write(s, false);
    EXPECT_EQ(file.Read(true).OpenedFiles.first(), QStringLiteral("/x.txt"));
}

TEST(SettingsFile, UnwritableFileIsAClearError) {
    TestFolder dir;
    TDSettingsFile file(dir.Path(QStringLiteral("no/such/folder/tarv.ini")));
    try {
        file.Write(TDSettings(), true);
        FAIL();
    } catch (const TDError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("tarv.ini"))) << e.what();
    }
}
