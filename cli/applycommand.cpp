#include "commands.h"

#include "error.h"

int RunApply(const QStringList&) {
    throw TDError(QStringLiteral("Команда apply ещё не готова"));
}
