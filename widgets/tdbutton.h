#pragma once

#include "tdbuttoncolors.h"
#include "tdbuttoncustom.h"
#include "tdbuttonpainter.h"

// The custom button with all its settings published as properties.
class TDButton : public TDButtonCustom {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int Number READ Number WRITE SetNumber)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int CaptionHIndent READ CaptionHIndent WRITE SetCaptionHIndent)
    Q_PROPERTY(int CaptionVIndent READ CaptionVIndent WRITE SetCaptionVIndent)
    Q_PROPERTY(TDButtonCustom::CornerSet Corners READ Corners WRITE SetCorners)
    Q_PROPERTY(int CornerRoundness READ CornerRoundness WRITE SetCornerRoundness)
    Q_PROPERTY(TDButtonCustom::BorderSet Border READ Border WRITE SetBorder)
    Q_PROPERTY(TDButtonColors* Colors READ Colors CONSTANT)
    Q_PROPERTY(TDButtonPainter* ButtonPainter READ ButtonPainter WRITE SetButtonPainter)
    Q_PROPERTY(TDButtonCustom::PaintOptionSet PaintOptions READ PaintOptions WRITE SetPaintOptions)
    Q_PROPERTY(QString GradientPositions READ GradientPositions WRITE SetGradientPositions)
    Q_PROPERTY(QString GradientIntensities READ GradientIntensities WRITE SetGradientIntensities)
    Q_PROPERTY(QMenu* DropDownMenu READ DropDownMenu WRITE SetDropDownMenu)
    Q_PROPERTY(bool DropDownMark READ DropDownMark WRITE SetDropDownMark)
    Q_PROPERTY(int DropDownMarkVIndent READ DropDownMarkVIndent WRITE SetDropDownMarkVIndent)
    Q_PROPERTY(QColor DropDownMarkColor READ DropDownMarkColor WRITE SetDropDownMarkColor)
    Q_PROPERTY(TDButtonCustom::MenuPosition DropDownPosition READ DropDownPosition WRITE SetDropDownPosition)
    Q_PROPERTY(bool Downed READ Downed WRITE SetDowned)
    Q_PROPERTY(bool Highlighted READ Highlighted WRITE SetHighlighted)

public:
    explicit TDButton(QWidget* parent = nullptr);

    // See TDButtonCustom for what each of these means.
    using TDButtonCustom::Alignment;
    using TDButtonCustom::Border;
    using TDButtonCustom::ButtonPainter;
    using TDButtonCustom::CaptionHIndent;
    using TDButtonCustom::CaptionVIndent;
    using TDButtonCustom::Colors;
    using TDButtonCustom::CornerRoundness;
    using TDButtonCustom::Corners;
    using TDButtonCustom::Downed;
    using TDButtonCustom::DropDownMark;
    using TDButtonCustom::DropDownMarkColor;
    using TDButtonCustom::DropDownMarkVIndent;
    using TDButtonCustom::DropDownMenu;
    using TDButtonCustom::DropDownPosition;
    using TDButtonCustom::GradientIntensities;
    using TDButtonCustom::GradientPositions;
    using TDButtonCustom::Highlighted;
    using TDButtonCustom::Number;
    using TDButtonCustom::PaintOptions;
    using TDButtonCustom::Picture;
    using TDButtonCustom::SetAlignment;
    using TDButtonCustom::SetBorder;
    using TDButtonCustom::SetButtonPainter;
    using TDButtonCustom::SetCaptionHIndent;
    using TDButtonCustom::SetCaptionVIndent;
    using TDButtonCustom::SetColors;
    using TDButtonCustom::SetCornerRoundness;
    using TDButtonCustom::SetCorners;
    using TDButtonCustom::SetDowned;
    using TDButtonCustom::SetDropDownMark;
    using TDButtonCustom::SetDropDownMarkColor;
    using TDButtonCustom::SetDropDownMarkVIndent;
    using TDButtonCustom::SetDropDownMenu;
    using TDButtonCustom::SetDropDownPosition;
    using TDButtonCustom::SetGradientIntensities;
    using TDButtonCustom::SetGradientPositions;
    using TDButtonCustom::SetHighlighted;
    using TDButtonCustom::SetNumber;
    using TDButtonCustom::SetPaintOptions;
    using TDButtonCustom::SetPicture;
    using TDButtonCustom::setText;
    using TDButtonCustom::text;
};
