#include "commands.h"

#include "error.h"

int RunEval(const QStringList&) {
    throw TDError(QStringLiteral("Команда eval ещё не готова"));
}
