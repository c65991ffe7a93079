#pragma once

#include <QString>
#include <stdexcept>

// The one exception type of the system: a failure whose text is shown to the user as it stands.
class TDError : public std::runtime_error {
public:
    explicit TDError(const QString& message) : std::runtime_error(message.toStdString()), fMessage(message) {}

    // The user-facing text of the failure.
    const QString& Message() const { return fMessage; }

private:
    QString fMessage;
};
