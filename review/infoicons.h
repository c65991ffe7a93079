#pragma once

#include <QIcon>
#include <QPixmap>

// The small pictures of the review window, drawn in code.
namespace InfoIcons {

// The info image list: 0 "yes, almost certainly", 1 "yes, most likely", 2 "no, most likely",
// 3 "no, almost certainly", 4 "unknown", 5 state of an unambiguous word, 6 state of an ambiguous word,
// 11 an unambiguous occurrence. Other indexes give an empty pixmap.
QPixmap Info(int index);

// The info index of a replace level for an ambiguous word (-1 when there is none).
int LevelIndex(int level);

// The picture of an occurrence row: the state icon, then the rating icon.
QPixmap RowIcon(int level, bool unique);

// The rule-count switch: one rule ("RULE_ONE") or all rules ("RULE_ALL") for «всё».
QIcon RuleCount(bool allRules);

// The previous-line switch of the details pane: on ("SHOWPREVA") or off ("SHOWPREVD").
QIcon ShowPrevious(bool on);

} // namespace InfoIcons
