#pragma once

#include "../core/testfiles.h"
#include "dictionaryset.h"
#include "mainform.h"

#include <QMessageBox>

#include <memory>

namespace tarvtest {

// A main window over the fixture dictionaries with its own settings file; message boxes answer at once.
struct Window {
    explicit Window(const TestFolder& dir, TDOleServer server = osNone,
                    const QString& user = QStringLiteral("user")) {
        GlobalDictionaries().Clear();
        TMainForm::Environment env;
        env.OleServer = server;
        env.SettingsFileName = dir.Path(QStringLiteral("tarv.ini"));
        env.DictionaryFolder = QStringLiteral(TARV_SOURCE_DIR "/tests/data/dicts");
        env.UserName = user;
        form = std::make_unique<TMainForm>(env);
        form->SetMessageBoxAnswer(QMessageBox::Ok);
    }
    TMainForm* operator->() { return form.get(); }
    template <class T> T* Find(const char* name) { return form->findChild<T*>(QString::fromLatin1(name)); }
    std::unique_ptr<TMainForm> form;
};

inline const QString kText = QStringLiteral("Мне все равно, он пришел.\nЕще раз: все мы тут, и все.\nКот.");

} // namespace tarvtest

using tarvtest::kText;
using tarvtest::Window;
