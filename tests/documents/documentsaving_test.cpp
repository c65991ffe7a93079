#include "../core/testfiles.h"
#include "documentsaving.h"
#include "documenttesting.h"
#include "error.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

QString D(const char* declaration) {
    return QString::fromLatin1(declaration);
}

TDDocument* Loaded(const QByteArray& bytes, TDFileType type, const char* name = "doc") {
    auto* doc = new TDDocument;
    doc->LoadBytes(bytes, type, QString::fromUtf8(name));
    return doc;
}

// The lines joined as a save writes them, each followed by CR LF.
QString WithCrLf(const QStringList& lines) {
    QString out;
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

template <class F> QString ErrorOf(F f) {
    try {
        f();
    } catch (const TDError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

TEST(DocumentSaving, DeclarationTexts) {
    EXPECT_EQ(D(kDeclarationWin1251), QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
    EXPECT_EQ(D(kDeclarationWin1251Standalone),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\" standalone=\"yes\"?>"));
    EXPECT_EQ(D(kDeclarationUtf8), QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
    EXPECT_EQ(D(kDeclarationUtf8Standalone),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>"));
}

// Both writing tables: (document encoding, save encoding, type index) -> what is written. A null
// declaration means the first line is left alone.
TEST(DocumentSaving, WritingTables) {
    struct Case {
        TDFileEncoding Document, Save;
        int Type;
        TDSaveWrite Write;
        const char* Declaration;
    };
    const Case newStyle[] = {
        {feUTF8, feUTF8, 1, swUtf8, nullptr},
        {feUTF8, feUTF8, 6, swUtf8, nullptr},
        {feWin1251, feWin1251, 1, swOwnEncoding, nullptr},
        {feNone, feNone, 2, swOwnEncoding, nullptr},
        {feUTF8, feWin1251, 1, swWindows1251, kDeclarationWin1251},
        {feUTF8, feWin1251, 2, swWindows1251, ""},
        {feUTF8, feWin1251, 3, swWindows1251, kDeclarationWin1251Standalone},
        // Left open by the dialog's design: txt, rtf and all files have no declaration to change.
        {feUTF8, feWin1251, 4, swWindows1251, nullptr},
        {feUTF8, feWin1251, 5, swWindows1251, nullptr},
        {feUTF8, feWin1251, 6, swWindows1251, nullptr},
        {feWin1251, feUTF8, 1, swNothing, nullptr},
        {feWin1251, feUTF8, 3, swNothing, nullptr},
        {feNone, feUTF8, 4, swNothing, nullptr},
        {feNone, feWin1251, 4, swNothing, nullptr},
        {feUTF8, feNone, 1, swNothing, nullptr},
    };
    for (const Case& c : newStyle) {
        const TDSavePlan plan = NewStyleSavePlan(c.Document, c.Save, c.Type);
        EXPECT_EQ(plan.Write, c.Write) << c.Document << "→" << c.Save << " T" << c.Type;
        EXPECT_EQ(plan.NewDeclaration, c.Declaration != nullptr)
            << c.Document << "→" << c.Save << " T" << c.Type;
        if (c.Declaration) {
            EXPECT_EQ(plan.Declaration, D(c.Declaration)) << c.Type;
        }
    }
    const Case classic[] = {
        {feUTF8, feUTF8, 2, swUtf8, nullptr},
        {feWin1251, feWin1251, 4, swOwnEncoding, nullptr},
        {feNone, feNone, 1, swOwnEncoding, nullptr},
        {feUTF8, feWin1251, 1, swWindows1251, kDeclarationWin1251},
        {feUTF8, feWin1251, 3, swWindows1251, kDeclarationWin1251Standalone},
        {feWin1251, feUTF8, 1, swUtf8, kDeclarationUtf8},
        {feWin1251, feUTF8, 3, swUtf8, kDeclarationUtf8Standalone},
        {feUTF8, feWin1251, 2, swNothing, nullptr},
        {feUTF8, feWin1251, 4, swNothing, nullptr},
        {feWin1251, feUTF8, 4, swNothing, nullptr},
        {feNone, feUTF8, 1, swNothing, nullptr},
    };
    for (const Case& c : classic) {
        const TDSavePlan plan = ClassicSavePlan(c.Document, c.Save, c.Type);
        EXPECT_EQ(plan.Write, c.Write) << c.Document << "→" << c.Save << " T" << c.Type;
        EXPECT_EQ(plan.NewDeclaration, c.Declaration != nullptr)
            << c.Document << "→" << c.Save << " T" << c.Type;
        if (c.Declaration) {
            EXPECT_EQ(plan.Declaration, D(c.Declaration)) << c.Type;
        }
    }
}

// A UTF-8 FB2 saved as windows-1251: the declaration changes by the type chosen, the rest of the first
// line stays, and the document itself keeps its own declaration for the next save.
TEST(DocumentSaving, DeclarationRewriting) {
    const QString utf8Decl = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    const struct {
        const char* What;
        QStringList Lines;
        int Type;
        QStringList Written;
    } cases[] = {
        {"fb2 type: D1",
         {utf8Decl, QStringLiteral("<p>ещё</p>")},
         1,
         {D(kDeclarationWin1251), QStringLiteral("<p>ещё</p>")}},
        {"html type: no declaration",
         {utf8Decl, QStringLiteral("<p>ещё</p>")},
         2,
         {QString(), QStringLiteral("<p>ещё</p>")}},
        {"xml type: D2",
         {utf8Decl, QStringLiteral("<a/>")},
         3,
         {D(kDeclarationWin1251Standalone), QStringLiteral("<a/>")}},
        {"txt type: first line kept",
         {utf8Decl, QStringLiteral("<a/>")},
         4,
         {utf8Decl, QStringLiteral("<a/>")}},
        // A book on one line keeps its text.
        {"one line",
         {utf8Decl + QStringLiteral("<FictionBook><p>ещё</p></FictionBook>")},
         1,
         {D(kDeclarationWin1251) + QStringLiteral("<FictionBook><p>ещё</p></FictionBook>")}},
        {"html type, one line", {utf8Decl + QStringLiteral("<p>ещё</p>")}, 2, {QStringLiteral("<p>ещё</p>")}},
        // No declaration: one is written in front, since XML without one means UTF-8.
        {"no declaration",
         {QStringLiteral("<FictionBook>"), QStringLiteral("</FictionBook>")},
         1,
         {D(kDeclarationWin1251), QStringLiteral("<FictionBook>"), QStringLiteral("</FictionBook>")}},
        {"html type, no declaration", {QStringLiteral("<html>")}, 2, {QStringLiteral("<html>")}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TDDocument> doc(Loaded((c.Lines.join(QLatin1Char('\n'))).toUtf8(), ftFB2));
        ASSERT_EQ(doc->FileEncoding(), feUTF8) << c.What;
        const QByteArray bytes = DocumentBytes(*doc, NewStyleSavePlan(feUTF8, feWin1251, c.Type));
        EXPECT_EQ(bytes, To1251(WithCrLf(c.Written))) << c.What;
        EXPECT_EQ(doc->CommonFile().Lines(), c.Lines) << c.What;
        // Saved again in its own encoding, it still says UTF-8.
        EXPECT_EQ(DocumentBytes(*doc, NewStyleSavePlan(feUTF8, feUTF8, c.Type)),
                  kBom + WithCrLf(c.Lines).toUtf8())
            << c.What;
    }
}

TEST(DocumentSaving, FixtureFb2InBothDirections) {
    TDDocument utf8;
    utf8.FileOpen(DocumentFixture(QStringLiteral("роман.fb2")));
    QStringList expected = utf8.CommonFile().Lines();
    expected[0] = D(kDeclarationWin1251);
    EXPECT_EQ(DocumentBytes(utf8, NewStyleSavePlan(feUTF8, feWin1251, 1)), To1251(WithCrLf(expected)));

    TDDocument cp;
    cp.FileOpen(DocumentFixture(QStringLiteral("роман-1251.fb2")));
    ASSERT_EQ(cp.FileEncoding(), feWin1251);
    // The new-style dialog has no row for windows-1251 to UTF-8: nothing is written, and it says so.
    const QString message = ErrorOf([&] { DocumentBytes(cp, NewStyleSavePlan(feWin1251, feUTF8, 1)); });
    EXPECT_TRUE(message.contains(QStringLiteral("windows-1251"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("UTF-8"))) << message.toStdString();
    // The classic dialog writes D3 and UTF-8 with a byte-order mark.
    expected = cp.CommonFile().Lines();
    expected[0] = D(kDeclarationUtf8);
    EXPECT_EQ(DocumentBytes(cp, ClassicSavePlan(feWin1251, feUTF8, 1)), kBom + WithCrLf(expected).toUtf8());
}

// Own encoding: the lines as read, CR LF after each; UTF-8 with its mark, UTF-16 with the mark it had.
TEST(DocumentSaving, OwnEncodingAndLineEnds) {
    const struct {
        const char* What;
        QByteArray Input;
        TDFileType Type;
        QByteArray Written;
    } cases[] = {
        {"windows-1251 text", To1251(QStringLiteral("ещё\nи\r\nвсё")), ftTXT,
         To1251(QStringLiteral("ещё\r\nи\r\nвсё\r\n"))},
        {"UTF-8 text gets the mark", QByteArray("\xD0\xB5\n"), ftTXT, kBom + "\xD0\xB5\r\n"},
        {"HTML read as windows-1251", To1251(QStringLiteral("<p>все</p>\r")), ftHtml,
         To1251(QStringLiteral("<p>все</p>\r\n"))},
        {"UTF-16 LE", QByteArray("\xFF\xFE\x35\x04\n\0", 6), ftTXT,
         QByteArray("\xFF\xFE\x35\x04\r\0\n\0", 8)},
        {"UTF-16 BE", QByteArray("\xFE\xFF\x04\x35", 4), ftTXT, QByteArray("\xFE\xFF\x04\x35\0\r\0\n", 8)},
        {"empty", QByteArray(), ftTXT, QByteArray()},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TDDocument> doc(Loaded(c.Input, c.Type));
        const TDSavePlan plan = NewStyleSavePlan(doc->FileEncoding(), doc->FileEncoding(), 4);
        EXPECT_EQ(DocumentBytes(*doc, plan), c.Written) << c.What;
    }
    // A document that was never read is written as an empty file.
    TDDocument none;
    EXPECT_EQ(DocumentBytes(none, NewStyleSavePlan(feNone, feNone, 6)), QByteArray());
}

// windows-1251 has no «Ω» nor emoji: markup keeps them as character references, plain text refuses.
TEST(DocumentSaving, CharactersWindows1251CannotHold) {
    const QByteArray fb2 =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<p>Ω и ещё 😀</p>").toUtf8();
    std::unique_ptr<TDDocument> book(Loaded(fb2, ftFB2));
    EXPECT_EQ(DocumentBytes(*book, NewStyleSavePlan(feUTF8, feWin1251, 1)),
              To1251(D(kDeclarationWin1251) + QStringLiteral("\r\n<p>&#937; и ещё &#128512;</p>\r\n")));
    std::unique_ptr<TDDocument> page(Loaded(QStringLiteral("<p>ещё</p>\n<p>№ ‱</p>").toUtf8(), ftHtml));
    EXPECT_EQ(DocumentBytes(*page, NewStyleSavePlan(feUTF8, feWin1251, 2)),
              To1251(QStringLiteral("<p>ещё</p>\r\n<p>№ &#8241;</p>\r\n")));

    TestFolder dir;
    const QString target = dir.WriteBytes(QStringLiteral("note (ё).txt"), "earlier copy");
    std::unique_ptr<TDDocument> note(Loaded(QStringLiteral("ещё\nугол 90° и Ω").toUtf8(), ftTXT));
    const QString message =
        ErrorOf([&] { SaveDocument(*note, target, NewStyleSavePlan(feUTF8, feWin1251, 4)); });
    EXPECT_TRUE(message.contains(QStringLiteral("строке 2"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("«Ω» (U+03A9)"))) << message.toStdString();
    EXPECT_EQ(ReadBytes(target), QByteArray("earlier copy"));
    EXPECT_EQ(QDir(dir.Dir()).entryList(QDir::Files), QStringList{QStringLiteral("note (ё).txt")});
}

TEST(DocumentSaving, RtfIsWrittenFromItsSourceAfterTheDashRule) {
    std::unique_ptr<TDDocument> doc(Loaded(
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'f1\\'eb\\'ee\\'e2\\'ee - "
        "\\'f1\\'eb\\'ee\\'e2\\'ee a-b a -b\\par}",
        ftRTF));
    const QByteArray bytes = DocumentBytes(*doc, NewStyleSavePlan(feNone, feNone, 5));
    TDRtfDocument again;
    again.Load(bytes);
    EXPECT_EQ(again.Lines(), QStringList{QStringLiteral("слово — слово a-b a -b")});
    EXPECT_EQ(doc->RtfDocument()->Lines(), again.Lines());
}

// The file appears whole or not at all; a place that cannot take it gives a message naming it.
TEST(DocumentSaving, FailedSaveLeavesNothingBehind) {
    TestFolder dir;
    std::unique_ptr<TDDocument> doc(Loaded("text", ftTXT));
    const TDSavePlan plan = NewStyleSavePlan(feWin1251, feWin1251, 4);
    const QString notAFolder = dir.WriteBytes(QStringLiteral("file"), "x");
    const QString targets[] = {dir.Path(QStringLiteral("missing/out.txt")),
                               notAFolder + QStringLiteral("/out.txt"), dir.Dir()};
    for (const QString& target : targets) {
        const QString message = ErrorOf([&] { SaveDocument(*doc, target, plan); });
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(target))) << message.toStdString();
    }
    EXPECT_EQ(QDir(dir.Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("file")});
    EXPECT_EQ(ReadBytes(notAFolder), QByteArray("x"));

    const QString target = dir.Path(QStringLiteral("out.txt"));
    SaveDocument(*doc, target, plan);
    EXPECT_EQ(ReadBytes(target), QByteArray("text\r\n"));
}

TEST(DocumentSaving, ReadOnlyFolder) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    TestFolder dir;
    const QString folder = dir.Path(QStringLiteral("ro"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    std::unique_ptr<TDDocument> doc(Loaded("text", ftTXT));
    const QString target = folder + QStringLiteral("/out.txt");
    const QString message =
        ErrorOf([&] { SaveDocument(*doc, target, NewStyleSavePlan(feWin1251, feWin1251, 4)); });
    EXPECT_TRUE(message.contains(target)) << message.toStdString();
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
