#include "../core/testfiles.h"
#include "contextentry.h"
#include "documentsaving.h"
#include "documenttesting.h"
#include "filereplacer.h"
#include "filetypes.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

enum TDForm { fmWindows1251, fmUtf8, fmRtf };

// The input as a save in its own encoding writes it: line breaks as CR LF, UTF-8 with its mark.
QByteArray AsSaved(const QByteArray& input, TDForm form) {
    QByteArray out =
        form == fmUtf8 && !input.startsWith("\xEF\xBB\xBF") ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    if (form == fmRtf)
        return input;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == '\n' && (i == 0 || input[i - 1] != '\r'))
            out += '\r';
        out += input[i];
    }
    return out;
}

// Walks two byte strings in step and counts the places where «е»/«Е» became «ё»/«Ё» in the given form;
// any other difference is reported in why and gives -1.
int ChangedLetters(const QByteArray& before, const QByteArray& after, TDForm form, std::string& why) {
    if (before.size() != after.size()) {
        why = "sizes differ: " + std::to_string(before.size()) + " and " + std::to_string(after.size());
        return -1;
    }
    struct Pair {
        QByteArray From, To;
    };
    const QList<Pair> pairs = form == fmWindows1251 ? QList<Pair>{{"\xE5", "\xB8"}, {"\xC5", "\xA8"}}
                              : form == fmUtf8
                                  ? QList<Pair>{{"\xD0\xB5", "\xD1\x91"}, {"\xD0\x95", "\xD0\x81"}}
                                  : QList<Pair>{{"\\'e5", "\\'b8"}, {"\\'c5", "\\'a8"}};
    int count = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        // Back to the start of the letter's spelling.
        qsizetype start = i;
        if (form == fmUtf8 && (uchar(before[i]) & 0xC0) == 0x80)
            start = i - 1;
        else if (form == fmRtf)
            start = before.lastIndexOf("\\'", i);
        bool known = false;
        for (const Pair& p : pairs) {
            if (start >= 0 && before.mid(start, p.From.size()) == p.From &&
                after.mid(start, p.To.size()) == p.To) {
                known = true;
                i = start + p.From.size() - 1;
            }
        }
        if (!known) {
            why = "unexpected difference at byte " + std::to_string(i) + ": «" +
                  before.mid(qMax<qsizetype>(0, i - 20), 40).toStdString() + "» became «" +
                  after.mid(qMax<qsizetype>(0, i - 20), 40).toStdString() + "»";
            return -1;
        }
        ++count;
    }
    return count;
}

const char* const kExpectedSentences[] = {
    "Ещё вчера он пришёл домой поздно и всё равно сел за работу.",
    "Её письмо лежало на столе, а ёлка в углу была зелёная.",
    "Все мы тогда были молоды, и все было впереди.",
    "Ёж уже спал, и ёж во сне сопел.",
};

} // namespace

// Each type: analyse, agree with the suggestions, replace, save in the document's own encoding as
// «Name (ё).ext», and reload. Only the changed letters differ from the input (besides CR LF and the
// UTF-8 mark that every save writes); for RTF the source is identical but for the letters.
TEST(RoundTrip, EachTypeChangesOnlyTheLetters) {
    const struct {
        const char* File;
        TDForm Form;
        TDFileEncoding Encoding;
        int Letters;
    } cases[] = {
        // The title «Елка во дворе» counts in FB2, HTML and XML: the analyser reads the markup lines whole.
        {"роман.fb2", fmUtf8, feUTF8, 8},
        {"роман-1251.fb2", fmWindows1251, feWin1251, 8},
        {"страница.html", fmUtf8, feUTF8, 8},
        {"данные.xml", fmUtf8, feUTF8, 8},
        {"заметка.txt", fmWindows1251, feWin1251, 7},
        {"документ.rtf", fmRtf, feNone, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TestFolder dir;
        const QString name = QString::fromUtf8(c.File);
        const QByteArray input = ReadBytes(DocumentFixture(name));
        ASSERT_FALSE(input.isEmpty());
        const QString source = dir.WriteBytes(name, input);

        TDDocument doc;
        doc.FileOpen(source);
        EXPECT_EQ(doc.FileEncoding(), c.Encoding);
        TDReview review;
        review.AnalyseAndAgree(doc);
        TDFileReplacer replacer;
        replacer.Replace(doc, review.Entries);
        EXPECT_EQ(replacer.LettersWritten(), c.Letters);
        EXPECT_EQ(replacer.Skipped(), 0);

        const TDSaveName saveName = DefaultSaveName(source);
        const QString target = QDir(doc.LastFolderOpened()).filePath(saveName.Name + saveName.Ext);
        SaveDocument(
            doc, target,
            NewStyleSavePlan(doc.FileEncoding(), doc.FileEncoding(), SaveTypeIndexOfExt(saveName.Ext)));
        EXPECT_EQ(ReadBytes(source), input) << "the opened file is never written";

        std::string why;
        EXPECT_EQ(ChangedLetters(AsSaved(input, c.Form), ReadBytes(target), c.Form, why), c.Letters) << why;

        TDDocument again;
        again.FileOpen(target);
        EXPECT_EQ(again.FileEncoding(), c.Encoding);
        const QString text = again.CommonFile().Lines().join(QLatin1Char('\n'));
        for (const char* sentence : kExpectedSentences)
            EXPECT_TRUE(text.contains(QString::fromUtf8(sentence))) << sentence << "\n" << text.toStdString();
        // A second run over the saved document finds nothing more to change.
        TDReview second;
        second.AnalyseAndAgree(again);
        TDFileReplacer none;
        none.Replace(again, second.Entries);
        EXPECT_EQ(none.LettersWritten(), 0);
    }
}

// With «ё»-words searched too, a cleared occurrence written with «ё» goes back to «е», in the line
// list and in the RTF source alike; decisions stay as they were.
TEST(RoundTrip, ClearedYoBecomesEInRtf) {
    TDDocument doc;
    doc.LoadBytes("{\\rtf1\\ansi\\ansicpg1251 \\'c2\\'f1\\'b8 \\'e5\\'f9\\'e5\\par}", ftRTF,
                  QStringLiteral("d.rtf"));
    TDReview review;
    review.AnalyseAndAgree(doc, true);
    ASSERT_EQ(review.Entries.Count(), 2);
    for (TDContextEntry* e : review.Entries) {
        if (e->TextEPure() == QStringLiteral("Все"))
            e->SetCheckedState(cbUnchecked);
    }
    TDFileReplacer replacer;
    int calls = 0;
    replacer.OnProgress = [&](int, int) {
        ++calls;
    };
    EXPECT_EQ(replacer.Replace(doc, review.Entries), 2);
    EXPECT_GE(calls, 2);
    EXPECT_EQ(doc.CommonFile().Lines(), QStringList{QStringLiteral("Все ещё")});
    EXPECT_EQ(doc.RtfDocument()->ToBytes(),
              QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c2\\'f1\\'e5 \\'e5\\'f9\\'b8\\par}"));
    for (const TDContextEntry* e : review.Entries) {
        EXPECT_EQ(e->IsYoInDoc(), e->TextEPure() != QStringLiteral("Все"));
        EXPECT_EQ(e->CheckedState(), e->TextEPure() == QStringLiteral("Все") ? cbUnchecked : cbChecked);
    }
}
