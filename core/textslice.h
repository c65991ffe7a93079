#pragma once

#include <QString>
#include <QStringView>

// A stretch of a shared string: the contexts of all occurrences in one line refer to that line
// instead of holding copies of it, so a long paragraph with many candidates costs one copy.
class TDTextSlice {
public:
    TDTextSlice() = default;
    // The whole of text.
    TDTextSlice(const QString& text) : fSource(text), fPos(0), fLen(text.size()) {}
    // Characters [pos, pos + len) of source; the range must lie inside source.
    TDTextSlice(const QString& source, qsizetype pos, qsizetype len)
        : fSource(source), fPos(pos), fLen(len) {}

    // The stretch as a string of its own (shares the source when the stretch is all of it).
    QString ToString() const {
        if (fPos == 0 && fLen == fSource.size())
            return fSource;
        return fSource.mid(fPos, fLen);
    }
    QStringView View() const { return QStringView(fSource).mid(fPos, fLen); }
    qsizetype Size() const { return fLen; }
    bool IsEmpty() const { return fLen == 0; }
    const QString& Source() const { return fSource; }
    qsizetype Pos() const { return fPos; }

private:
    QString fSource;
    qsizetype fPos = 0;
    qsizetype fLen = 0;
};
