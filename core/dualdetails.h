#pragma once

#include <QString>

// The kind column of an ambiguous-word line.
enum TDWordKind { wkUnknown = 0, wkAllowableYo = 1, wkAllowableE = 2 };

// One line of an ambiguous-word file, as read.
struct TDDualDetails {
    QString WordYo;       // the ё-form
    QString WordE;        // its "е"-form
    int ReplaceLevel = 0; // the level column read as an integer, 0 when absent or not an integer
    TDWordKind WordKind = wkUnknown;
};
