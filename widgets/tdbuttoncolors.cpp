#include "tdbuttoncolors.h"

#include <QSignalBlocker>

TDButtonColors::TDButtonColors(QObject* parent) : QObject(parent) {}

void TDButtonColors::Assign(const TDButtonColors& other) {
    if (&other == this)
        return;
    {
        QSignalBlocker blocker(this);
        SetCnBkLeftTop(other.cnBkLeftTop());
        SetCnBkRightTop(other.cnBkRightTop());
        SetCnBkRightBottom(other.cnBkRightBottom());
        SetCnBkLeftBottom(other.cnBkLeftBottom());
        SetFrameNormal(other.FrameNormal());
        SetFrameHighlight(other.FrameHighlight());
        SetFramePushed(other.FramePushed());
        SetGradientHighlightStart(other.GradientHighlightStart());
        SetGradientHighlightFinish(other.GradientHighlightFinish());
        SetGradientNormalStart(other.GradientNormalStart());
        SetGradientNormalFinish(other.GradientNormalFinish());
        SetGradientPushedStart(other.GradientPushedStart());
        SetGradientPushedFinish(other.GradientPushedFinish());
        SetNormal(other.Normal());
        SetHighlight(other.Highlight());
        SetPushed(other.Pushed());
        SetTextNormal(other.TextNormal());
        SetTextHighlight(other.TextHighlight());
        SetTextPushed(other.TextPushed());
    }
    Q_EMIT Changed();
}

void TDButtonColors::Store(QColor& field, const QColor& color) {
    QColor opaque = color.toRgb();
    opaque.setAlpha(255);
    if (field == opaque)
        return;
    field = opaque;
    Q_EMIT Changed();
}
