#pragma once

#include <QWidget>

class QTextEdit;
class TDContextEntry;
class TDContextRegs;

// The rule window "RegEx": which context rules rated the focused occurrence, with the rating each
// gives and its pattern.
class Tfrm_RegExInfo : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_RegExInfo(QWidget* parent = nullptr);

    // Shows the rules that decided about entry (empty for an unambiguous word or one no rule decided).
    void ShowEntry(const TDContextEntry* entry, const TDContextRegs& rules);
    // Empties the three columns.
    void Clear();
    // A pattern as shown: without its leading and trailing word guards.
    static QString ShownPattern(QString pattern);

    QTextEdit* edt_RegN = nullptr;        // rule numbers
    QTextEdit* edt_RegReplaces = nullptr; // rating images
    QTextEdit* edt_RegRule = nullptr;     // patterns
};
