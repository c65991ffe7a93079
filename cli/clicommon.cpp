#include "clicommon.h"

#include "dictionaryset.h"
#include "document.h"
#include "error.h"
#include "filetypes.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

#include <cstdio>

void PrintErr(const QString& s) {
    const QByteArray b = s.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fputc('\n', stderr);
}

QString DecodePlainText(const QByteArray& bytes) {
    return DecodeUtf8OrWindows1251(bytes);
}

QByteArray ReadInput(const QString& name) {
    QFile f;
    if (name == QLatin1String("-")) {
        if (!f.open(stdin, QIODevice::ReadOnly))
            throw TDError(QStringLiteral("Не удаётся прочитать стандартный ввод"));
    } else {
        f.setFileName(name);
        if (!QFileInfo(name).isFile())
            throw TDError(QStringLiteral("Файл не найден: %1").arg(name));
        if (!f.open(QIODevice::ReadOnly))
            throw TDError(QStringLiteral("Не удаётся прочитать файл %1: %2").arg(name, f.errorString()));
    }
    return f.readAll();
}

void PrintOut(const QString& s) {
    const QByteArray b = s.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

void LoadDictionariesFrom(QString folder) {
    if (folder.isEmpty())
        folder = DictionaryFolder(QCoreApplication::applicationDirPath());
    GlobalDictionaries().LoadDictionaries(folder, {}, [](const QString& message) { PrintErr(message); });
}

void LoadDocument(const QString& name, TDDocument& document) {
    if (name == QLatin1String("-")) {
        document.LoadBytes(ReadInput(name), ftTXT, QStringLiteral("стандартный ввод"));
    } else {
        const TDFileType type = FileTypeOfName(name);
        document.FileOpenAs(name, type == ftNone ? ftTXT : type);
    }
    if (!document.Note().isEmpty())
        PrintErr(QStringLiteral("tarv-cli: ") + document.Note());
}
