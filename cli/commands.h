#pragma once

#include <QStringList>

// The commands of tarv-cli. Each takes the arguments after its name and returns the exit code:
// 0 nothing found or all well, 1 found / changed, 2 an error. Errors are thrown as TDError.

// check FILE: list the occurrences.
int RunCheck(const QStringList& args);
// apply FILE: decide automatically, replace, save a new file.
int RunApply(const QStringList& args);
// eval TRUTH: measure restoration against a text that writes «ё» correctly.
int RunEval(const QStringList& args);
