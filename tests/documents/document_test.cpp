#include "../core/testfiles.h"
#include "documentsaving.h"
#include "documenttesting.h"
#include "encodingdetection.h"
#include "error.h"
#include "filetypes.h"
#include "recentfiles.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

QByteArray Utf8(const char* text) {
    return QByteArray(text);
}

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* line : lines)
        out << QString::fromUtf8(line);
    return out;
}

// The message of the TDError that f throws; empty when it throws none.
template <class F> QString ErrorOf(F f) {
    try {
        f();
    } catch (const TDError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

TEST(FileNames, TypeOfName) {
    const struct {
        const char* Name;
        TDFileType Type;
    } cases[] = {
        {"Book.FB2", ftFB2}, {"book.fb2", ftFB2},      {"BOOK.Fb2", ftFB2},  {"/книги/Роман.fb2", ftFB2},
        {"README", ftNone},  {"book.fb2.zip", ftNone}, {"page.HTM", ftHtml}, {"page.html", ftHtml},
        {"data.xml", ftXML}, {"note.TXT", ftTXT},      {"doc.rtf", ftRTF},   {"doc.doc", ftNone},
        {"name.", ftNone},   {"a.b/file", ftNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileTypeOfName(QString::fromUtf8(c.Name)), c.Type) << c.Name;
}

TEST(FileNames, SaveTypeIndexComparesTheExtensionAsWritten) {
    const struct {
        const char* Ext;
        int Index;
    } cases[] = {{".fb2", 1}, {".html", 2}, {".htm", 2}, {".xml", 3}, {".txt", 4},
                 {".rtf", 5}, {".TXT", 6},  {".Fb2", 6}, {"", 6},     {".doc", 6}};
    for (const auto& c : cases)
        EXPECT_EQ(SaveTypeIndexOfExt(QString::fromUtf8(c.Ext)), c.Index) << c.Ext;
}

TEST(FileNames, DefaultSaveNameAndExtensions) {
    const TDSaveName novel = DefaultSaveName(QStringLiteral("/книги/Роман.fb2"));
    EXPECT_EQ(novel.Name, QStringLiteral("Роман (ё)"));
    EXPECT_EQ(novel.Ext, QStringLiteral(".fb2"));
    const TDSaveName windows = DefaultSaveName(QStringLiteral("C:\\Книги\\Роман.fb2"));
    EXPECT_EQ(windows.Name, QStringLiteral("Роман (ё)"));
    const TDSaveName none = DefaultSaveName(QStringLiteral("нет открытых документов"));
    EXPECT_EQ(none.Name, QStringLiteral("нет открытых документов (ё)"));
    EXPECT_EQ(none.Ext, QString());
    // A dot in a folder name is no extension.
    EXPECT_EQ(DefaultSaveName(QStringLiteral("/a.b/Текст")).Ext, QString());

    EXPECT_EQ(SaveFileName(QStringLiteral("/tmp/out.txt"), QStringLiteral(".fb2")),
              QStringLiteral("/tmp/out.fb2"));
    EXPECT_EQ(SaveFileName(QStringLiteral("/tmp/out"), QStringLiteral(".fb2")),
              QStringLiteral("/tmp/out.fb2"));
    // Dots inside a name do not start an extension: the default name of "Т. Манн. Будденброки.txt".
    EXPECT_EQ(SaveFileName(QStringLiteral("/tmp/Т. Манн. Будденброки (ё)"), QStringLiteral(".txt")),
              QStringLiteral("/tmp/Т. Манн. Будденброки (ё).txt"));
    EXPECT_EQ(SaveFileName(QStringLiteral("/tmp/Т. Манн. Будденброки (ё).htm*"), QStringLiteral(".txt")),
              QStringLiteral("/tmp/Т. Манн. Будденброки (ё).txt"));
    EXPECT_EQ(SaveFileName(QStringLiteral("/tmp/Глава 1.Начало"), QStringLiteral(".fb2")),
              QStringLiteral("/tmp/Глава 1.Начало.fb2"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/tmp/список.txt"), QStringLiteral(".wtr")),
              QStringLiteral("/tmp/список.wtr"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/a.b/c"), QStringLiteral(".wtr")), QStringLiteral("/a.b/c.wtr"));
}

TEST(EncodingDetection, Utf8ContentTest) {
    QByteArray asciiThenUtf8;
    for (int i = 0; i < 100; ++i)
        asciiThenUtf8 += "line\n";
    const struct {
        const char* What;
        QByteArray Bytes;
        TDFileEncoding Expected;
    } cases[] = {
        {"pure ASCII does not pass", "plain text\nmore", feNone},
        {"Cyrillic in UTF-8", Utf8("Привет"), feUTF8},
        {"windows-1251", To1251(QStringLiteral("Привет")), feNone},
        {"the byte-order mark alone", kBom, feUTF8},
        {"a failing line before a passing one", To1251(QStringLiteral("Ёж")) + "\n" + Utf8("ёж"), feUTF8},
        {"overlong C0 80", "a\xC0\x80", feNone},
        {"E0 needs A0..BF", "\xE0\x80\x80", feNone},
        {"a surrogate ED A0 80", "\xED\xA0\x80", feNone},
        {"F0 90 80 80", "\xF0\x90\x80\x80", feUTF8},
        {"above U+10FFFF", "\xF4\x90\x80\x80", feNone},
        {"a sequence cut by the line end", "\xD0\n\xB5", feNone},
        {"UTF-8 only in line 101", asciiThenUtf8 + Utf8("ёж"), feNone},
        {"UTF-8 in line 100", asciiThenUtf8.left(asciiThenUtf8.size() - 5) + Utf8("ёж"), feUTF8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ContentTest(c.Bytes), c.Expected) << c.What;
}

// What the line list holds after a load, and the encodings found, by type and content.
TEST(DocumentLoading, ByTypeAndContent) {
    QByteArray asciiThenUtf8;
    for (int i = 0; i < 120; ++i)
        asciiThenUtf8 += "line\r\n";
    asciiThenUtf8 += Utf8("ещё");
    QStringList asciiThenUtf8Lines(120, QStringLiteral("line"));
    asciiThenUtf8Lines << QStringLiteral("ещё");
    const QByteArray utf16le = QByteArray("\xFF\xFE") + QByteArray("\x35\x04\x49\x04\x35\x04\n\0", 8);

    const struct {
        const char* Name;
        QByteArray Bytes;
        QStringList Lines;
        TDFileEncoding Encoding;
        TDListEncoding ListEncoding;
        bool Note;
    } cases[] = {
        {"utf8.fb2", Utf8("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<p>ещё</p>"),
         Lines({"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "<p>ещё</p>"}), feUTF8, leUtf8, false},
        {"caps.fb2", Utf8("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<p>ещё</p>\r\n"),
         Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<p>ещё</p>"}), feUTF8, leUtf8, false},
        // Encoding names are not case-sensitive in XML: no empty document for "Utf-8".
        {"mixedcase.xml", Utf8("<?xml version='1.0' encoding='Utf-8'?><a>ещё</a>"),
         Lines({"<?xml version='1.0' encoding='Utf-8'?><a>ещё</a>"}), feUTF8, leUtf8, false},
        {"cp.fb2", To1251(QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<p>ещё</p>")),
         Lines({"<?xml version=\"1.0\" encoding=\"windows-1251\"?>", "<p>ещё</p>"}), feWin1251, leWindows1251,
         false},
        // The declaration lies: the bytes win, and the note says so.
        {"lies.fb2", Utf8("<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\n<p>Иван ещё</p>"),
         Lines({"<?xml version=\"1.0\" encoding=\"Windows-1251\"?>", "<p>Иван ещё</p>"}), feUTF8, leUtf8,
         true},
        {"lies.xml", To1251(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<a>ещё</a>")),
         Lines({"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "<a>ещё</a>"}), feWin1251, leWindows1251, true},
        // No declaration: the bytes decide; pure ASCII is UTF-8 as XML says.
        {"nodecl.fb2", To1251(QStringLiteral("<FictionBook>\n<p>ещё</p>")),
         Lines({"<FictionBook>", "<p>ещё</p>"}), feWin1251, leWindows1251, false},
        {"ascii.xml", "<a>text</a>", Lines({"<a>text</a>"}), feUTF8, leUtf8, false},
        // Another encoding is accepted where it cannot matter, and written back as it was.
        {"latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>",
         Lines({"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"}), feNone, leWindows1251, false},
        {"ascii1251.xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?><a/>",
         Lines({"<?xml version=\"1.0\" encoding=\"windows-1251\"?><a/>"}), feWin1251, leWindows1251, false},
        {"page.html", Utf8("<p>ещё</p>"), Lines({"<p>ещё</p>"}), feUTF8, leUtf8, false},
        {"page.htm", To1251(QStringLiteral("<p>ещё</p>")), Lines({"<p>ещё</p>"}), feNone, leWindows1251,
         false},
        {"utf8.txt", Utf8("ещё\nи всё"), Lines({"ещё", "и всё"}), feUTF8, leUtf8, false},
        {"cp.txt", To1251(QStringLiteral("ещё\rи всё\r\n")), Lines({"ещё", "и всё"}), feWin1251,
         leWindows1251, false},
        {"ascii.txt", "plain\n\nend", Lines({"plain", "", "end"}), feWin1251, leWindows1251, false},
        {"bom.txt", kBom + Utf8("ещё"), Lines({"ещё"}), feUTF8, leUtf8, false},
        {"utf16.txt", utf16le, Lines({"еще"}), feWin1251, leUtf16LE, false},
        {"empty.txt", QByteArray(), QStringList(), feWin1251, leWindows1251, false},
        // UTF-8 that shows only after the first 100 lines is still UTF-8, not garbled windows-1251.
        {"late.txt", asciiThenUtf8, asciiThenUtf8Lines, feUTF8, leUtf8, false},
        {"other.doc", Utf8("ещё"), QStringList(), feUTF8, leWindows1251, false},
    };
    for (const auto& c : cases) {
        TestFolder dir;
        const QString name = dir.WriteBytes(QString::fromUtf8(c.Name), c.Bytes);
        TDDocument doc;
        doc.FileOpen(name);
        EXPECT_EQ(doc.CommonFile().Lines(), c.Lines) << c.Name;
        EXPECT_EQ(doc.FileEncoding(), c.Encoding) << c.Name;
        EXPECT_EQ(doc.CommonFile().Encoding(), c.ListEncoding) << c.Name;
        EXPECT_EQ(!doc.Note().isEmpty(), c.Note) << c.Name << " " << doc.Note().toStdString();
        EXPECT_EQ(doc.FileTypeOpened(), FileTypeOfName(name)) << c.Name;
        EXPECT_EQ(doc.FileName(), name);
        EXPECT_EQ(doc.LastFolderOpened(), QFileInfo(dir.Dir()).absoluteFilePath() + QLatin1Char('/'));
    }
}

TEST(DocumentLoading, RtfDocumentGivesItsParagraphs) {
    TDDocument doc;
    doc.FileOpen(DocumentFixture(QStringLiteral("документ.rtf")));
    ASSERT_NE(doc.RtfDocument(), nullptr);
    EXPECT_EQ(doc.CommonFile().Lines(), doc.RtfDocument()->Lines());
    ASSERT_GE(doc.CommonFile().Count(), 3);
    EXPECT_EQ(doc.CommonFile().Lines()[0], QStringLiteral("Глава первая"));
    EXPECT_EQ(doc.CommonFile().Lines()[2],
              QStringLiteral("Ее письмо лежало на столе, а елка в углу была зеленая."));
    EXPECT_EQ(doc.FileEncoding(), feNone); // RTF is ASCII: the content test finds no UTF-8
}

// Input that is not what its name says gets a message naming the file, and the document that was
// open stays open.
TEST(DocumentLoading, BadInputIsRefusedAndTheOpenDocumentStays) {
    TestFolder dir;
    const QString good = dir.WriteBytes(QStringLiteral("good.txt"), Utf8("ещё"));
    QByteArray binary = "first line\nPK\x03\x04";
    binary.append('\0');
    binary.append("\x01\x02 binary");
    const struct {
        const char* Name;
        QByteArray Bytes;
        std::initializer_list<const char*> MessageHas;
    } cases[] = {
        {"binary.txt", binary, {"binary.txt", "нулевой байт", "строке 2"}},
        {"mixed.txt",
         Utf8("ещё\n") + To1251(QStringLiteral("ещё")),
         {"mixed.txt", "смешаны", "строка 1", "строка 2"}},
        {"koi.xml",
         "<?xml version=\"1.0\" encoding=\"koi8-r\"?>\n<a>\xC5\xDD\xC5</a>",
         {"koi.xml", "koi8-r"}},
        {"truncated.rtf", "{\\rtf1\\ansi\\ansicpg1251 \\'e5\\'f9\\'e5", {"truncated.rtf"}},
        {"unbalanced.rtf", "{\\rtf1\\ansi {\\b text}}}}", {"unbalanced.rtf"}},
        {"notrtf.rtf", "plain text", {"notrtf.rtf"}},
    };
    for (const auto& c : cases) {
        TDDocument doc;
        doc.FileOpen(good);
        const QString bad = dir.WriteBytes(QString::fromUtf8(c.Name), c.Bytes);
        const QString message = ErrorOf([&] { doc.FileOpen(bad); });
        ASSERT_FALSE(message.isEmpty()) << c.Name;
        for (const char* part : c.MessageHas)
            EXPECT_TRUE(message.contains(QString::fromUtf8(part))) << c.Name << ": " << message.toStdString();
        EXPECT_EQ(doc.FileName(), good) << c.Name;
        EXPECT_EQ(doc.CommonFile().Lines(), QStringList{QStringLiteral("ещё")}) << c.Name;
        EXPECT_EQ(doc.FileTypeOpened(), ftTXT) << c.Name;
    }

    const QString missing = dir.Path(QStringLiteral("нет.fb2"));
    EXPECT_EQ(ErrorOf([&] { TDDocument().FileOpen(missing); }),
              QStringLiteral("Файл ") + missing + QStringLiteral(" не найден."));
    EXPECT_FALSE(ErrorOf([&] { TDDocument().FileOpen(dir.Dir()); }).isEmpty());
}

// A file above the limit is refused by its size before anything is read (the file is sparse).
TEST(DocumentLoading, TooLargeFileIsRefusedBeforeReading) {
    TestFolder dir;
    const QString name = dir.Path(QStringLiteral("huge.txt"));
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(TDDocument::kMaxFileSize + 1));
    }
    qint64 progressCalls = 0;
    const QString message =
        ErrorOf([&] { TDDocument().FileOpen(name, [&](qint64, qint64) { ++progressCalls; }); });
    EXPECT_TRUE(message.contains(QStringLiteral("huge.txt"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("256 МБ"))) << message.toStdString();
    EXPECT_EQ(progressCalls, 0);
}

TEST(DocumentLoading, ProgressOfALargeFile) {
    TestFolder dir;
    QByteArray text;
    const QByteArray line = Utf8("Он пришел домой, и все было как прежде.\n");
    while (text.size() < (qint64(20) << 20))
        text += line;
    const QString name = dir.WriteBytes(QStringLiteral("big.txt"), text);
    QList<qint64> done;
    TDDocument doc;
    doc.FileOpen(name, [&](qint64 d, qint64 total) {
        EXPECT_EQ(total, text.size());
        done << d;
    });
    ASSERT_GE(done.size(), 3);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_EQ(done.last(), text.size());
    EXPECT_EQ(doc.CommonFile().Count(), text.size() / line.size());
    EXPECT_EQ(doc.FileEncoding(), feUTF8);
}

TEST(RecentFiles, TenNamesMostRecentFirstAndARepeatKeepsItsPlace) {
    TDRecentFiles recent;
    for (int i = 1; i <= 10; ++i)
        recent.Add(QStringLiteral("/f%1.txt").arg(i));
    EXPECT_EQ(recent.Items().first(), QStringLiteral("/f10.txt"));
    recent.Add(QStringLiteral("/f5.txt"));
    EXPECT_EQ(recent.Items().size(), 10);
    EXPECT_EQ(recent.Items()[5], QStringLiteral("/f5.txt"));
    recent.Add(QStringLiteral("/f11.txt"));
    EXPECT_EQ(recent.Items().size(), 10);
    EXPECT_EQ(recent.Items().first(), QStringLiteral("/f11.txt"));
    EXPECT_FALSE(recent.Items().contains(QStringLiteral("/f1.txt")));

    TDRecentFiles word(4, TDRecentFiles::rpMoveToFront);
    word.SetItems({"/a", "/b", "/a", "", "/c", "/d", "/e"});
    EXPECT_EQ(word.Items(), QStringList({"/a", "/b", "/c", "/d"}));
    word.Add(QStringLiteral("/c"));
    EXPECT_EQ(word.Items(), QStringList({"/c", "/a", "/b", "/d"}));
}
