#pragma once

#include <QColor>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class TDButtonColors;
class TDButtonPainter;

// A button that draws itself: a fill and a frame per state (normal, highlighted under the mouse,
// pushed), each fill solid or a vertical two-colour gradient, rounded corners and frame sides chosen
// one by one, a caption with alignment and indents, a picture or a number at the left, and an optional
// drop-down menu that opens beside the button with a small mark drawn in it.
//
// The widget never erases its background: what lies outside the fill (the rounded corners of a button
// without corner backgrounds, or the whole inside of a transparent normal button) shows the parent.
// The accessors are protected here; TDButton publishes them as properties.
class TDButtonCustom : public QWidget {
    Q_OBJECT

public:
    // Corners that are rounded.
    enum Corner { cnLeftTop = 1, cnRightTop = 2, cnRightBottom = 4, cnLeftBottom = 8 };
    Q_DECLARE_FLAGS(CornerSet, Corner)
    Q_FLAG(CornerSet)

    // Whether a frame is drawn at all (bbVisible), and which of its sides.
    enum BorderSide { bbVisible = 1, bbTop = 2, bbBottom = 4, bbLeft = 8, bbRight = 16 };
    Q_DECLARE_FLAGS(BorderSet, BorderSide)
    Q_FLAG(BorderSet)

    // Which fills are gradients, and whether the normal state has no fill at all.
    enum PaintOption {
        poNormalGradient = 1,
        poHighlightGradient = 2,
        poPushedGradient = 4,
        poNormalTransparent = 8
    };
    Q_DECLARE_FLAGS(PaintOptionSet, PaintOption)
    Q_FLAG(PaintOptionSet)

    // Where the drop-down menu opens: below the button, to its right, or above it.
    enum MenuPosition { mpBottom, mpRight, mpTop };
    Q_ENUM(MenuPosition)

    explicit TDButtonCustom(QWidget* parent = nullptr);
    ~TDButtonCustom() override;

    // 48 × 20 pixels.
    QSize sizeHint() const override;

    // A mouse button is held down on the button.
    bool Pushed() const { return fPushed; }
    // -1 when no menu interaction is going on, 1 while the drop-down menu is open, 0 while the button
    // settles right after the menu has closed.
    int DropDownMenuShown() const { return fDropDownMenuShown; }
    // The point, in button coordinates, at which the drop-down menu's top-left corner opens.
    QPoint DropDownPoint() const;

Q_SIGNALS:
    // A left click: pressed and released inside a button that has no drop-down menu.
    void clicked();

protected:
    // The caption.
    QString text() const { return fCaption; }
    void setText(const QString& text);

    // A number drawn at the left when there is no picture; -1 for none.
    int Number() const { return fNumber; }
    void SetNumber(int number);

    // A picture drawn at the left, vertically centred.
    QPixmap Picture() const { return fPicture; }
    void SetPicture(const QPixmap& picture);

    // Caption alignment: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter (the default); other flags
    // are dropped.
    Qt::Alignment Alignment() const { return fAlignment; }
    void SetAlignment(Qt::Alignment alignment);

    // Horizontal caption indent from the aligned edge; -1 means the default of the alignment.
    int CaptionHIndent() const { return fCaptionHIndent; }
    void SetCaptionHIndent(int indent);

    // Vertical offset of caption and number from the centre.
    int CaptionVIndent() const { return fCaptionVIndent; }
    void SetCaptionVIndent(int indent);

    // The rounded corners (all four when created).
    CornerSet Corners() const { return fCorners; }
    void SetCorners(CornerSet corners);

    // Diameter of a rounded corner in pixels (4 when created); 0 draws square corners.
    int CornerRoundness() const { return fCornerRoundness; }
    void SetCornerRoundness(int roundness);

    // Whether a frame is drawn and which sides (all when created).
    BorderSet Border() const { return fBorder; }
    void SetBorder(BorderSet border);

    // The button's own colours; owned by the button.
    TDButtonColors* Colors() const { return fColors; }
    // Copies the colours of colors into the button's own.
    void SetColors(const TDButtonColors& colors);

    // Shared colours, used instead of the button's own while the painter is enabled; not owned.
    TDButtonPainter* ButtonPainter() const { return fButtonPainter; }
    void SetButtonPainter(TDButtonPainter* painter);

    // Which fills are gradients. Adding poNormalGradient removes poNormalTransparent and the other
    // way round.
    PaintOptionSet PaintOptions() const { return fPaintOptions; }
    void SetPaintOptions(PaintOptionSet options);

    // The four blend positions and intensities of the gradients, in percent, as text: each value times
    // 100 in "%3.0f", joined by "|" ("  0|4900|5000|10000" when created). Writing a text of exactly
    // four whole numbers separated by "|" sets the values; any other text leaves them unchanged.
    QString GradientPositions() const;
    void SetGradientPositions(const QString& text);
    QString GradientIntensities() const;
    void SetGradientIntensities(const QString& text);

    // The menu that a left press opens; not owned. Assigning a menu turns the mark on, assigning none
    // turns it off. When the menu is destroyed the button forgets it and hides the mark.
    QMenu* DropDownMenu() const { return fDropDownMenu; }
    void SetDropDownMenu(QMenu* menu);

    // Whether the drop-down mark is drawn (only while a menu is assigned).
    bool DropDownMark() const { return fDropDownMark; }
    void SetDropDownMark(bool mark);

    // Vertical offset of the drop-down mark from the centre.
    int DropDownMarkVIndent() const { return fDropDownMarkVIndent; }
    void SetDropDownMarkVIndent(int indent);

    // Colour of the drop-down mark (5A82B4 when created).
    QColor DropDownMarkColor() const { return fDropDownMarkColor; }
    void SetDropDownMarkColor(const QColor& color);

    // Where the menu opens and which mark is drawn: a small down triangle for mpBottom, a right
    // triangle for mpRight, none for mpTop.
    MenuPosition DropDownPosition() const { return fDropDownPosition; }
    void SetDropDownPosition(MenuPosition position);

    // Shown pushed whatever the mouse does, until cleared (a toggle that is on).
    bool Downed() const { return fDowned; }
    void SetDowned(bool downed);

    // The mouse is over the button.
    bool Highlighted() const { return fHighlighted; }
    void SetHighlighted(bool highlighted);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The colours to draw with: the painter's when one is assigned and enabled, else the button's own.
    const TDButtonColors& PaintColors() const;
    // Opens the drop-down menu beside the button and waits until it closes.
    void OpenDropDownMenu();
    // The brush of a vertical gradient from start (top) to finish (bottom) blended by the four
    // positions and intensities.
    QBrush GradientBrush(const QColor& start, const QColor& finish) const;
    // Reads "a|b|c|d" into values (each divided by 100); false, with values unchanged, for other texts.
    static bool ParseGradientText(const QString& text, std::array<float, 4>& values);
    static QString GradientText(const std::array<float, 4>& values);

    bool fHighlighted = false;
    bool fPushed = false;
    bool fDowned = false;
    int fCaptionHIndent = -1;
    int fCaptionVIndent = 0;
    Qt::Alignment fAlignment = Qt::AlignHCenter;
    CornerSet fCorners = CornerSet(cnLeftTop | cnRightTop | cnRightBottom | cnLeftBottom);
    int fCornerRoundness = 4;
    BorderSet fBorder = BorderSet(bbVisible | bbTop | bbBottom | bbLeft | bbRight);
    QString fCaption;
    int fNumber = -1;
    QPixmap fPicture;
    TDButtonColors* fColors;
    QPointer<TDButtonPainter> fButtonPainter;
    QMetaObject::Connection fButtonPainterChanged;
    QMetaObject::Connection fButtonPainterDestroyed;
    PaintOptionSet fPaintOptions =
        PaintOptionSet(poHighlightGradient | poPushedGradient | poNormalTransparent);
    std::array<float, 4> fGradientPositions = {0, 49, 50, 100};
    std::array<float, 4> fGradientIntensities = {0, 30, 90, 3};
    QPointer<QMenu> fDropDownMenu;
    QMetaObject::Connection fDropDownMenuDestroyed;
    bool fDropDownMark = false;
    int fDropDownMarkVIndent = 0;
    QColor fDropDownMarkColor{0x5A, 0x82, 0xB4};
    MenuPosition fDropDownPosition = mpBottom;
    int fDropDownMenuShown = -1;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TDButtonCustom::CornerSet)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDButtonCustom::BorderSet)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDButtonCustom::PaintOptionSet)
