#include "rtfreader.h"

#include "error.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>

namespace {

// What a control word does for the reader.
enum class WordKind : quint8 {
    Par,          // ends the paragraph
    Break,        // ends the paragraph when it holds text: section, page, column, table cell, row
    Char,         // stands for one character
    Unicode,      // \uN
    SkipCount,    // \ucN
    Bin,          // \binN: N bytes of binary data follow
    Font,         // \fN
    Charset,      // \fcharsetN in the font table
    FontCodePage, // \cpgN in the font table
    AnsiCodePage, // \ansicpgN
    Mac,          // \mac: the document is in the Mac Roman code page
    Pc,           // \pc: code page 437
    Pca,          // \pca: code page 850
    DefaultFont,  // \deffN
    Plain,        // \plain: back to the default font
    Skip,         // a destination without body text
    Side,         // a header, footer or footnote
    Fonts,        // the font table
};

struct WordInfo {
    WordKind Kind;
    char16_t Char = 0; // the character of a WordKind::Char word
};

// Destinations whose text is not the document's text: the document's tables, pictures and objects,
// field instructions, list numbers, index and contents entries, comments, bookmarks, shapes.
constexpr std::string_view kSkipped =
    "colortbl stylesheet info pict object listtable listoverridetable rsidtbl generator "
    "themedata colorschememapping datastore latentstyles xmlnstbl pgdsctbl filetbl revtbl "
    "userprops template fldinst pntext pntxta pntxtb pn listtext xe tc tcn txe rxe annotation "
    "atnauthor atnid atndate atntime atnref atnicn atnparent atrfstart atrfend bkmkstart "
    "bkmkend falt panose fontemb fontfile ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn shp "
    "shpgrp shpinst shprslt shppict nonshppict sp sn sv objdata objclass objname result "
    "listpicture mmathPr docvar background keycode private file picprop nesttableprops "
    "nonesttables passwordhash wgrffmtfilter ud do author buptim comment creatim doccomm "
    "keywords operator printim revtim subject title company category manager hlinkbase "
    "protusertbl pgptbl oldcprops oldpprops oldsprops oldtprops";

const std::unordered_map<std::string_view, WordInfo>& Words() {
    static const std::unordered_map<std::string_view, WordInfo> words = [] {
        std::unordered_map<std::string_view, WordInfo> w;
        for (std::string_view rest = kSkipped; !rest.empty();) {
            const size_t space = std::min(rest.find(' '), rest.size());
            w.emplace(rest.substr(0, space), WordInfo{WordKind::Skip});
            rest.remove_prefix(std::min(space + 1, rest.size()));
        }
        for (const char* name : {"header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
                                 "footerf", "footnote"})
            w.emplace(name, WordInfo{WordKind::Side});
        for (const char* name : {"sect", "page", "column", "cell", "row", "nestcell", "nestrow"})
            w.emplace(name, WordInfo{WordKind::Break});
        const std::pair<const char*, char16_t> chars[] = {
            {"tab", u'\t'},      {"line", u' '},        {"emdash", 0x2014},    {"endash", 0x2013},
            {"emspace", 0x2003}, {"enspace", 0x2002},   {"qmspace", 0x2005},   {"lquote", 0x2018},
            {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022},
            {"zwj", 0x200D},     {"zwnj", 0x200C},      {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
            {"zwbo", 0x200B},    {"zwnbo", 0x2060},
        };
        for (const auto& [name, c] : chars)
            w.emplace(name, WordInfo{WordKind::Char, c});
        w.emplace("par", WordInfo{WordKind::Par});
        w.emplace("u", WordInfo{WordKind::Unicode});
        w.emplace("uc", WordInfo{WordKind::SkipCount});
        w.emplace("bin", WordInfo{WordKind::Bin});
        w.emplace("f", WordInfo{WordKind::Font});
        w.emplace("fcharset", WordInfo{WordKind::Charset});
        w.emplace("cpg", WordInfo{WordKind::FontCodePage});
        w.emplace("ansicpg", WordInfo{WordKind::AnsiCodePage});
        w.emplace("mac", WordInfo{WordKind::Mac});
        w.emplace("pc", WordInfo{WordKind::Pc});
        w.emplace("pca", WordInfo{WordKind::Pca});
        w.emplace("deff", WordInfo{WordKind::DefaultFont});
        w.emplace("plain", WordInfo{WordKind::Plain});
        w.emplace("fonttbl", WordInfo{WordKind::Fonts});
        return w;
    }();
    return words;
}

// A parameter is cut off here; enough for any \bin length, and no overflow on endless digits.
constexpr qint64 kParameterLimit = qint64(1) << 40;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int ToInt(qint64 value) {
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

// A character the text keeps: the reader drops control characters other than the tab.
bool IsTextChar(char16_t c) {
    return c >= 0x20 || c == u'\t';
}

TDError Broken(const QString& what, qsizetype offset) {
    return TDError(QStringLiteral("Документ RTF повреждён: %1 (смещение %2).").arg(what).arg(offset));
}

TDError CutShort(const QString& what, qsizetype offset) {
    return TDError(QStringLiteral("Документ RTF оборван: %1 (смещение %2).").arg(what).arg(offset));
}

} // namespace

void TDRtfReader::Read() {
    const char* s = fSource.constData();
    const qsizetype n = fSource.size();
    qsizetype i = FindStart();
    while (i < n) {
        const char c = s[i];
        if (c == '{') {
            OpenGroup();
            ++i;
        } else if (c == '}') {
            CloseGroup();
            ++i;
            if (fGroups.empty()) {
                CheckTail(i);
                return;
            }
        } else if (c == '\\') {
            if (i + 1 >= n)
                throw CutShort(QStringLiteral("файл кончается одиночной «\\»"), i);
            const char next = s[i + 1];
            if (IsLetter(next))
                ReadControlWord(i);
            else if (next == '\'')
                ReadHex(i);
            else
                ReadControlSymbol(i);
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else {
            const uchar byte = uchar(c);
            if (!Absorb(i + 1) && InText() && IsTextChar(byte)) {
                const QChar ch = byte < 0x80 ? QChar(byte) : fCodePages[CurrentCodePage()].Decode(byte);
                Add(ch, TDRtfCharKind::Raw, i, i + 1);
            }
            ++i;
        }
    }
    throw CutShort(QStringLiteral("не закрыто групп «{»: %1").arg(fGroups.size()), n);
}

qsizetype TDRtfReader::FindStart() const {
    const QByteArrayView source(fSource);
    qsizetype i = source.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < source.size() &&
           (source[i] == ' ' || source[i] == '\t' || source[i] == '\r' || source[i] == '\n'))
        ++i;
    if (i == source.size())
        throw TDError(QStringLiteral("Файл не является документом RTF: в нём нет ничего, кроме пробелов."));
    if (!source.sliced(i).startsWith("{\\rtf"))
        throw TDError(QStringLiteral("Файл не является документом RTF: он не начинается с «{\\rtf»."));
    return i;
}

void TDRtfReader::ReadControlWord(qsizetype& i) {
    const char* s = fSource.constData();
    const qsizetype n = fSource.size();
    const qsizetype start = i;
    qsizetype j = i + 1;
    while (j < n && IsLetter(s[j]))
        ++j;
    const std::string_view name(s + i + 1, size_t(j - i - 1));
    bool hasParameter = false;
    bool negative = false;
    qint64 parameter = 0;
    if (j + 1 < n && s[j] == '-' && IsDigit(s[j + 1])) {
        negative = true;
        ++j;
    }
    while (j < n && IsDigit(s[j])) {
        hasParameter = true;
        if (parameter < kParameterLimit)
            parameter = parameter * 10 + (s[j] - '0');
        ++j;
    }
    if (negative)
        parameter = -parameter;
    if (j < n && s[j] == ' ')
        ++j; // the delimiting space belongs to the control word

    const auto found = Words().find(name);
    const bool known = found != Words().end();
    if (known && found->second.Kind == WordKind::Bin && hasParameter) {
        if (parameter < 0)
            throw Broken(QStringLiteral("отрицательная длина двоичных данных «\\bin»"), start);
        if (parameter > n - j)
            throw CutShort(QStringLiteral("двоичные данные «\\bin%1» выходят за конец файла").arg(parameter),
                           start);
        j += parameter;
    }
    i = j;
    if (Absorb(j))
        return;

    Group& group = fGroups.back();
    if (group.Starred) {
        // An ignorable destination holds no text, unless it is one of those that do (LibreOffice
        // writes its footnotes as \*\footnote).
        group.Starred = false;
        SetDestination(known && found->second.Kind == WordKind::Side ? Destination::Side
                                                                     : Destination::Skipped);
        return;
    }
    if (!known)
        return;
    switch (found->second.Kind) {
    case WordKind::Par:
        if (InText())
            EndParagraph(true);
        break;
    case WordKind::Break:
        if (InText())
            EndParagraph(false);
        break;
    case WordKind::Char:
        if (InText())
            Add(QChar(found->second.Char), TDRtfCharKind::Control, start, j);
        break;
    case WordKind::Unicode: {
        if (!InText() || !hasParameter)
            break;
        const qint64 code = parameter < 0 ? parameter + 65536 : parameter;
        const char16_t c = code >= 0 && code <= 0xFFFF ? char16_t(code) : char16_t(0xFFFD);
        fFallbackParagraph = nullptr;
        if (IsTextChar(c)) {
            Add(QChar(c), TDRtfCharKind::Unicode, start, j);
            fFallbackParagraph = group.Dest == Destination::Side ? &fSide : &fBody;
        }
        fFallbackLeft = group.SkipCount;
        break;
    }
    case WordKind::SkipCount:
        if (hasParameter)
            group.SkipCount = quint8(std::clamp<qint64>(parameter, 0, 255));
        break;
    case WordKind::Bin:
        break;
    case WordKind::Font:
        if (!hasParameter)
            break;
        if (group.Dest == Destination::Fonts)
            fFontEntry = ToInt(parameter);
        else
            group.Font = ToInt(parameter);
        break;
    case WordKind::Charset:
        if (group.Dest == Destination::Fonts && fFontEntry >= 0 && hasParameter) {
            fFonts[fFontEntry].CharsetCodePage = TDRtfCodePage::FromCharset(ToInt(parameter));
            fCachedFont = INT_MIN;
        }
        break;
    case WordKind::FontCodePage:
        if (group.Dest == Destination::Fonts && fFontEntry >= 0 && hasParameter) {
            fFonts[fFontEntry].CodePage = ToInt(parameter);
            fCachedFont = INT_MIN;
        }
        break;
    case WordKind::AnsiCodePage:
        if (hasParameter && parameter > 0) {
            fDocumentCodePage = ToInt(parameter);
            fAnsiCodePageSet = true;
            fCachedFont = INT_MIN;
        }
        break;
    case WordKind::Mac:
    case WordKind::Pc:
    case WordKind::Pca:
        if (!fAnsiCodePageSet) {
            const WordKind kind = found->second.Kind;
            fDocumentCodePage = kind == WordKind::Mac ? 10000 : kind == WordKind::Pc ? 437 : 850;
            fCachedFont = INT_MIN;
        }
        break;
    case WordKind::DefaultFont:
        if (hasParameter) {
            fDefaultFont = ToInt(parameter);
            fCachedFont = INT_MIN;
        }
        break;
    case WordKind::Plain:
        group.Font = -1;
        break;
    case WordKind::Skip:
        SetDestination(Destination::Skipped);
        break;
    case WordKind::Side:
        SetDestination(Destination::Side);
        break;
    case WordKind::Fonts:
        SetDestination(Destination::Fonts);
        break;
    }
}

void TDRtfReader::ReadHex(qsizetype& i) {
    const char* s = fSource.constData();
    const qsizetype start = i;
    if (i + 3 >= fSource.size())
        throw CutShort(QStringLiteral("неполный код символа «\\'»"), start);
    const int high = HexValue(s[i + 2]);
    const int low = HexValue(s[i + 3]);
    if (high < 0 || low < 0)
        throw Broken(QStringLiteral("неверный код символа «\\'%1»").arg(QString::fromLatin1(s + i + 2, 2)),
                     start);
    i += 4;
    const uchar byte = uchar(high * 16 + low);
    if (Absorb(i) || !InText() || !IsTextChar(byte))
        return;
    const QChar c = byte < 0x80 ? QChar(byte) : fCodePages[CurrentCodePage()].Decode(byte);
    Add(c, TDRtfCharKind::Hex, start, i);
}

void TDRtfReader::ReadControlSymbol(qsizetype& i) {
    const qsizetype start = i;
    const char symbol = fSource[i + 1];
    i += 2;
    if (Absorb(i))
        return;
    switch (symbol) {
    case '\r':
    case '\n': // a backslash before a line break is a paragraph mark
        if (InText())
            EndParagraph(true);
        break;
    case '*':
        fGroups.back().Starred = true;
        break;
    case '~':
    case '_':
    case '{':
    case '}':
    case '\\':
        if (InText()) {
            const QChar c = symbol == '~'   ? QChar(0x00A0)
                            : symbol == '_' ? QChar(0x2011)
                                            : QChar(uchar(symbol));
            Add(c, TDRtfCharKind::Control, start, i);
        }
        break;
    default: // \- (optional hyphen), \: and \| hold no text
        break;
    }
}

void TDRtfReader::OpenGroup() {
    fFallbackLeft = 0;
    if (fGroups.empty())
        fGroups.push_back(Group{});
    else
        fGroups.push_back(fGroups.back());
    fGroups.back().Starred = false;
}

void TDRtfReader::CloseGroup() {
    fFallbackLeft = 0;
    const Destination closed = fGroups.back().Dest;
    fGroups.pop_back();
    if (closed == Destination::Side && (fGroups.empty() || fGroups.back().Dest != Destination::Side) &&
        !fSide.Text.isEmpty())
        EndSideParagraph();
    if (fGroups.empty()) {
        if (!fBody.Text.isEmpty())
            EndBodyParagraph();
        for (Paragraph& p : fPending) {
            fLines.append(std::move(p.Text));
            fSpans.push_back(std::move(p.Spans));
        }
        fPending.clear();
    }
}

void TDRtfReader::CheckTail(qsizetype from) const {
    for (qsizetype k = from; k < fSource.size(); ++k) {
        const char c = fSource[k];
        if (c == '{' || c == '}' || c == '\\')
            throw Broken(QStringLiteral("после скобки «}», закрывающей документ, ещё идёт разметка: "
                                        "похоже, в нём лишняя «}»"),
                         from - 1);
    }
}

bool TDRtfReader::InText() const {
    const Group& group = fGroups.back();
    return (group.Dest == Destination::Body || group.Dest == Destination::Side) && !group.Starred;
}

void TDRtfReader::SetDestination(Destination dest) {
    Group& group = fGroups.back();
    if (group.Dest == Destination::Skipped)
        return;
    if (dest == Destination::Side && group.Dest == Destination::Fonts)
        dest = Destination::Skipped;
    group.Dest = dest;
}

bool TDRtfReader::Absorb(qsizetype end) {
    if (fFallbackLeft <= 0)
        return false;
    --fFallbackLeft;
    if (fFallbackParagraph) {
        TDRtfSpan& span = fFallbackParagraph->Spans.back();
        span.Length = end - span.Start;
    }
    return true;
}

void TDRtfReader::Add(QChar c, TDRtfCharKind kind, qsizetype start, qsizetype end) {
    const Group& group = fGroups.back();
    Paragraph& p = group.Dest == Destination::Side ? fSide : fBody;
    p.Text.append(c);
    p.Spans.push_back(TDRtfSpan{start, end - start, CurrentCodePage(), group.SkipCount, kind});
}

void TDRtfReader::EndParagraph(bool evenEmpty) {
    if (fGroups.back().Dest == Destination::Side) {
        if (evenEmpty || !fSide.Text.isEmpty())
            EndSideParagraph();
    } else if (evenEmpty || !fBody.Text.isEmpty()) {
        EndBodyParagraph();
    }
}

void TDRtfReader::EndBodyParagraph() {
    fLines.append(std::move(fBody.Text));
    fSpans.push_back(std::move(fBody.Spans));
    fBody = Paragraph{};
    for (Paragraph& p : fPending) {
        fLines.append(std::move(p.Text));
        fSpans.push_back(std::move(p.Spans));
    }
    fPending.clear();
}

void TDRtfReader::EndSideParagraph() {
    if (fBody.Text.isEmpty()) {
        fLines.append(std::move(fSide.Text));
        fSpans.push_back(std::move(fSide.Spans));
    } else {
        fPending.push_back(std::move(fSide));
    }
    fSide = Paragraph{};
}

quint16 TDRtfReader::CurrentCodePage() {
    const Group& group = fGroups.back();
    const int font = group.Font >= 0 ? group.Font : fDefaultFont;
    if (font == fCachedFont)
        return fCachedCodePage;
    int number = fDocumentCodePage;
    const auto it = fFonts.find(font);
    if (it != fFonts.end()) {
        if (it->second.CodePage > 0)
            number = it->second.CodePage;
        else if (it->second.CharsetCodePage > 0)
            number = it->second.CharsetCodePage;
    }
    if (!TDRtfCodePage::IsKnown(number))
        number = 1252;
    const auto known = std::find_if(fCodePages.begin(), fCodePages.end(),
                                    [number](const TDRtfCodePage& page) { return page.Number() == number; });
    quint16 index;
    if (known != fCodePages.end()) {
        index = quint16(known - fCodePages.begin());
    } else {
        fCodePages.emplace_back(number);
        index = quint16(fCodePages.size() - 1);
    }
    fCachedFont = font;
    fCachedCodePage = index;
    return index;
}
