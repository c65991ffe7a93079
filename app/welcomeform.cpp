#include "welcomeform.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TWelcomeForm::TWelcomeForm(bool wordRuns, bool inDesignRuns, bool inCopyRuns, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Начнём ... "));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    auto* grp_Servers = new QGroupBox(this);
    grp_Servers->setObjectName(QStringLiteral("grp_Servers"));
    auto* v = new QVBoxLayout(grp_Servers);
    auto radio = [&](const QString& caption, const char* name, TDOleServer tag) {
        auto* r = new QRadioButton(caption, grp_Servers);
        r->setObjectName(QString::fromLatin1(name));
        r->setProperty("tag", int(tag));
        connect(r, &QRadioButton::clicked, this, [this, tag] { fOleServer = tag; });
        v->addWidget(r);
        return r;
    };
    rdb_AServerWord = radio(QStringLiteral("MS &Word"), "rdb_AServerWord", osWord);
    rdb_AServerInDesign = radio(QStringLiteral("Adobe InDesign"), "rdb_AServerInDesign", osInDesign);
    rdb_AServerInCopy = radio(QStringLiteral("Adobe InCopy"), "rdb_AServerInCopy", osInCopy);
    rdb_DontConnect = radio(QStringLiteral("*.fb2,  *.rtf,  *.txt\n..."), "rdb_DontConnect", osNone);
    rdb_DontConnect->setChecked(true);
    rdb_AServerWord->setEnabled(wordRuns);
    rdb_AServerInDesign->setEnabled(inDesignRuns);
    rdb_AServerInCopy->setEnabled(inCopyRuns);
    btn_Continue = new QPushButton(QStringLiteral("Продолжим"), this);
    btn_Continue->setObjectName(QStringLiteral("btn_Continue"));
    btn_Continue->setDefault(true);
    btn_Continue->setAutoDefault(true);
    connect(btn_Continue, &QPushButton::clicked, this, [this] {
        fContinueApp = true;
        accept();
    });
    layout->addWidget(grp_Servers);
    layout->addWidget(btn_Continue, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetOleServer(DefaultSelection(wordRuns, inDesignRuns, inCopyRuns));
}

void TWelcomeForm::SetOleServer(TDOleServer value) {
    fOleServer = value;
    switch (value) {
    case osWord:
        rdb_AServerWord->setChecked(true);
        break;
    case osInDesign:
        rdb_AServerInDesign->setChecked(true);
        break;
    case osInCopy:
        rdb_AServerInCopy->setChecked(true);
        break;
    case osNone:
        rdb_DontConnect->setChecked(true);
        break;
    }
}

TDOleServer TWelcomeForm::DefaultSelection(bool wordRuns, bool inDesignRuns, bool inCopyRuns) {
    if (inDesignRuns && !wordRuns && !inCopyRuns)
        return osInDesign;
    if (wordRuns && !inDesignRuns && !inCopyRuns)
        return osWord;
    if (inCopyRuns && !inDesignRuns && !wordRuns)
        return osInCopy;
    return osNone;
}
