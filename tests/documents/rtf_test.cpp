#include "../core/testfiles.h"
#include "error.h"
#include "rtfdocument.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFixture(const char* name) {
    QFile file(QStringLiteral(TARV_TEST_DATA "/rtf/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A case names either a fixture file or holds the RTF itself.
QByteArray Source(const char* fileOrRtf) {
    const QByteArray text(fileOrRtf);
    return text.contains("\\rtf") ? text : ReadFixture(fileOrRtf);
}

QStringList Utf8Lines(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* line : lines)
        out << QString::fromUtf8(line);
    return out;
}

TDRtfDocument Loaded(const QByteArray& rtf) {
    TDRtfDocument doc;
    doc.Load(rtf);
    return doc;
}

QStringList Reloaded(const TDRtfDocument& doc) {
    return Loaded(doc.ToBytes()).Lines();
}

// True when after is before with exactly one occurrence of oldForm turned into newForm.
bool IsOneChange(const QByteArray& before, const QByteArray& after, const QByteArray& oldForm,
                 const QByteArray& newForm) {
    for (qsizetype at = before.indexOf(oldForm); at >= 0; at = before.indexOf(oldForm, at + 1)) {
        if (after == before.left(at) + newForm + before.mid(at + oldForm.size()))
            return true;
    }
    return false;
}

const QChar kYo(0x0451);
const QChar kCapitalYo(0x0401);

} // namespace

// The text of documents written by word processors: what is body text, what is skipped, where
// headers and footnotes go.
TEST(RtfDocument, FixtureLines) {
    const struct {
        const char* File;
        QStringList Lines;
    } cases[] = {
        // LibreOffice: Cyrillic as \uN\'3f, footnote as \*\footnote, header twice (once in its page
        // style table), a hyperlink field, a table, \line and \tab.
        {"libreoffice-writer.rtf",
         Utf8Lines({"Колонтитул: еще один", "Мы еще не все сделали.",
                    "Елка стоит в углу - зеленая и пушистая, а еж спит.", "Все", "еще",
                    "Текст со сноской и ссылка еще.", "\tСноска про её берег.",
                    "Строка вторая\tи«кавычки» a-b a -b."})},
        // Word-style windows-1251 \'hh: \info, list text, pictures (one with \bin data full of
        // braces), bookmarks, a footnote after its paragraph, a table, a field, escapes.
        {"word-1251.rtf", Utf8Lines({"Колонтитул: еще раз", "Елка и еж",
                                     "Мы еще не все сделали - приехали гости—родные… “Еще”№\u00A05.",
                                     "Пункт: серые\u2011зеленые", "Картинка и сноска Дальше.",
                                     " Сноска: ее берег.", "Все", "Еще нет", "ссылка\tКонец {е}\\."})},
        // \ansicpg1252 with Cyrillic in fonts of charset 204 and Czech in a font of charset 238.
        {"word-1252-charset204.rtf", Utf8Lines({"Елка еще зеленая", "Café crème и все naïve", "Říjen"})},
        // Hex and raw windows-1251 bytes; CR LF and a NUL after the end.
        {"wordpad-1251.rtf", Utf8Lines({"Елка, еще и все - тут.", "Еж Еж еще"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        const QByteArray rtf = ReadFixture(c.File);
        ASSERT_FALSE(rtf.isEmpty());
        TDRtfDocument doc;
        doc.Load(rtf);
        EXPECT_EQ(doc.Lines(), c.Lines);
        EXPECT_EQ(doc.ToBytes(), rtf); // unchanged means byte for byte
    }
}

// What single control words and destinations give, in small documents.
TEST(RtfDocument, ReadsControlWordsAndDestinations) {
    const struct {
        const char* Name;
        const char* Rtf;
        QStringList Lines;
    } cases[] = {
        {"default code page 1252", "{\\rtf1 caf\\'e9\\par}", Utf8Lines({"café"})},
        {"ansicpg", "{\\rtf1\\ansi\\ansicpg1251 \\'c5\\'e6\\par}", Utf8Lines({"Еж"})},
        {"font charset over ansicpg",
         "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f0 \\'e5{\\f1 "
         "\\'e5}\\'e5}",
         Utf8Lines({"åеå"})},
        {"deff and plain",
         "{\\rtf1\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\'e5\\f0 \\'e5\\plain \\'e5}",
         Utf8Lines({"еåе"})},
        {"cpg in the font table", "{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg1251 A;}}\\f0\\'e5}",
         Utf8Lines({"е"})},
        {"unknown code page reads as 1252", "{\\rtf1\\ansicpg77777 \\'e9}", Utf8Lines({"é"})},
        {"raw 8-bit bytes", "{\\rtf1\\ansicpg1251 \xc5\xe6}", Utf8Lines({"Еж"})},
        {"paragraph marks", "{\\rtf1 a\\par b\\par\\par c\\\nd\\par}", Utf8Lines({"a", "b", "", "c", "d"})},
        {"section and page end paragraphs with text", "{\\rtf1 a\\sect b\\page\\par c\\par\\sect}",
         Utf8Lines({"a", "b", "", "c"})},
        {"table cells", "{\\rtf1\\trowd\\cellx1\\cellx2\\intbl a\\cell b\\cell\\row\\pard c\\par}",
         Utf8Lines({"a", "b", "c"})},
        {"nested table cells", "{\\rtf1\\intbl a\\nestcell{\\*\\nesttableprops\\nestrow}b\\cell\\row}",
         Utf8Lines({"a", "b"})},
        {"CR and LF are not text", "{\\rtf1 a\r\nb\nc\\par}", Utf8Lines({"abc"})},
        {"tab and line", "{\\rtf1 a\\tab b\\line c\tb}", Utf8Lines({"a\tb c\tb"})},
        {"control symbols", "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\\\:\\|}", Utf8Lines({"a\u00A0bc\u2011d{}\\"})},
        {"typographic words",
         "{\\rtf1\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\emspace\\enspace}",
         Utf8Lines({"—–‘’“”•\u2003\u2002"})},
        {"delimiting space belongs to the word", "{\\rtf1\\b  a\\b0  b}", Utf8Lines({" a b"})},
        {"parameters", "{\\rtf1\\fs-24 a\\li100b}", Utf8Lines({"ab"})},
        {"endless parameters", "{\\rtf1\\f99999999999999999999999999 a\\li-99999999999999999999b}",
         Utf8Lines({"ab"})},
        {"tables of the document",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\info{\\title T}{\\author A}}{\\*\\generator G;}{\\*\\rsidtbl\\rsid1}a}",
         Utf8Lines({"a"})},
        {"pictures and objects",
         "{\\rtf1 a{\\pict\\pngblip 89ab}{\\object{\\*\\objdata 0102}{\\result{\\pict 00}}}b}",
         Utf8Lines({"ab"})},
        {"binary data is skipped whole", "{\\rtf1 a{\\pict\\bin4 }{\\\\}b\\bin2 xyc}", Utf8Lines({"abc"})},
        {"ignorable destinations", "{\\rtf1 a{\\*\\bkmkstart x}{\\*\\unknown text {nested}}b}",
         Utf8Lines({"ab"})},
        {"field result only",
         "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} {\\field{\\fldinst PAGE}{\\fldrslt "
         "1}}}",
         Utf8Lines({"link 1"})},
        {"list numbers", "{\\rtf1{\\listtext \\'b7\\tab}a\\par{\\pntext 1.\\tab}b}", Utf8Lines({"a", "b"})},
        {"comments", "{\\rtf1 a{\\*\\atnid X}{\\*\\atnauthor X}\\chatn{\\*\\annotation note}b}",
         Utf8Lines({"ab"})},
        {"footnote after its paragraph", "{\\rtf1 a{\\footnote \\chftn n1\\par n2}b\\par c\\par}",
         Utf8Lines({"ab", "n1", "n2", "c"})},
        {"LibreOffice footnote", "{\\rtf1 a{\\*\\footnote n}b}", Utf8Lines({"ab", "n"})},
        {"header before the text", "{\\rtf1{\\header h\\par}{\\footerl f}a\\par}",
         Utf8Lines({"h", "f", "a"})},
        {"byte-order mark and leading space", "\xEF\xBB\xBF \r\n{\\rtf1 a}", Utf8Lines({"a"})},
        {"junk after the end", "{\\rtf1 a}\r\n junk", Utf8Lines({"a"})},
        {"empty document", "{\\rtf1}", QStringList()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray rtf(c.Rtf);
        EXPECT_EQ(Loaded(rtf).Lines(), c.Lines);
    }
}

// \uN with its fallback: \uc sets how many characters to skip, and groups scope it.
TEST(RtfDocument, UnicodeFallbacks) {
    const struct {
        const char* Name;
        const char* Rtf;
        QStringList Lines;
    } cases[] = {
        {"default skip of one", "{\\rtf1\\ansicpg1251 \\u1105\\'b8x}", Utf8Lines({"ёx"})},
        {"question mark fallback", "{\\rtf1 \\u1105?x}", Utf8Lines({"ёx"})},
        {"delimiting space is not a fallback", "{\\rtf1 \\u1105 ?x}", Utf8Lines({"ёx"})},
        {"uc2", "{\\rtf1 \\uc2\\u1105\\'b8\\'b8x}", Utf8Lines({"ёx"})},
        {"uc0", "{\\rtf1 \\uc0\\u1105 x}", Utf8Lines({"ёx"})},
        {"uc is scoped by groups", "{\\rtf1 {\\uc2\\u1105??}\\u1105?y}", Utf8Lines({"ёёy"})},
        {"a control word counts as one", "{\\rtf1 \\u8212\\emdash x}", Utf8Lines({"—x"})},
        {"fallback ends at a group", "{\\rtf1 {\\u1105}x{\\uc3\\u1105 a}y}", Utf8Lines({"ёxёy"})},
        {"fallback skips a paragraph mark", "{\\rtf1 \\u1105\\par x}", Utf8Lines({"ёx"})},
        {"CR LF inside the fallback", "{\\rtf1 \\uc2\\u1105\r\n?\r\n?x}", Utf8Lines({"ёx"})},
        {"negative values", "{\\rtf1 \\u-3913?\\u-1?}", QStringList{QString(QChar(0xF0B7)) + QChar(0xFFFF)}},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", QStringList{QString::fromUcs4(U"\U0001F600")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Loaded(QByteArray(c.Rtf)).Lines(), c.Lines);
    }
}

// Writing a letter patches only its own span, in the way the document writes such characters; the
// result reads back with the new letter and nothing else changed.
TEST(RtfDocument, SetCharPatchesTheSource) {
    const struct {
        const char* Name;
        const char* Source; // a fixture file or the RTF itself
        int Line;
        qsizetype Pos;
        QChar Char;
        const char* OldForm;
        const char* NewForm;
    } cases[] = {
        {"LibreOffice е", "libreoffice-writer.rtf", 1, 3, kYo, "\\u1077\\'3f", "\\u1105?"},
        {"LibreOffice Е", "libreoffice-writer.rtf", 2, 0, kCapitalYo, "\\u1045\\'3f", "\\u1025?"},
        {"LibreOffice header", "libreoffice-writer.rtf", 0, 12, kYo, "\\u1077\\'3f", "\\u1105?"},
        {"LibreOffice footnote", "libreoffice-writer.rtf", 6, 16, kYo, "\\u1077\\'3f", "\\u1105?"},
        {"LibreOffice field result", "libreoffice-writer.rtf", 5, 26, kYo, "\\u1077\\'3f", "\\u1105?"},
        {"1251 е", "word-1251.rtf", 2, 3, kYo, "\\'e5", "\\'b8"},
        {"1251 Е", "word-1251.rtf", 1, 0, kCapitalYo, "\\'c5", "\\'a8"},
        {"1251 header", "word-1251.rtf", 0, 12, kYo, "\\'e5", "\\'b8"},
        {"1251 footnote", "word-1251.rtf", 5, 10, kYo, "\\'e5", "\\'b8"},
        {"1251 table cell", "word-1251.rtf", 7, 0, kCapitalYo, "\\'c5", "\\'a8"},
        {"1251 next to a line break in the source", "word-1251.rtf", 2, 27, kYo, "\\'e5", "\\'b8"},
        {"charset 204 under ansicpg1252", "word-1252-charset204.rtf", 0, 0, kCapitalYo, "\\'c5", "\\'a8"},
        {"charset 204 in a group", "word-1252-charset204.rtf", 1, 15, kYo, "\\'e5", "\\'b8"},
        {"ASCII letter in a 1252 font", "word-1252-charset204.rtf", 1, 9, kYo, "e", "\\u1105?"},
        {"1252 letter that 1252 lacks", "{\\rtf1 caf\\'e9}", 0, 3, kYo, "\\'e9", "\\u1105?"},
        {"raw byte", "wordpad-1251.rtf", 1, 3, kCapitalYo, "\xc5", "\xa8"},
        {"raw byte lower case", "wordpad-1251.rtf", 1, 6, kYo, "\xe5", "\xb8"},
        {"WordPad hex", "wordpad-1251.rtf", 0, 6, kYo, "\\'e5", "\\'b8"},
        {"uc2 keeps two fallbacks", "{\\rtf1\\ansicpg1251\\uc2 \\u1077\\'e5\\'e5 x}", 0, 0, kYo,
         "\\u1077\\'e5\\'e5", "\\u1105\\'b8?"},
        {"uc0 needs a delimiter", "{\\rtf1\\uc0 \\u1077 x}", 0, 0, kYo, "\\u1077 ", "\\u1105 "},
        {"fallback in the code page", "{\\rtf1\\ansicpg1251 \\u1077\\'e5x}", 0, 0, kYo, "\\u1077\\'e5",
         "\\u1105\\'b8"},
        {"back to е", "{\\rtf1\\ansicpg1251 \\u1105\\'b8x}", 0, 0, QChar(0x0435), "\\u1105\\'b8",
         "\\u1077\\'e5"},
        {"a control word", "{\\rtf1\\ansicpg1251 a\\emdash b}", 0, 1, kYo, "\\emdash ", "\\u1105\\'b8"},
        {"ASCII is written as hex", "{\\rtf1\\b\\'e9}", 0, 0, QChar(u'x'), "\\'e9", "\\'78"},
        {"tab", "{\\rtf1 a b}", 0, 1, QChar(u'\t'), " ", "\\tab "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray before = Source(c.Source);
        ASSERT_FALSE(before.isEmpty());
        TDRtfDocument doc = Loaded(before);
        ASSERT_LT(c.Line, doc.Lines().size());
        QStringList expected = doc.Lines();
        expected[c.Line][c.Pos] = c.Char;

        doc.SetChar(c.Line, c.Pos, c.Char);
        EXPECT_EQ(doc.Lines(), expected);
        const QByteArray after = doc.ToBytes();
        EXPECT_TRUE(IsOneChange(before, after, c.OldForm, c.NewForm)) << after.toStdString();
        EXPECT_EQ(Loaded(after).Lines(), expected);

        // The same letter again changes nothing more; the old letter brings back the very bytes.
        const QChar old = Loaded(before).Lines()[c.Line][c.Pos];
        doc.SetChar(c.Line, c.Pos, c.Char);
        EXPECT_EQ(doc.ToBytes(), after);
        doc.SetChar(c.Line, c.Pos, old);
        EXPECT_EQ(doc.ToBytes(), before);
        EXPECT_EQ(doc.Lines(), Loaded(before).Lines());
    }
}

// Many changes in one paragraph, some longer and some shorter than what they replace, keep every
// other span in place.
TEST(RtfDocument, ManyChangesInOneDocument) {
    for (const char* file : {"libreoffice-writer.rtf", "word-1251.rtf", "wordpad-1251.rtf"}) {
        SCOPED_TRACE(file);
        TDRtfDocument doc = Loaded(ReadFixture(file));
        QStringList expected = doc.Lines();
        for (int line = 0; line < expected.size(); ++line) {
            for (qsizetype pos = 0; pos < expected[line].size(); ++pos) {
                if (expected[line][pos] == QChar(0x0435)) {
                    expected[line][pos] = kYo;
                    doc.SetChar(line, pos, kYo);
                } else if (expected[line][pos] == QChar(0x0415)) {
                    expected[line][pos] = kCapitalYo;
                    doc.SetChar(line, pos, kCapitalYo);
                }
            }
        }
        EXPECT_EQ(doc.Lines(), expected);
        EXPECT_EQ(Reloaded(doc), expected);
    }
}

TEST(RtfDocument, SetCharOutsideTheText) {
    TDRtfDocument doc = Loaded("{\\rtf1 ab\\par}");
    const std::pair<int, qsizetype> places[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 2}};
    for (const auto& [line, pos] : places)
        EXPECT_THROW(doc.SetChar(line, pos, kYo), TDError);
    EXPECT_EQ(doc.ToBytes(), QByteArray("{\\rtf1 ab\\par}"));
}

TEST(RtfDocument, DashRule) {
    const struct {
        const char* Name;
        const char* Rtf;
        int Count;
        QStringList Lines;
    } cases[] = {
        {"spaces round a hyphen", "{\\rtf1 a - b - c\\par d-e\\par}", 2, Utf8Lines({"a — b — c", "d-e"})},
        {"hyphen in a word or at a word", "{\\rtf1 a-b a -b a- b}", 0, Utf8Lines({"a-b a -b a- b"})},
        {"at the ends of the paragraph", "{\\rtf1 - a -}", 0, Utf8Lines({"- a -"})},
        {"no-break space counts", "{\\rtf1 a\\~- b}", 1, Utf8Lines({"a\u00A0— b"})},
        {"spaces from control words", "{\\rtf1 a\\line -\\line b}", 1, Utf8Lines({"a — b"})},
        {"hyphen written as hex", "{\\rtf1 a \\'2d b}", 1, Utf8Lines({"a — b"})},
        {"two in a row", "{\\rtf1 a - - b}", 2, Utf8Lines({"a — — b"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDRtfDocument doc = Loaded(QByteArray(c.Rtf));
        EXPECT_EQ(doc.ApplyDashRule(), c.Count);
        EXPECT_EQ(doc.Lines(), c.Lines);
        EXPECT_EQ(Reloaded(doc), c.Lines);
        EXPECT_EQ(doc.ApplyDashRule(), 0); // nothing left to do
    }
}

TEST(RtfDocument, DashRuleInFixtures) {
    const struct {
        const char* File;
        int Count;
        const char* NewForm;
    } cases[] = {
        {"libreoffice-writer.rtf", 1, "\\u8212\\'97"},
        {"word-1251.rtf", 1, "\\u8212\\'97"},
        {"wordpad-1251.rtf", 1, "\\u8212\\'97"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        const QByteArray before = ReadFixture(c.File);
        TDRtfDocument doc = Loaded(before);
        QStringList expected = doc.Lines();
        for (QString& line : expected)
            line.replace(QStringLiteral(" - "), QStringLiteral(" — "));
        EXPECT_EQ(doc.ApplyDashRule(), c.Count);
        EXPECT_EQ(doc.Lines(), expected);
        EXPECT_TRUE(IsOneChange(before, doc.ToBytes(), "-", c.NewForm));
        EXPECT_EQ(Reloaded(doc), expected);
    }
}

// Broken input gives a clear error and leaves a loaded document as it was.
TEST(RtfDocument, MalformedInput) {
    const struct {
        const char* Name;
        QByteArray Rtf;
        const char* MessagePart;
    } cases[] = {
        {"empty", "", "не является документом RTF"},
        {"spaces only", " \r\n", "не является документом RTF"},
        {"plain text", "Просто текст", "не является документом RTF"},
        {"almost RTF", "{\\rt1 a}", "не является документом RTF"},
        {"text before", "x{\\rtf1 a}", "не является документом RTF"},
        {"group not closed", "{\\rtf1 {\\b a}", "не закрыто групп"},
        {"extra closing brace", "{\\rtf1 a}}", "лишняя «}»"},
        {"extra brace inside", "{\\rtf1 a} b\\par}", "лишняя «}»"},
        {"cut in hex", "{\\rtf1 \\'e", "неполный код"},
        {"cut after hex mark", "{\\rtf1 \\'", "неполный код"},
        {"bad hex digits", "{\\rtf1 \\'zz}", "неверный код символа"},
        {"lone backslash at the end", "{\\rtf1 a\\", "одиночной"},
        {"binary past the end", "{\\rtf1 \\bin100 abc}", "\\bin100"},
        {"negative binary length", "{\\rtf1 \\bin-5 abc}", "отрицательная"},
        {"cut inside a control word", "{\\rtf1 \\pa", "не закрыто групп"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDRtfDocument doc = Loaded("{\\rtf1 kept\\par}");
        try {
            doc.Load(c.Rtf);
            ADD_FAILURE() << "no error";
        } catch (const TDError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.MessagePart))) << e.Message().toStdString();
        }
        EXPECT_EQ(doc.Lines(), QStringList{QStringLiteral("kept")});
        EXPECT_EQ(doc.ToBytes(), QByteArray("{\\rtf1 kept\\par}"));
    }
}

TEST(RtfDocument, LoadFromFileNamesTheFile) {
    TestFolder dir;
    const QString good = dir.WriteBytes(QStringLiteral("хорошо.rtf"), ReadFixture("word-1251.rtf"));
    TDRtfDocument doc;
    doc.LoadFromFile(good);
    EXPECT_EQ(doc.Lines().value(1), QStringLiteral("Елка и еж"));

    const QString bad = dir.WriteBytes(QStringLiteral("плохо.rtf"), "{\\rtf1 \\'e");
    for (const QString& name : {bad, dir.Path(QStringLiteral("нет такого.rtf"))}) {
        try {
            doc.LoadFromFile(name);
            ADD_FAILURE() << "no error";
        } catch (const TDError& e) {
            EXPECT_TRUE(e.Message().contains(name)) << e.Message().toStdString();
        }
    }
    EXPECT_EQ(doc.Lines().value(1), QStringLiteral("Елка и еж"));
}

// Deep nesting is read without recursion; an unclosed one is an error, not a crash.
TEST(RtfDocument, DeepNesting) {
    for (const int depth : {10000, 200000}) {
        SCOPED_TRACE(depth);
        const QByteArray open = QByteArray("{\\b ").repeated(depth);
        const QByteArray close = QByteArray("}").repeated(depth);
        TDRtfDocument doc = Loaded("{\\rtf1 a" + open + "\\'e5" + close + "b}");
        EXPECT_EQ(doc.Lines(), Utf8Lines({"aåb"}));
        doc.SetChar(0, 1, kYo);
        EXPECT_EQ(Reloaded(doc), Utf8Lines({"aёb"}));
        EXPECT_THROW(Loaded("{\\rtf1 a" + open + "b}"), TDError);
    }
}

TEST(RtfDocument, HugeParagraph) {
    const qsizetype size = 1 << 20;
    const struct {
        const char* Name;
        QByteArray Letter;
        QChar Char;
    } cases[] = {
        {"hex", "\\'e5", QChar(0x0435)},
        {"unicode", "\\u1077?", QChar(0x0435)},
        {"raw", "a", QChar(u'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDRtfDocument doc = Loaded("{\\rtf1\\ansicpg1251 " + c.Letter.repeated(size) + "\\par}");
        ASSERT_EQ(doc.Lines().size(), 1);
        ASSERT_EQ(doc.Lines()[0].size(), size);
        EXPECT_EQ(doc.Lines()[0][size - 1], c.Char);
        doc.SetChar(0, size - 1, kYo);
        doc.SetChar(0, 0, kYo);
        const QStringList lines = Reloaded(doc);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0][0], kYo);
        EXPECT_EQ(lines[0][size - 1], kYo);
        EXPECT_EQ(lines[0][size / 2], c.Char);
    }
}
