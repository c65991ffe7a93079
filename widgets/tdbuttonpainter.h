#pragma once

#include <QObject>

class TDButtonColors;

// A colour set that several buttons share. A button with a painter assigned draws with the painter's
// colours while the painter is enabled, and with its own colours otherwise.
class TDButtonPainter : public QObject {
    Q_OBJECT
    Q_PROPERTY(TDButtonColors* Colors READ Colors CONSTANT)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY Changed)

public:
    explicit TDButtonPainter(QObject* parent = nullptr);

    // The shared colours; owned by the painter. Changing one of them emits Changed.
    TDButtonColors* Colors() const { return fColors; }
    // Copies the colours of colors into the painter's own.
    void SetColors(const TDButtonColors& colors);

    // Whether the buttons that use this painter take its colours (true when created).
    bool Enabled() const { return fEnabled; }
    void SetEnabled(bool enabled);

Q_SIGNALS:
    // The colours or Enabled have changed; the buttons that use the painter repaint.
    void Changed();

private:
    TDButtonColors* fColors;
    bool fEnabled = true;
};
