#include "dictionaryset.h"

#include <QDir>
#include <QFileInfo>

const char* const kUnambiguousFileName = "словарь_однозначные.txt";
const char* const kAmbiguousFileName = "словарь_неоднозначные.txt";
const char* const kMorphologyFileName = "словарь_морфология.txt";
const char* const kRulesFileName = "словарь_уточнения.txt";

void TDDictionarySet::LoadDictionaries(const QString& folder, const TDUserDictionaries& userDictionaries,
                                       const std::function<void(const QString&)>& onMissing,
                                       bool skipUnused) {
    if (fLoaded)
        return;
    const QDir dir(folder);
    auto path = [&](const char* name) {
        return dir.filePath(QString::fromUtf8(name));
    };

    Morphology.LoadFromFile(path(kMorphologyFileName));
    const QString unambiguous = path(kUnambiguousFileName);
    if (!Dictionary.LoadFromFile(unambiguous) && onMissing)
        onMissing(QStringLiteral("Не удаётся найти файл  ") + QDir::toNativeSeparators(unambiguous));
    Duals.LoadFromFile(path(kAmbiguousFileName), false);
    ContextRegs.LoadFromFile(path(kRulesFileName), false);

    for (const TDUserDictionary& user : userDictionaries) {
        if (skipUnused && !user.Use)
            continue;
        switch (user.DictionaryKind) {
        case TDUserDictionary::kindUnambiguous:
            Dictionary.AppendFromFile(user.FullName);
            break;
        case TDUserDictionary::kindAmbiguous:
            Duals.LoadFromFile(user.FullName, true);
            break;
        case TDUserDictionary::kindContextRules:
            ContextRegs.LoadFromFile(user.FullName, true);
            break;
        default:
            break;
        }
    }
    // Word forms repeat across the files (and bases across forms): one copy of each is enough.
    QSet<QString> pool;
    Morphology.Intern(pool);
    Dictionary.Intern(pool);
    Duals.Intern(pool);
    fLoaded = true;
}

void TDDictionarySet::Clear() {
    Dictionary.Clear();
    Duals.Clear();
    Morphology.Clear();
    ContextRegs.Clear();
    fLoaded = false;
}

TDDictionarySet& GlobalDictionaries() {
    static TDDictionarySet set;
    return set;
}

QString DictionaryFolder(const QString& exeDir) {
    const QString name = QString::fromUtf8(kUnambiguousFileName);
    const QDir dir(exeDir);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.absolutePath();
    const QString sub = dir.filePath(QStringLiteral("Словари"));
    if (QFileInfo::exists(QDir(sub).filePath(name)))
        return sub;
    const QString installed = dir.filePath(QStringLiteral("../share/tarv/Словари"));
    if (QFileInfo::exists(QDir(installed).filePath(name)))
        return QDir(installed).absolutePath();
    return sub;
}
