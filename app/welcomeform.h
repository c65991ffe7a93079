#pragma once

#include "types.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The start-up dialog "Начнём ... ": the choice of the document source.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    // Which hosts run: their buttons are enabled only then.
    TWelcomeForm(bool wordRuns, bool inDesignRuns, bool inCopyRuns, QWidget* parent = nullptr);

    // The selection.
    TDOleServer OleServer() const { return fOleServer; }
    void SetOleServer(TDOleServer value);
    // True only when the user pressed "Продолжим".
    bool ContinueApp() const { return fContinueApp; }

    // The selection the dialog offers first: the one host that runs alone, else files.
    static TDOleServer DefaultSelection(bool wordRuns, bool inDesignRuns, bool inCopyRuns);

    QRadioButton* rdb_AServerWord = nullptr;
    QRadioButton* rdb_AServerInDesign = nullptr;
    QRadioButton* rdb_AServerInCopy = nullptr;
    QRadioButton* rdb_DontConnect = nullptr;
    QPushButton* btn_Continue = nullptr;

private:
    TDOleServer fOleServer = osNone;
    bool fContinueApp = false;
};
