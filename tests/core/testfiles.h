#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>

// Writes test fixtures into a temporary folder that disappears with the object.
class TestFolder {
public:
    QString Path(const QString& name) const { return QDir(fDir.path()).filePath(name); }
    QString Dir() const { return fDir.path(); }

    // Writes raw bytes.
    QString WriteBytes(const QString& name, const QByteArray& bytes) const {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    // Writes text as UTF-8 with a byte-order mark.
    QString WriteUtf8(const QString& name, const QString& text) const {
        return WriteBytes(name, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    }
    // Writes text as windows-1251 without a byte-order mark.
    QString Write1251(const QString& name, const QString& text) const {
        QStringEncoder enc("windows-1251");
        return WriteBytes(name, enc.encode(text));
    }

private:
    QTemporaryDir fDir;
};
