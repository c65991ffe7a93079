#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// What a run of tarv-cli gave.
struct CliResult {
    int code;       // exit code, -1 when it crashed
    QByteArray raw; // standard output as bytes
    QString out;    // standard output as UTF-8 text
    QString err;    // standard error
};

// Runs tarv-cli with args, feeding input to its standard input.
inline CliResult RunCli(const QStringList& args, const QByteArray& input = QByteArray()) {
    QProcess p;
    p.start(QStringLiteral(TARV_CLI), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    const QByteArray raw = p.readAllStandardOutput();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, raw, QString::fromUtf8(raw),
            QString::fromUtf8(p.readAllStandardError())};
}
