#include "settingsfile.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace {

constexpr int kMaxValueLength = 2047;
constexpr int kMaxRecentDocuments = 10;
const char* const kUserDictionaries = "UserDictionaries";

std::string Utf8(const QString& s) {
    return s.toStdString();
}

QString GetString(const CSimpleIniA& ini, const char* section, const char* key,
                  const QString& def = QString()) {
    const char* v = ini.GetValue(section, key, nullptr);
    if (!v)
        return def;
    return QString::fromUtf8(v).left(kMaxValueLength);
}

int GetInt(const CSimpleIniA& ini, const char* section, const char* key, int def) {
    const char* v = ini.GetValue(section, key, nullptr);
    if (!v)
        return def;
    bool ok = false;
    const int n = QString::fromUtf8(v).trimmed().toInt(&ok);
    return ok ? n : def;
}

bool GetBool(const CSimpleIniA& ini, const char* section, const char* key, bool def) {
    return GetInt(ini, section, key, def ? 1 : 0) != 0;
}

void SetString(CSimpleIniA& ini, const char* section, const char* key, const QString& value) {
    ini.SetValue(section, key, Utf8(value).c_str());
}

void SetInt(CSimpleIniA& ini, const char* section, const char* key, int value) {
    ini.SetValue(section, key, std::to_string(value).c_str());
}

// Sections whose names begin with "UserDictionaries" (any letter case), in file order.
std::list<CSimpleIniA::Entry> UserDictionarySections(const CSimpleIniA& ini) {
    CSimpleIniA::TNamesDepend all;
    ini.GetAllSections(all);
    all.sort(CSimpleIniA::Entry::LoadOrder());
    std::list<CSimpleIniA::Entry> out;
    for (const CSimpleIniA::Entry& e : all) {
        if (QString::fromUtf8(e.pItem).startsWith(QLatin1String(kUserDictionaries), Qt::CaseInsensitive))
            out.push_back(e);
    }
    return out;
}

void LoadInto(CSimpleIniA& ini, const QString& fileName) {
    QFile f(fileName);
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly))
        throw TDError(
            QStringLiteral("Не удаётся прочитать файл настроек %1: %2").arg(fileName, f.errorString()));
    const QByteArray data = f.readAll();
    if (ini.LoadData(data.constData(), size_t(data.size())) < 0)
        throw TDError(QStringLiteral("Не удаётся разобрать файл настроек %1").arg(fileName));
}

QStringList ReadMru4(const CSimpleIniA& ini, const char* section) {
    QStringList out;
    for (int k = 1; k <= 4; ++k) {
        const QString v = GetString(ini, section, ("MRU" + std::to_string(k)).c_str());
        if (!v.isEmpty())
            out.append(v);
    }
    return out;
}

void WriteMru4(CSimpleIniA& ini, const char* section, const QStringList& names) {
    for (int k = 1; k <= 4; ++k) {
        const std::string key = "MRU" + std::to_string(k);
        if (names.size() >= k)
            SetString(ini, section, key.c_str(), names[k - 1]);
        else
            ini.Delete(section, key.c_str());
    }
}

} // namespace

TDSettings TDSettingsFile::Read(bool fileMode) const {
    CSimpleIniA ini(false, false, false);
    LoadInto(ini, fFileName);
    TDSettings s;

    for (const CSimpleIniA::Entry& section : UserDictionarySections(ini)) {
        TDUserDictionary d;
        d.FullName = GetString(ini, section.pItem, "filename");
        d.DictionaryKind = quint8(GetInt(ini, section.pItem, "kind", 1));
        d.Use = GetBool(ini, section.pItem, "use", false);
        d.FileIsMissing = !QFileInfo(d.FullName).isFile();
        s.UserDictionaries.append(d);
    }

    if (fileMode) {
        const int n = qMax(0, ini.GetSectionSize("OpenedFiles"));
        for (int i = 0; i < n && s.OpenedFiles.size() < kMaxRecentDocuments; ++i) {
            const std::string key = std::string("file_") + char('a' + (i % 26));
            const QString name = GetString(ini, "OpenedFiles", key.c_str());
            if (!name.isEmpty() && !s.OpenedFiles.contains(name))
                s.OpenedFiles.append(name);
        }
    }

    s.MainFormLeft = GetInt(ini, "Size and Position", "MainFormLeft", -1);
    s.MainFormTop = GetInt(ini, "Size and Position", "MainFormTop", -1);
    s.MainFormWidth = GetInt(ini, "Size and Position", "MainFormWidth", -1);
    s.MainFormHeight = GetInt(ini, "Size and Position", "MainFormHeight", -1);
    s.LastOpenedWTRFolder = GetString(ini, "MRU", "LastOpenedWTRFolder");
    s.OpenedWTRFiles = ReadMru4(ini, "OpenedWTRFiles");
    s.OpenedWordDocuments = ReadMru4(ini, "OpenedWordDocuments");
    s.SearchWordsWithYo = GetBool(ini, "SeachOptions", "SearchWordsWithYo", true);
    s.SearchWordsWithRHyphen = GetBool(ini, "SeachOptions", "SearchWordsWithRHyphen", false);
    s.DoSearchAfterOpen = GetBool(ini, "Main", "DoSearchAfterOpen", false);
    return s;
}

void TDSettingsFile::Write(const TDSettings& s, bool fileMode) const {
    CSimpleIniA ini(false, false, false);
    LoadInto(ini, fFileName);

    WriteMru4(ini, "OpenedWordDocuments", s.OpenedWordDocuments);
    WriteMru4(ini, "OpenedWTRFiles", s.OpenedWTRFiles);
    SetInt(ini, "Size and Position", "MainFormLeft", s.MainFormLeft);
    SetInt(ini, "Size and Position", "MainFormTop", s.MainFormTop);
    SetInt(ini, "Size and Position", "MainFormWidth", s.MainFormWidth);
    SetInt(ini, "Size and Position", "MainFormHeight", s.MainFormHeight);
    SetString(ini, "MRU", "LastOpenedWTRFolder", s.LastOpenedWTRFolder);
    SetInt(ini, "Main", "DoSearchAfterOpen", s.DoSearchAfterOpen ? 1 : 0);
    SetInt(ini, "SeachOptions", "SearchWordsWithYo", s.SearchWordsWithYo ? 1 : 0);
    SetInt(ini, "SeachOptions", "SearchWordsWithRHyphen", s.SearchWordsWithRHyphen ? 1 : 0);

    // Section names are copied first: deleting a section frees its name.
    std::list<std::string> old;
    for (const CSimpleIniA::Entry& e : UserDictionarySections(ini))
        old.emplace_back(e.pItem);
    for (const std::string& name : old)
        ini.Delete(name.c_str(), nullptr);
    for (int i = 0; i < s.UserDictionaries.size(); ++i) {
        const std::string section = std::string(kUserDictionaries) + "\\" + std::to_string(i);
        const TDUserDictionary& d = s.UserDictionaries[i];
        SetString(ini, section.c_str(), "filename", d.FullName);
        SetInt(ini, section.c_str(), "kind", d.DictionaryKind);
        SetInt(ini, section.c_str(), "use", d.Use ? 1 : 0);
    }

    if (fileMode) {
        for (int i = 0; i < s.OpenedFiles.size() && i < kMaxRecentDocuments; ++i) {
            const std::string key = std::string("file_") + char('a' + i);
            SetString(ini, "OpenedFiles", key.c_str(), s.OpenedFiles[i]);
        }
    }

    std::string data;
    if (ini.Save(data) < 0)
        throw TDError(QStringLiteral("Не удаётся записать файл настроек %1").arg(fFileName));
    QSaveFile out(fFileName);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(data.data(), qint64(data.size())) != qint64(data.size()) || !out.commit()) {
        throw TDError(
            QStringLiteral("Не удаётся записать файл настроек %1: %2").arg(fFileName, out.errorString()));
    }
}

QString TDSettingsFile::DefaultFileName(const QString& executablePath) {
    const QFileInfo exe(executablePath);
    const QString beside = exe.absoluteDir().filePath(exe.completeBaseName() + QStringLiteral(".ini"));
    const QFileInfo dir(exe.absolutePath());
    if (dir.isWritable() && (!QFileInfo::exists(beside) || QFileInfo(beside).isWritable()))
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(exe.completeBaseName() + QStringLiteral(".ini"));
}

QRect TDSettingsFile::MainFormGeometry(const TDSettings& s, const QSize& screen, const QSize& current) {
    int width = s.MainFormWidth;
    int height = s.MainFormHeight;
    if (width == -1 || height == -1) {
        width = 484;
        height = 444;
    }
    int left = s.MainFormLeft;
    int top = s.MainFormTop;
    if (left == -1 || top == -1) {
        left = (screen.width() - current.width()) / 2;
        top = (screen.height() - current.height()) / 2;
    }
    return QRect(left, top, width, height);
}
