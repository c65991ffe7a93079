#include "tdbuttonpainter.h"

#include "tdbuttoncolors.h"

TDButtonPainter::TDButtonPainter(QObject* parent) : QObject(parent), fColors(new TDButtonColors(this)) {
    connect(fColors, &TDButtonColors::Changed, this, &TDButtonPainter::Changed);
}

void TDButtonPainter::SetColors(const TDButtonColors& colors) {
    fColors->Assign(colors);
}

void TDButtonPainter::SetEnabled(bool enabled) {
    if (fEnabled == enabled)
        return;
    fEnabled = enabled;
    Q_EMIT Changed();
}
