#pragma once

#include "contextregs.h"
#include "dictionary.h"
#include "dualsdictionary.h"
#include "morphologybases.h"
#include "userdictionary.h"

#include <QString>
#include <functional>

// The file names of the standard dictionaries.
extern const char* const kUnambiguousFileName; // "словарь_однозначные.txt"
extern const char* const kAmbiguousFileName;   // "словарь_неоднозначные.txt"
extern const char* const kMorphologyFileName;  // "словарь_морфология.txt"
extern const char* const kRulesFileName;       // "словарь_уточнения.txt"

// The four dictionaries the classification reads: unambiguous words, ambiguous words, morphology
// bases and context rules. They are filled once by LoadDictionaries and then only read.
class TDDictionarySet {
public:
    TDDictionary Dictionary;
    TDDualsDictionary Duals;
    TDMorphologyBases Morphology;
    TDContextRegs ContextRegs;

    // Loads the standard files from folder, then the user dictionaries in list order (unticked ones
    // are skipped when skipUnused is set). The missing unambiguous dictionary is reported through
    // onMissing with the text to show. A bad rule file ends the sequence with a TDError, and the set
    // stays unloaded. Does nothing once the set is loaded.
    void LoadDictionaries(const QString& folder, const TDUserDictionaries& userDictionaries,
                          const std::function<void(const QString& message)>& onMissing,
                          bool skipUnused = true);
    // The load sequence has completed.
    bool Loaded() const { return fLoaded; }
    // Empties every dictionary and clears the loaded mark.
    void Clear();

private:
    bool fLoaded = false;
};

// The process-wide dictionaries.
TDDictionarySet& GlobalDictionaries();

// The folder of the standard dictionaries for programs in exeDir: exeDir itself when the unambiguous
// dictionary is there, else its subfolder "Словари", else an installed copy's share folder when it
// has one; the subfolder when none has the file.
QString DictionaryFolder(const QString& exeDir);
