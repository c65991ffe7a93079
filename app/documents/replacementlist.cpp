#include "replacementlist.h"

#include "contextentries.h"
#include "contextentry.h"
#include "documentsaving.h"
#include "error.h"
#include "strutils.h"
#include "textfile.h"
#include "word2replace.h"
#include "words2replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

QStringList String2Columns(const QString& line, QChar delimiter) {
    QStringList columns;
    if (line.isEmpty())
        return columns;
    QString column;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        if (c == delimiter && !quoted) {
            columns.append(column);
            column.clear();
        } else {
            column.append(c);
        }
    }
    columns.append(column);
    return columns;
}

QString EscapeContext(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("^p"));
    out.replace(QLatin1Char('\r'), QLatin1String("^p"));
    // A lone LF would break the line structure of the file.
    out.replace(QLatin1Char('\n'), QLatin1String("^p"));
    return out;
}

QString UnescapeContext(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("^p"), QLatin1String("\r"), Qt::CaseInsensitive);
    return out;
}

namespace {

void AppendLine(QString& out, const QString& line) {
    out += line;
    out += QLatin1String("\r\n");
}

QString Flag(bool v) {
    return v ? QStringLiteral("1") : QStringLiteral("0");
}

// One occurrence as read, before it becomes part of the model.
struct TDReadEntry {
    QString TextYo;
    int CheckedState = 0;
    bool IsYoInDoc = false;
    bool Visible = true;
    int ReplaceLevel = 0;
    // The place in the document (absent from lists of older writers: ChID 0, no pure form).
    int Line = 0;
    int ChID = 0;
    QString TextYoPure;
    QString BeforeShort, AfterShort, Before, After;
};

struct TDReadWord {
    QString WordYo;
    bool Uniqueness = false;
    std::vector<TDReadEntry> Entries;
};

class TDListReader {
public:
    TDListReader(const QStringList& lines, const QString& shown) : fLines(lines), fShown(shown) {}

    std::vector<TDReadWord> Read() {
        std::vector<TDReadWord> words;
        while (fNext < fLines.size()) {
            if (RestIsEmpty())
                break;
            words.push_back(ReadWord());
        }
        return words;
    }

private:
    [[noreturn]] void Fail(qsizetype line, const QString& what) const {
        throw TDError(QStringLiteral("Список замен «%1», строка %2: %3. Список не загружен.")
                          .arg(fShown)
                          .arg(line + 1)
                          .arg(what));
    }

    bool RestIsEmpty() const {
        for (qsizetype i = fNext; i < fLines.size(); ++i) {
            if (!fLines[i].isEmpty())
                return false;
        }
        return true;
    }

    // The next line; the file must not end here.
    const QString& NextLine(const QString& wordYo) {
        if (fNext >= fLines.size())
            Fail(fNext, QStringLiteral("файл обрывается внутри записи словоформы «%1»").arg(wordYo));
        return fLines[fNext++];
    }

    int Integer(qsizetype line, const QString& text, const QString& what) const {
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            Fail(line, QStringLiteral("%1 «%2» — не целое число").arg(what, text));
        return v;
    }

    TDReadWord ReadWord() {
        const qsizetype headerLine = fNext;
        const QStringList header = String2Columns(fLines[fNext++], QLatin1Char('\t'));
        if (header.size() < 3)
            Fail(headerLine, QStringLiteral("ожидался заголовок словоформы из трёх полей через табуляцию "
                                            "(слово, вид, число вхождений), а полей %1")
                                 .arg(header.size()));
        TDReadWord word;
        word.WordYo = header[0];
        word.Uniqueness = header[1] == QLatin1String("1");
        const int count = Integer(headerLine, header[2], QStringLiteral("число вхождений"));
        if (count < 0)
            Fail(headerLine, QStringLiteral("число вхождений %1 меньше нуля").arg(count));
        // The count comes from the file: the entries are not reserved ahead of the lines that hold them.
        for (int n = 0; n < count; ++n) {
            TDReadEntry e;
            const qsizetype line = fNext;
            const QStringList fields = String2Columns(NextLine(word.WordYo), QLatin1Char('|'));
            if (fields.size() < 5)
                Fail(line, QStringLiteral("ожидалось вхождение словоформы «%1» из пяти полей через «|», а "
                                          "полей %2")
                               .arg(word.WordYo)
                               .arg(fields.size()));
            e.TextYo = fields[0];
            e.CheckedState = Integer(line, fields[1], QStringLiteral("состояние отметки"));
            if (e.CheckedState < 0 || e.CheckedState > 2)
                Fail(line, QStringLiteral("состояние отметки %1 не равно 0, 1 или 2").arg(e.CheckedState));
            e.IsYoInDoc = fields[2] == QLatin1String("1");
            e.Visible = fields[3] == QLatin1String("1");
            e.ReplaceLevel = Integer(line, fields[4], QStringLiteral("уровень замены"));
            if (fields.size() >= 8) {
                e.Line = Integer(line, fields[5], QStringLiteral("номер строки"));
                e.ChID = Integer(line, fields[6], QStringLiteral("позиция в строке"));
                e.TextYoPure = fields[7];
                if (e.Line < 0 || e.ChID < 0)
                    Fail(line,
                         QStringLiteral("положение в документе %1:%2 меньше нуля").arg(e.Line).arg(e.ChID));
                if (e.ChID > 0 && e.TextYoPure.isEmpty())
                    Fail(line, QStringLiteral("у вхождения с положением в документе нет слова"));
            }
            e.BeforeShort = UnescapeContext(NextLine(word.WordYo));
            e.AfterShort = UnescapeContext(NextLine(word.WordYo));
            e.Before = UnescapeContext(NextLine(word.WordYo));
            e.After = UnescapeContext(NextLine(word.WordYo));
            word.Entries.push_back(std::move(e));
        }
        return word;
    }

    const QStringList& fLines;
    QString fShown;
    qsizetype fNext = 0;
};

} // namespace

QByteArray ReplacementListBytes(const TDWords2Replace& words) {
    QString out;
    for (const TDWord2Replace* w : words) {
        const TDContextEntries& list = w->ContextEntries();
        AppendLine(out, w->WordYo() + QLatin1Char('\t') +
                            (w->Uniqueness() ? QLatin1Char('1') : QLatin1Char('2')) + QLatin1Char('\t') +
                            QString::number(list.Count()));
        for (const TDContextEntry* e : list) {
            AppendLine(out, e->TextYo() + QLatin1Char('|') + QString::number(int(e->CheckedState())) +
                                QLatin1Char('|') + Flag(e->IsYoInDoc()) + QLatin1Char('|') +
                                Flag(e->Visible()) + QLatin1Char('|') + QString::number(e->ReplaceLevel()) +
                                QLatin1Char('|') + QString::number(e->Line()) + QLatin1Char('|') +
                                QString::number(e->ChID()) + QLatin1Char('|') + e->TextYoPure());
            AppendLine(out, EscapeContext(e->BeforeShort()));
            AppendLine(out, EscapeContext(e->AfterShort()));
            AppendLine(out, EscapeContext(e->Before()));
            AppendLine(out, EscapeContext(e->After()));
        }
    }
    return EncodeWindows1251(out);
}

void SaveReplacementList(const TDWords2Replace& words, const QString& fileName) {
    WriteWholeFile(fileName, ReplacementListBytes(words));
}

void ReadReplacementList(const QByteArray& bytes, const QString& shownName, TDWords2Replace& words,
                         TDWords2Replace& groups, TDContextEntries& entries) {
    std::vector<TDReadWord> read;
    {
        const QStringList lines = SplitLines(DecodeTextBytes(bytes));
        read = TDListReader(lines, shownName).Read();
    }
    // The file is whole: now the model is replaced.
    entries.Clear();
    groups.Clear();
    words.Clear();
    for (TDReadWord& r : read) {
        auto* w = new TDWord2Replace(true);
        w->SetParentList(&words);
        w->SetWordYo(r.WordYo.toLower());
        w->SetWordE(YoToLowerE(r.WordYo.toLower()));
        w->SetUniqueness(r.Uniqueness);
        words.Add(w);
        for (TDReadEntry& re : r.Entries) {
            auto* e = new TDContextEntry;
            e->SetEntries(&w->ContextEntries());
            w->ContextEntries().Add(e);
            w->SetVisibleCount(w->VisibleCount() + 1);
            e->SetTextYo(re.TextYo);
            e->SetTextE(YoToE(re.TextYo));
            e->SetCheckedState(TDCheckState(re.CheckedState));
            e->SetIsYoInDoc(re.IsYoInDoc);
            e->SetVisible(re.Visible);
            e->SetReplaceLevel(re.ReplaceLevel);
            e->SetLine(re.Line);
            e->SetChID(re.ChID);
            e->SetTextYoPure(re.TextYoPure);
            e->SetTextEPure(YoToE(re.TextYoPure));
            e->SetBeforeShort(re.BeforeShort);
            e->SetAfterShort(re.AfterShort);
            e->SetBefore(re.Before);
            e->SetAfter(re.After);
            entries.Add(e);
        }
    }
}

bool WTRFileOpen(const QString& AFileName, TDWords2Replace& words, TDWords2Replace& groups,
                 TDContextEntries& entries) {
    const QString shown = QDir::toNativeSeparators(AFileName);
    if (!QFileInfo(AFileName).isFile())
        return false;
    QFile file(AFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TDError(
            QStringLiteral("Не удаётся прочитать список замен «%1»: %2").arg(shown, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TDError(
            QStringLiteral("Не удаётся прочитать список замен «%1»: %2").arg(shown, file.errorString()));
    ReadReplacementList(bytes, shown, words, groups, entries);
    return true;
}

bool IsExportedDual(const TDContextEntry& entry) {
    static const QStringList skipped = {QStringLiteral("перед"), QStringLiteral("нем"),
                                        QStringLiteral("чем"),   QStringLiteral("далеко"),
                                        QStringLiteral("щеки"),  QStringLiteral("щеку")};
    return entry.ReplaceLevel() != kLevelUnambiguous && !skipped.contains(entry.TextEPure());
}

QString ExportDualsLine(const TDContextEntry& entry) {
    return entry.TextEPure() + QLatin1Char('\t') + entry.BeforeShort() + QLatin1Char('\t') + entry.TextE() +
           QLatin1Char('\t') + entry.AfterShort() + QLatin1Char('\t') + QString::number(entry.ReplaceLevel());
}

QByteArray ExportDualsBytes(const TDContextEntries& entries) {
    QString out;
    for (const TDContextEntry* e : entries) {
        if (IsExportedDual(*e))
            AppendLine(out, ExportDualsLine(*e));
    }
    return EncodeWindows1251(out);
}

void ExportDuals(const TDContextEntries& entries, const QString& fileName) {
    WriteWholeFile(fileName, ExportDualsBytes(entries));
}
