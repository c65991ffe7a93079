#include "rtfdocument.h"

#include "error.h"

// Placeholder until the RTF reader lands.
void TDRtfDocument::Load(const QByteArray&) { throw TDError(QStringLiteral("RTF is not supported yet")); }
void TDRtfDocument::LoadFromFile(const QString&) { throw TDError(QStringLiteral("RTF is not supported yet")); }
void TDRtfDocument::SetChar(int, qsizetype, QChar) { throw TDError(QStringLiteral("RTF is not supported yet")); }
int TDRtfDocument::ApplyDashRule() { return 0; }
QByteArray TDRtfDocument::ToBytes() const { return fSource; }
