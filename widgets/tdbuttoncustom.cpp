#include "tdbuttoncustom.h"

#include "tdbuttoncolors.h"
#include "tdbuttonpainter.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace {

const TDButtonCustom::BorderSet kWholeBorder = TDButtonCustom::bbVisible | TDButtonCustom::bbTop |
                                               TDButtonCustom::bbBottom | TDButtonCustom::bbLeft |
                                               TDButtonCustom::bbRight;

// The closed outline of rect with a quarter circle of the given diameter at each corner in corners and
// a right angle at the others.
QPainterPath RoundedOutline(const QRectF& rect, qreal diameter, TDButtonCustom::CornerSet corners) {
    const qreal l = rect.left();
    const qreal t = rect.top();
    const qreal r = rect.right();
    const qreal b = rect.bottom();
    const qreal d = diameter;
    QPainterPath path;
    if (corners & TDButtonCustom::cnLeftTop) {
        path.moveTo(l, t + d / 2);
        path.arcTo(l, t, d, d, 180, -90);
    } else {
        path.moveTo(l, t);
    }
    if (corners & TDButtonCustom::cnRightTop)
        path.arcTo(r - d, t, d, d, 90, -90);
    else
        path.lineTo(r, t);
    if (corners & TDButtonCustom::cnRightBottom)
        path.arcTo(r - d, b - d, d, d, 0, -90);
    else
        path.lineTo(r, b);
    if (corners & TDButtonCustom::cnLeftBottom)
        path.arcTo(l, b - d, d, d, 270, -90);
    else
        path.lineTo(l, b);
    path.closeSubpath();
    return path;
}

// start moved towards finish by factor (0 gives start, 1 gives finish).
QColor Blend(const QColor& start, const QColor& finish, qreal factor) {
    const auto channel = [factor](int from, int to) {
        return qRound(from + (to - from) * factor);
    };
    return QColor(channel(start.red(), finish.red()), channel(start.green(), finish.green()),
                  channel(start.blue(), finish.blue()));
}

} // namespace

TDButtonCustom::TDButtonCustom(QWidget* parent) : QWidget(parent), fColors(new TDButtonColors(this)) {
    // The parent shows through wherever the button does not paint.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(48, 20);
    connect(fColors, &TDButtonColors::Changed, this, qOverload<>(&QWidget::update));
}

TDButtonCustom::~TDButtonCustom() {
    // A menu owned by the button dies with it, after this object is gone: it must not call back.
    disconnect(fDropDownMenuDestroyed);
}

QSize TDButtonCustom::sizeHint() const {
    return QSize(48, 20);
}

QPoint TDButtonCustom::DropDownPoint() const {
    switch (fDropDownPosition) {
    case mpBottom:
        return QPoint(0, height() + 1);
    case mpRight:
        return QPoint(width() + 1, 0);
    case mpTop:
        // Above the button, with the same one-pixel gap as below it.
        return QPoint(0, -(fDropDownMenu ? fDropDownMenu->sizeHint().height() : 0) - 1);
    }
    return QPoint();
}

void TDButtonCustom::setText(const QString& text) {
    fCaption = text;
    update();
}

void TDButtonCustom::SetNumber(int number) {
    fNumber = number;
    update();
}

void TDButtonCustom::SetPicture(const QPixmap& picture) {
    fPicture = picture;
    update();
}

void TDButtonCustom::SetAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignLeft)
        fAlignment = Qt::AlignLeft;
    else if (alignment & Qt::AlignRight)
        fAlignment = Qt::AlignRight;
    else
        fAlignment = Qt::AlignHCenter;
    update();
}

void TDButtonCustom::SetCaptionHIndent(int indent) {
    fCaptionHIndent = indent;
    update();
}

void TDButtonCustom::SetCaptionVIndent(int indent) {
    fCaptionVIndent = indent;
    update();
}

void TDButtonCustom::SetCorners(CornerSet corners) {
    fCorners = corners;
    update();
}

void TDButtonCustom::SetCornerRoundness(int roundness) {
    fCornerRoundness = roundness;
    update();
}

void TDButtonCustom::SetBorder(BorderSet border) {
    fBorder = border;
    update();
}

void TDButtonCustom::SetColors(const TDButtonColors& colors) {
    fColors->Assign(colors);
}

void TDButtonCustom::SetButtonPainter(TDButtonPainter* painter) {
    if (fButtonPainter == painter)
        return;
    disconnect(fButtonPainterChanged);
    disconnect(fButtonPainterDestroyed);
    fButtonPainter = painter;
    if (painter) {
        fButtonPainterChanged =
            connect(painter, &TDButtonPainter::Changed, this, qOverload<>(&QWidget::update));
        fButtonPainterDestroyed = connect(painter, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    }
    update();
}

void TDButtonCustom::SetPaintOptions(PaintOptionSet options) {
    // A normal fill is either a gradient or nothing: the option just added wins.
    if ((options & poNormalGradient) && !(fPaintOptions & poNormalGradient))
        options &= ~PaintOptionSet(poNormalTransparent);
    if ((options & poNormalTransparent) && !(fPaintOptions & poNormalTransparent))
        options &= ~PaintOptionSet(poNormalGradient);
    fPaintOptions = options;
    update();
}

QString TDButtonCustom::GradientPositions() const {
    return GradientText(fGradientPositions);
}

void TDButtonCustom::SetGradientPositions(const QString& text) {
    ParseGradientText(text, fGradientPositions);
    update();
}

QString TDButtonCustom::GradientIntensities() const {
    return GradientText(fGradientIntensities);
}

void TDButtonCustom::SetGradientIntensities(const QString& text) {
    ParseGradientText(text, fGradientIntensities);
    update();
}

void TDButtonCustom::SetDropDownMenu(QMenu* menu) {
    disconnect(fDropDownMenuDestroyed);
    fDropDownMenu = menu;
    fDropDownMark = menu != nullptr;
    if (menu) {
        fDropDownMenuDestroyed = connect(menu, &QObject::destroyed, this, [this] {
            fDropDownMenu = nullptr;
            fDropDownMark = false;
            update();
        });
    }
    update();
}

void TDButtonCustom::SetDropDownMark(bool mark) {
    if (fDropDownMark == mark)
        return;
    fDropDownMark = mark;
    update();
}

void TDButtonCustom::SetDropDownMarkVIndent(int indent) {
    fDropDownMarkVIndent = indent;
    update();
}

void TDButtonCustom::SetDropDownMarkColor(const QColor& color) {
    fDropDownMarkColor = color.toRgb();
    fDropDownMarkColor.setAlpha(255);
    update();
}

void TDButtonCustom::SetDropDownPosition(MenuPosition position) {
    fDropDownPosition = position;
    update();
}

void TDButtonCustom::SetDowned(bool downed) {
    fDowned = downed;
    update();
}

void TDButtonCustom::SetHighlighted(bool highlighted) {
    fHighlighted = highlighted;
    update();
}

const TDButtonColors& TDButtonCustom::PaintColors() const {
    if (fButtonPainter && fButtonPainter->Enabled())
        return *fButtonPainter->Colors();
    return *fColors;
}

QBrush TDButtonCustom::GradientBrush(const QColor& start, const QColor& finish) const {
    // From the centre of the top pixel row to the centre of the bottom one. Each position carries the
    // colour that lies its intensity of the way from start to finish; between positions the colour
    // changes evenly, and before the first and after the last it stays.
    QLinearGradient gradient(0, 0.5, 0, height() - 0.5);
    qreal previous = -1;
    for (int i = 0; i < 4; ++i) {
        qreal position = qBound(0.0, fGradientPositions[i] / 100.0, 1.0);
        // A position at or before the previous one makes a sharp step right after it.
        if (position <= previous)
            position = qMin(previous + 0.001, 1.0);
        const qreal intensity = qBound(0.0, fGradientIntensities[i] / 100.0, 1.0);
        gradient.setColorAt(position, Blend(start, finish, intensity));
        previous = position;
    }
    return QBrush(gradient);
}

bool TDButtonCustom::ParseGradientText(const QString& text, std::array<float, 4>& values) {
    const QStringList pieces = text.split(QLatin1Char('|'));
    if (pieces.size() != 4)
        return false;
    std::array<float, 4> read{};
    for (int i = 0; i < 4; ++i) {
        QStringView piece(pieces[i]);
        while (piece.startsWith(QLatin1Char(' ')))
            piece = piece.mid(1);
        bool ok = false;
        const int value = piece.toInt(&ok);
        if (!ok)
            return false;
        read[i] = value / 100.0f;
    }
    values = read;
    return true;
}

QString TDButtonCustom::GradientText(const std::array<float, 4>& values) {
    QStringList pieces;
    for (float value : values)
        pieces << QString::asprintf("%3.0f", double(value) * 100.0);
    return pieces.join(QLatin1Char('|'));
}

void TDButtonCustom::paintEvent(QPaintEvent*) {
    const TDButtonColors& colors = PaintColors();
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal diameter = qMin(fCornerRoundness, qMin(w, h) - 1);
    const bool rounded = diameter > 0 && fCorners != CornerSet();
    const CornerSet corners = rounded ? fCorners : CornerSet();

    // Corner backgrounds: each corner's colour fills its quarter of the button; the state fill below
    // leaves only the bits outside the rounded outline.
    if (rounded && !(fPaintOptions & poNormalTransparent)) {
        const int halfW = w / 2;
        const int halfH = h / 2;
        painter.fillRect(QRect(0, 0, halfW, halfH), colors.cnBkLeftTop());
        painter.fillRect(QRect(halfW, 0, w - halfW, halfH), colors.cnBkRightTop());
        painter.fillRect(QRect(halfW, halfH, w - halfW, h - halfH), colors.cnBkRightBottom());
        painter.fillRect(QRect(0, halfH, halfW, h - halfH), colors.cnBkLeftBottom());
    }

    // Fill, frame and caption colour of the state. Downed shows the pushed look whatever the mouse does.
    QBrush fill;
    QColor frame;
    QColor textColor;
    if (fDowned || (fHighlighted && fPushed)) {
        fill = (fPaintOptions & poPushedGradient)
                   ? GradientBrush(colors.GradientPushedStart(), colors.GradientPushedFinish())
                   : QBrush(colors.Pushed());
        frame = colors.FramePushed();
        textColor = colors.TextPushed();
    } else if (fHighlighted) {
        fill = (fPaintOptions & poHighlightGradient)
                   ? GradientBrush(colors.GradientHighlightStart(), colors.GradientHighlightFinish())
                   : QBrush(colors.Highlight());
        frame = colors.FrameHighlight();
        textColor = colors.TextHighlight();
    } else {
        if (fPaintOptions & poNormalGradient)
            fill = GradientBrush(colors.GradientNormalStart(), colors.GradientNormalFinish());
        else if (!(fPaintOptions & poNormalTransparent))
            fill = QBrush(colors.Normal());
        frame = colors.FrameNormal();
        textColor = colors.TextNormal();
    }
    if (fill.style() != Qt::NoBrush) {
        // The fill reaches the outer edge of the frame: its corners share the frame arcs' centres.
        const QRectF fillRect(0, 0, w, h);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        if (rounded)
            painter.drawPath(RoundedOutline(fillRect, diameter + 1, corners));
        else
            painter.drawRect(fillRect);
    }

    // Frame, one pixel wide, on the outermost pixels. The frame's outline is stroked into a shape and
    // filled, so that square corners and line ends cover whole pixels.
    if (fBorder & bbVisible) {
        const qreal l = 0.5;
        const qreal t = 0.5;
        const qreal r = w - 0.5;
        const qreal b = h - 0.5;
        QPainterPath outline;
        if (fBorder == kWholeBorder) {
            outline = RoundedOutline(QRectF(l, t, r - l, b - t), diameter, corners);
        } else {
            // A side stops half a diameter short of a rounded corner and covers the corner pixel of a
            // square one. A rounded corner gets its arc when one of its two sides is drawn.
            const auto inset = [&corners, diameter](Corner corner) {
                return (corners & corner) ? diameter / 2 : -0.5;
            };
            if (fBorder & bbTop) {
                outline.moveTo(l + inset(cnLeftTop), t);
                outline.lineTo(r - inset(cnRightTop), t);
            }
            if (fBorder & bbBottom) {
                outline.moveTo(l + inset(cnLeftBottom), b);
                outline.lineTo(r - inset(cnRightBottom), b);
            }
            if (fBorder & bbLeft) {
                outline.moveTo(l, t + inset(cnLeftTop));
                outline.lineTo(l, b - inset(cnLeftBottom));
            }
            if (fBorder & bbRight) {
                outline.moveTo(r, t + inset(cnRightTop));
                outline.lineTo(r, b - inset(cnRightBottom));
            }
            if ((corners & cnLeftTop) && (fBorder & (bbTop | bbLeft))) {
                outline.arcMoveTo(l, t, diameter, diameter, 180);
                outline.arcTo(l, t, diameter, diameter, 180, -90);
            }
            if ((corners & cnRightTop) && (fBorder & (bbTop | bbRight))) {
                outline.arcMoveTo(r - diameter, t, diameter, diameter, 90);
                outline.arcTo(r - diameter, t, diameter, diameter, 90, -90);
            }
            if ((corners & cnRightBottom) && (fBorder & (bbBottom | bbRight))) {
                outline.arcMoveTo(r - diameter, b - diameter, diameter, diameter, 0);
                outline.arcTo(r - diameter, b - diameter, diameter, diameter, 0, -90);
            }
            if ((corners & cnLeftBottom) && (fBorder & (bbBottom | bbLeft))) {
                outline.arcMoveTo(l, b - diameter, diameter, diameter, 270);
                outline.arcTo(l, b - diameter, diameter, diameter, 270, -90);
            }
        }
        QPainterPathStroker stroker;
        stroker.setWidth(1);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::MiterJoin);
        painter.fillPath(stroker.createStroke(outline), frame);
    }

    // Drop-down mark near the right edge.
    if (fDropDownMenu && fDropDownMark) {
        const int x = w - 1;
        const int y = (h - 1) / 2 + fDropDownMarkVIndent;
        painter.save();
        // Whole coordinates name pixel centres; square caps then cover exactly the pixels of a line.
        painter.translate(0.5, 0.5);
        QPen pen(fDropDownMarkColor, 1);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        if (fDropDownPosition == mpBottom) {
            // A small triangle pointing down.
            for (int i = 0; i < 3; ++i)
                painter.drawLine(QPoint(x + i - 9, y + i), QPoint(x - i - 3, y + i));
            painter.drawLine(QPoint(x - 6, y + 3), QPoint(x - 6, y));
        } else if (fDropDownPosition == mpRight) {
            // A filled triangle pointing right.
            const QPoint triangle[3] = {QPoint(x - 8, y - 4), QPoint(x - 4, y), QPoint(x - 8, y + 4)};
            painter.setBrush(fDropDownMarkColor);
            painter.drawPolygon(triangle, 3);
        }
        painter.restore();
    }

    // Number and caption.
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    const QSize pictureSize = fPicture.deviceIndependentSize().toSize();
    painter.setPen(isEnabled() ? textColor : QColor(0xC0, 0xC0, 0xC0));
    painter.setBrush(Qt::NoBrush);
    if (fNumber != -1 && fPicture.isNull()) {
        const int y = h / 2 + fCaptionVIndent - textHeight / 2;
        painter.drawText(QPoint(7, y + metrics.ascent()), QString::number(fNumber));
    }
    if (!fCaption.isEmpty()) {
        const int textWidth = metrics.horizontalAdvance(fCaption);
        int x = 0;
        if (fAlignment == Qt::AlignLeft) {
            if (!fPicture.isNull())
                x = pictureSize.width() + 10;
            else
                x = fCaptionHIndent == -1 ? 5 : fCaptionHIndent;
        } else if (fAlignment == Qt::AlignRight) {
            x = (w - 1) - textWidth - 5;
            if (fCaptionHIndent != -1)
                x -= fCaptionHIndent;
        } else {
            x = (w - 1) / 2 - textWidth / 2;
            if (!fPicture.isNull())
                x += (pictureSize.width() + 5) / 2;
        }
        const int y = (h - 1) / 2 + fCaptionVIndent - textHeight / 2;
        painter.drawText(QPoint(x, y + metrics.ascent()), fCaption);
    }

    // Picture at the left, vertically centred.
    if (!fPicture.isNull())
        painter.drawPixmap(5, (h - 1) / 2 - pictureSize.height() / 2, fPicture);
}

void TDButtonCustom::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    // A disabled button does not light up.
    if (isEnabled())
        SetHighlighted(true);
}

void TDButtonCustom::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    // While the drop-down menu is open the button stays lit; it settles when the menu closes.
    if (fDropDownMenuShown == -1)
        SetHighlighted(false);
}

void TDButtonCustom::mousePressEvent(QMouseEvent* event) {
    if (!isEnabled())
        return;
    if (fDropDownMenu && fDropDownMenuShown != -1)
        return;
    fPushed = true;
    // The press is on the button, so the pointer is over it even if no enter event came first.
    fHighlighted = true;
    update();
    if (fDropDownMenu && event->button() == Qt::LeftButton)
        OpenDropDownMenu();
}

void TDButtonCustom::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is two plain clicks.
    mousePressEvent(event);
}

void TDButtonCustom::mouseMoveEvent(QMouseEvent* event) {
    // Without mouse tracking moves arrive only while a button is held: the pushed look follows the
    // pointer in and out of the button.
    if (!fPushed)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != fHighlighted)
        SetHighlighted(inside);
}

void TDButtonCustom::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPushed = fPushed;
    const bool inside = rect().contains(event->position().toPoint());
    fPushed = false;
    fHighlighted = inside && isEnabled();
    update();
    if (wasPushed && inside && event->button() == Qt::LeftButton && !fDropDownMenu)
        Q_EMIT clicked();
}

void TDButtonCustom::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            fPushed = false;
            fHighlighted = false;
        }
        update();
    }
}

void TDButtonCustom::OpenDropDownMenu() {
    const QPointer<TDButtonCustom> alive(this);
    fDropDownMenuShown = 1;
    update();
    fDropDownMenu->exec(mapToGlobal(DropDownPoint()));
    // An action of the menu may have destroyed the button.
    if (!alive)
        return;
    // Settle as if the mouse had been released where it is now.
    fDropDownMenuShown = 0;
    fPushed = false;
    fHighlighted = isEnabled() && rect().contains(mapFromGlobal(QCursor::pos()));
    update();
    fDropDownMenuShown = -1;
}
