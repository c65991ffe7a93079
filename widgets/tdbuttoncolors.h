#pragma once

#include <QColor>
#include <QObject>

// The nineteen colours of a custom button: the backgrounds shown outside its rounded corners, a frame,
// a gradient pair and a solid fill per state, and a caption colour per state. Colours are kept fully
// opaque: a colour given with transparency is stored with its alpha set to 255.
class TDButtonColors : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor cnBkLeftTop READ cnBkLeftTop WRITE SetCnBkLeftTop NOTIFY Changed)
    Q_PROPERTY(QColor cnBkRightTop READ cnBkRightTop WRITE SetCnBkRightTop NOTIFY Changed)
    Q_PROPERTY(QColor cnBkRightBottom READ cnBkRightBottom WRITE SetCnBkRightBottom NOTIFY Changed)
    Q_PROPERTY(QColor cnBkLeftBottom READ cnBkLeftBottom WRITE SetCnBkLeftBottom NOTIFY Changed)
    Q_PROPERTY(QColor FrameNormal READ FrameNormal WRITE SetFrameNormal NOTIFY Changed)
    Q_PROPERTY(QColor FrameHighlight READ FrameHighlight WRITE SetFrameHighlight NOTIFY Changed)
    Q_PROPERTY(QColor FramePushed READ FramePushed WRITE SetFramePushed NOTIFY Changed)
    Q_PROPERTY(QColor GradientHighlightStart READ GradientHighlightStart WRITE SetGradientHighlightStart
                   NOTIFY Changed)
    Q_PROPERTY(QColor GradientHighlightFinish READ GradientHighlightFinish WRITE SetGradientHighlightFinish
                   NOTIFY Changed)
    Q_PROPERTY(
        QColor GradientNormalStart READ GradientNormalStart WRITE SetGradientNormalStart NOTIFY Changed)
    Q_PROPERTY(
        QColor GradientNormalFinish READ GradientNormalFinish WRITE SetGradientNormalFinish NOTIFY Changed)
    Q_PROPERTY(
        QColor GradientPushedStart READ GradientPushedStart WRITE SetGradientPushedStart NOTIFY Changed)
    Q_PROPERTY(
        QColor GradientPushedFinish READ GradientPushedFinish WRITE SetGradientPushedFinish NOTIFY Changed)
    Q_PROPERTY(QColor Normal READ Normal WRITE SetNormal NOTIFY Changed)
    Q_PROPERTY(QColor Highlight READ Highlight WRITE SetHighlight NOTIFY Changed)
    Q_PROPERTY(QColor Pushed READ Pushed WRITE SetPushed NOTIFY Changed)
    Q_PROPERTY(QColor TextNormal READ TextNormal WRITE SetTextNormal NOTIFY Changed)
    Q_PROPERTY(QColor TextHighlight READ TextHighlight WRITE SetTextHighlight NOTIFY Changed)
    Q_PROPERTY(QColor TextPushed READ TextPushed WRITE SetTextPushed NOTIFY Changed)

public:
    explicit TDButtonColors(QObject* parent = nullptr);

    // Copies all nineteen colours of other and emits Changed once.
    void Assign(const TDButtonColors& other);

    // Backgrounds drawn outside the rounded outline, one per corner.
    QColor cnBkLeftTop() const { return fcnBkLeftTop; }
    void SetCnBkLeftTop(const QColor& color) { Store(fcnBkLeftTop, color); }
    QColor cnBkRightTop() const { return fcnBkRightTop; }
    void SetCnBkRightTop(const QColor& color) { Store(fcnBkRightTop, color); }
    QColor cnBkRightBottom() const { return fcnBkRightBottom; }
    void SetCnBkRightBottom(const QColor& color) { Store(fcnBkRightBottom, color); }
    QColor cnBkLeftBottom() const { return fcnBkLeftBottom; }
    void SetCnBkLeftBottom(const QColor& color) { Store(fcnBkLeftBottom, color); }

    // Frame colour in the normal, highlighted (mouse over) and pushed states.
    QColor FrameNormal() const { return fFrameNormal; }
    void SetFrameNormal(const QColor& color) { Store(fFrameNormal, color); }
    QColor FrameHighlight() const { return fFrameHighlight; }
    void SetFrameHighlight(const QColor& color) { Store(fFrameHighlight, color); }
    QColor FramePushed() const { return fFramePushed; }
    void SetFramePushed(const QColor& color) { Store(fFramePushed, color); }

    // Top (start) and bottom (finish) colours of the gradient fill of each state.
    QColor GradientHighlightStart() const { return fGrHLightStart; }
    void SetGradientHighlightStart(const QColor& color) { Store(fGrHLightStart, color); }
    QColor GradientHighlightFinish() const { return fGrHLightFinish; }
    void SetGradientHighlightFinish(const QColor& color) { Store(fGrHLightFinish, color); }
    QColor GradientNormalStart() const { return fGrNormalStart; }
    void SetGradientNormalStart(const QColor& color) { Store(fGrNormalStart, color); }
    QColor GradientNormalFinish() const { return fGrNormalFinish; }
    void SetGradientNormalFinish(const QColor& color) { Store(fGrNormalFinish, color); }
    QColor GradientPushedStart() const { return fGrPushedStart; }
    void SetGradientPushedStart(const QColor& color) { Store(fGrPushedStart, color); }
    QColor GradientPushedFinish() const { return fGrPushedFinish; }
    void SetGradientPushedFinish(const QColor& color) { Store(fGrPushedFinish, color); }

    // Solid fill of each state, used when that state has no gradient.
    QColor Normal() const { return fNormal; }
    void SetNormal(const QColor& color) { Store(fNormal, color); }
    QColor Highlight() const { return fHighlight; }
    void SetHighlight(const QColor& color) { Store(fHighlight, color); }
    QColor Pushed() const { return fPushed; }
    void SetPushed(const QColor& color) { Store(fPushed, color); }

    // Caption and number colour of each state.
    QColor TextNormal() const { return fTextNormal; }
    void SetTextNormal(const QColor& color) { Store(fTextNormal, color); }
    QColor TextHighlight() const { return fTextHighlight; }
    void SetTextHighlight(const QColor& color) { Store(fTextHighlight, color); }
    QColor TextPushed() const { return fTextPushed; }
    void SetTextPushed(const QColor& color) { Store(fTextPushed, color); }

Q_SIGNALS:
    // Some colour has changed.
    void Changed();

private:
    // Stores an opaque copy of color in field; emits Changed when the value differs.
    void Store(QColor& field, const QColor& color);

    QColor fcnBkLeftTop{0xE9, 0xEB, 0xED};
    QColor fcnBkRightTop{0xE9, 0xEB, 0xED};
    QColor fcnBkRightBottom{0xE9, 0xEB, 0xED};
    QColor fcnBkLeftBottom{0xE9, 0xEB, 0xED};
    QColor fFrameNormal{0xA0, 0xBE, 0xE6};
    QColor fFrameHighlight{0xC8, 0xB4, 0x82};
    QColor fFramePushed{0xC8, 0x96, 0x32};
    QColor fGrHLightStart{0xFF, 0xF5, 0xCD};
    QColor fGrHLightFinish{0xFF, 0xD7, 0x73};
    QColor fGrNormalStart{0xC8, 0xDC, 0xF0};
    QColor fGrNormalFinish{0xCD, 0xE1, 0xFA};
    QColor fGrPushedStart{0xFF, 0xEB, 0xA0};
    QColor fGrPushedFinish{0xE6, 0x96, 0x28};
    QColor fNormal{0xC0, 0xC0, 0xC0};
    QColor fHighlight{0xFF, 0xF5, 0xCD};
    QColor fPushed{0xC0, 0xC0, 0xC0};
    QColor fTextNormal{0x00, 0x00, 0x00};
    QColor fTextHighlight{0x00, 0x00, 0x00};
    QColor fTextPushed{0x00, 0x00, 0x00};
};
