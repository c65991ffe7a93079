#include "tdbutton.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Shows through wherever the button paints nothing.
const QRgb kBackground = 0xFF00FF;

const TDButtonCustom::PaintOptionSet kNoGradients;
const TDButtonCustom::BorderSet kSides =
    TDButtonCustom::bbTop | TDButtonCustom::bbBottom | TDButtonCustom::bbLeft | TDButtonCustom::bbRight;

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(QColor::fromRgb(kBackground));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

std::string Hex(QRgb rgb) {
    return QString::number(rgb & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')).toStdString();
}

std::string At(const QImage& image, QPoint point) {
    return Hex(image.pixel(point));
}

// Pixels of exactly this colour in image.
int CountColour(const QImage& image, QRgb rgb) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return count;
}

// Columns that hold at least one pixel of exactly this colour: first and last, or -1, -1.
std::pair<int, int> ColumnsOf(const QImage& image, QRgb rgb) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb) {
                if (first == -1)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// Rows likewise.
std::pair<int, int> RowsOf(const QImage& image, QRgb rgb) {
    const QImage turned = image.transformed(QTransform().rotate(90));
    const auto columns = ColumnsOf(turned, rgb);
    return columns.first == -1
               ? columns
               : std::pair<int, int>(image.height() - 1 - columns.second, image.height() - 1 - columns.first);
}

struct Pixel {
    QPoint point;
    QRgb rgb;
    // Largest difference allowed in each channel: a corner pixel is partly covered by the anti-aliased
    // rounded edge.
    int tolerance = 0;
};

bool Near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

struct Look {
    const char* name;
    std::function<void(TDButton&)> setup;
    std::vector<Pixel> pixels;
};

// Points of a 48 × 20 button.
const QPoint kCentre(24, 10);
const QPoint kTop(24, 0);
const QPoint kBottom(24, 19);
const QPoint kLeft(0, 10);
const QPoint kRight(47, 10);
const QPoint kLeftTop(0, 0);
const QPoint kRightTop(47, 0);
const QPoint kRightBottom(47, 19);
const QPoint kLeftBottom(0, 19);

// Default colours.
const QRgb kCornerBk = 0xE9EBED;
const QRgb kFrameNormal = 0xA0BEE6;
const QRgb kFrameHighlight = 0xC8B482;
const QRgb kFramePushed = 0xC89632;
const QRgb kNormal = 0xC0C0C0;
const QRgb kHighlight = 0xFFF5CD;

} // namespace

TEST(TDButtonPaint, FillFrameAndCornersPerState) {
    // Corner pixels are checked on a rounding of 10, where the outermost corner pixel lies wholly
    // outside the outline; the default rounding of 4 leaves it partly covered.
    const Look looks[] = {
        {"transparent normal: only the frame",
         [](TDButton&) {},
         {{kCentre, kBackground},
          {kTop, kFrameNormal},
          {kBottom, kFrameNormal},
          {kLeft, kFrameNormal},
          {kRight, kFrameNormal},
          {kLeftTop, kBackground, 48},
          {kRightBottom, kBackground, 48}}},
        {"solid normal with corner backgrounds",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
         },
         {{kCentre, kNormal},
          {kTop, kFrameNormal},
          {kRight, kFrameNormal},
          {kLeftTop, kCornerBk},
          {kRightTop, kCornerBk},
          {kRightBottom, kCornerBk},
          {kLeftBottom, kCornerBk}}},
        {"solid highlight",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
             b.SetHighlighted(true);
         },
         {{kCentre, kHighlight}, {kTop, kFrameHighlight}, {kLeft, kFrameHighlight}, {kLeftTop, kCornerBk}}},
        {"highlight on a transparent button keeps the corners clear",
         [](TDButton& b) {
             b.SetPaintOptions(TDButtonCustom::poNormalTransparent);
             b.SetCornerRoundness(10);
             b.SetHighlighted(true);
         },
         {{kCentre, kHighlight}, {kTop, kFrameHighlight}, {kLeftTop, kBackground}}},
        {"downed shows the pushed look",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
             b.Colors()->SetPushed(QColor(0x12, 0x34, 0x56));
             b.SetDowned(true);
         },
         {{kCentre, 0x123456}, {kTop, kFramePushed}, {kRightBottom, kCornerBk}}},
        {"downed wins over the highlight",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.Colors()->SetPushed(QColor(0x12, 0x34, 0x56));
             b.SetDowned(true);
             b.SetHighlighted(true);
         },
         {{kCentre, 0x123456}, {kTop, kFramePushed}}},
        {"roundness 0 draws a plain rectangle without corner backgrounds",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(0);
         },
         {{kCentre, kNormal},
          {kLeftTop, kFrameNormal},
          {kRightTop, kFrameNormal},
          {kRightBottom, kFrameNormal},
          {kLeftBottom, kFrameNormal},
          {QPoint(1, 1), kNormal}}},
        {"no rounded corners draws a plain rectangle",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
             b.SetCorners({});
         },
         {{kLeftTop, kFrameNormal},
          {kRightTop, kFrameNormal},
          {kRightBottom, kFrameNormal},
          {kLeftBottom, kFrameNormal},
          {QPoint(1, 1), kNormal}}},
        {"one rounded corner",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
             b.SetCorners(TDButtonCustom::cnRightBottom);
         },
         {{kRightBottom, kCornerBk},
          {kLeftTop, kFrameNormal},
          {kRightTop, kFrameNormal},
          {kLeftBottom, kFrameNormal}}},
        {"each corner shows its own background",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
             b.Colors()->SetCnBkLeftTop(QColor(0x110000));
             b.Colors()->SetCnBkRightTop(QColor(0x002200));
             b.Colors()->SetCnBkRightBottom(QColor(0x000033));
             b.Colors()->SetCnBkLeftBottom(QColor(0x444444));
         },
         {{kLeftTop, 0x110000}, {kRightTop, 0x002200}, {kRightBottom, 0x000033}, {kLeftBottom, 0x444444}}},
        {"sides without bbVisible draw no frame",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetBorder(kSides);
         },
         {{kTop, kNormal}, {kBottom, kNormal}, {kLeft, kNormal}, {kRight, kNormal}}},
        {"no frame on a transparent button leaves nothing",
         [](TDButton& b) { b.SetBorder(kSides); },
         {{kTop, kBackground}, {kLeft, kBackground}, {kCentre, kBackground}}},
        {"top side only",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetBorder(TDButtonCustom::bbVisible | TDButtonCustom::bbTop);
         },
         {{kTop, kFrameNormal}, {kBottom, kNormal}, {kLeft, kNormal}, {kRight, kNormal}}},
        {"sides reach square corners",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(0);
             b.SetBorder(TDButtonCustom::bbVisible | TDButtonCustom::bbLeft | TDButtonCustom::bbBottom);
         },
         {{kLeftTop, kFrameNormal},
          {kLeftBottom, kFrameNormal},
          {kRightBottom, kFrameNormal},
          {kRightTop, kNormal},
          {kTop, kNormal},
          {kRight, kNormal}}},
        {"a larger roundness leaves more of the corner outside",
         [](TDButton& b) {
             b.SetPaintOptions(kNoGradients);
             b.SetCornerRoundness(10);
         },
         {{QPoint(1, 0), kCornerBk},
          {QPoint(0, 1), kCornerBk},
          {QPoint(46, 19), kCornerBk},
          {QPoint(6, 0), kFrameNormal},
          {QPoint(0, 6), kFrameNormal}}},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        TDButton button;
        look.setup(button);
        const QImage image = Render(button);
        for (const Pixel& pixel : look.pixels) {
            EXPECT_TRUE(Near(image.pixel(pixel.point), pixel.rgb, pixel.tolerance))
                << pixel.point.x() << "," << pixel.point.y() << ": " << At(image, pixel.point)
                << " instead of " << Hex(pixel.rgb);
        }
    }
}

TEST(TDButtonPaint, PushedLookFollowsThePointerWhileTheButtonIsHeld) {
    TDButton button;
    button.SetPaintOptions(kNoGradients);
    button.Colors()->SetPushed(QColor(0x12, 0x34, 0x56));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(At(Render(button), kCentre), Hex(0x123456));
    QMouseEvent out(QEvent::MouseMove, QPointF(80, 10), button.mapToGlobal(QPointF(80, 10)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &out);
    EXPECT_EQ(At(Render(button), kCentre), Hex(kNormal));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 10));
    EXPECT_EQ(At(Render(button), kCentre), Hex(kNormal));
}

TEST(TDButtonPaint, AFrameOfSomeSidesDrawsOnlyTheirArcs) {
    // Frame pure red on grey: a pixel touched by the frame is redder than it is green.
    const auto reddish = [](QRgb rgb) {
        return qRed(rgb) > qGreen(rgb) + 20;
    };
    const struct {
        const char* name;
        TDButtonCustom::BorderSet border;
        bool upperHalf;
        bool lowerHalf;
    } cases[] = {
        {"bottom", TDButtonCustom::bbVisible | TDButtonCustom::bbBottom, false, true},
        {"top", TDButtonCustom::bbVisible | TDButtonCustom::bbTop, true, false},
        {"left", TDButtonCustom::bbVisible | TDButtonCustom::bbLeft, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDButton button;
        button.SetPaintOptions(kNoGradients);
        button.SetCornerRoundness(8);
        button.Colors()->SetFrameNormal(Qt::red);
        button.SetBorder(c.border);
        const QImage image = Render(button);
        bool upper = false;
        bool lower = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 48; ++x)
                (y < 10 ? upper : lower) |= reddish(image.pixel(x, y));
        EXPECT_EQ(upper, c.upperHalf);
        EXPECT_EQ(lower, c.lowerHalf);
        // The rounded corners beside a drawn side are part of the frame.
        if (c.border & TDButtonCustom::bbBottom) {
            EXPECT_TRUE(reddish(image.pixel(1, 17)) || reddish(image.pixel(2, 18)) ||
                        reddish(image.pixel(1, 18)));
        }
    }
}

TEST(TDButtonPaint, GradientBlendsFromTopToBottom) {
    // Start black, finish (200, 100, 0): the red channel is 200 times the blend factor.
    const struct {
        const char* positions;
        const char* intensities;
        std::vector<std::pair<int, int>> redAtRow; // row, red (±4)
    } cases[] = {
        // An even ramp: start at the top, finish at the bottom.
        {"0|0|10000|10000", "0|0|10000|10000", {{1, 11}, {5, 53}, {10, 105}, {14, 147}, {18, 189}}},
        // A sharp step at the middle.
        {"0|4900|5000|10000", "0|0|10000|10000", {{2, 0}, {8, 0}, {11, 200}, {17, 200}}},
        // The defaults: light top, the darkest band right under the middle, lighter again below.
        {"  0|4900|5000|10000", "  0|3000|9000|300", {{2, 13}, {10, 171}, {18, 24}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.positions) + " / " + c.intensities);
        TDButton button;
        button.SetPaintOptions(TDButtonCustom::poNormalGradient);
        button.Colors()->SetGradientNormalStart(QColor(0, 0, 0));
        button.Colors()->SetGradientNormalFinish(QColor(200, 100, 0));
        button.SetGradientPositions(QString::fromLatin1(c.positions));
        button.SetGradientIntensities(QString::fromLatin1(c.intensities));
        const QImage image = Render(button);
        for (const auto& [row, red] : c.redAtRow) {
            const QRgb pixel = image.pixel(24, row);
            EXPECT_NEAR(qRed(pixel), red, 4) << "row " << row;
            EXPECT_NEAR(qGreen(pixel), red / 2, 3) << "row " << row;
            EXPECT_EQ(qBlue(pixel), 0) << "row " << row;
        }
    }
}

TEST(TDButtonPaint, EachStateUsesItsOwnGradient) {
    const struct {
        const char* name;
        std::function<void(TDButton&)> setup;
        QRgb top;
        QRgb bottom;
    } cases[] = {
        {"normal", [](TDButton& b) { b.SetPaintOptions(TDButtonCustom::poNormalGradient); }, 0x010000,
         0x020000},
        {"highlight", [](TDButton& b) { b.SetHighlighted(true); }, 0x030000, 0x040000},
        {"pushed", [](TDButton& b) { b.SetDowned(true); }, 0x050000, 0x060000},
        {"pushed while highlighted and held",
         [](TDButton& b) {
             b.SetHighlighted(true);
             QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
         },
         0x050000, 0x060000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDButton button;
        TDButtonColors* colors = button.Colors();
        colors->SetGradientNormalStart(QColor(0x010000));
        colors->SetGradientNormalFinish(QColor(0x020000));
        colors->SetGradientHighlightStart(QColor(0x030000));
        colors->SetGradientHighlightFinish(QColor(0x040000));
        colors->SetGradientPushedStart(QColor(0x050000));
        colors->SetGradientPushedFinish(QColor(0x060000));
        button.SetGradientIntensities(QStringLiteral("0|0|10000|10000"));
        c.setup(button);
        const QImage image = Render(button);
        EXPECT_EQ(At(image, QPoint(24, 2)), Hex(c.top));
        EXPECT_EQ(At(image, QPoint(24, 17)), Hex(c.bottom));
    }
}

TEST(TDButtonPaint, AnEnabledPainterLendsItsColours) {
    TDButton button;
    button.SetPaintOptions(kNoGradients);
    auto* painter = new TDButtonPainter;
    painter->Colors()->SetNormal(QColor(0x336699));
    painter->Colors()->SetFrameNormal(QColor(0x996633));
    button.SetButtonPainter(painter);
    QImage image = Render(button);
    EXPECT_EQ(At(image, kCentre), Hex(0x336699));
    EXPECT_EQ(At(image, kTop), Hex(0x996633));

    painter->Colors()->SetNormal(QColor(0x224466));
    EXPECT_EQ(At(Render(button), kCentre), Hex(0x224466));

    painter->SetEnabled(false);
    EXPECT_EQ(At(Render(button), kCentre), Hex(kNormal));
    painter->SetEnabled(true);
    EXPECT_EQ(At(Render(button), kCentre), Hex(0x224466));

    delete painter;
    image = Render(button);
    EXPECT_EQ(At(image, kCentre), Hex(kNormal));
    EXPECT_EQ(At(image, kTop), Hex(kFrameNormal));
}

TEST(TDButtonPaint, DropDownMarks) {
    const QRgb mark = 0x5A82B4;
    // A 48 × 20 button: the mark's reference point is X = 47, Y = 9.
    const std::vector<QPoint> downTriangle = {{38, 9},  {41, 9},  {44, 9},  {39, 10},
                                              {43, 10}, {40, 11}, {42, 11}, {41, 12}};
    const std::vector<QPoint> aroundDownTriangle = {{37, 9},  {45, 9},  {38, 10}, {44, 10},
                                                    {40, 12}, {42, 12}, {41, 13}, {41, 8}};
    const std::vector<QPoint> rightTriangle = {{39, 9}, {40, 9}, {41, 9}, {40, 7}, {40, 11}};
    const struct {
        const char* name;
        std::function<void(TDButton&, QMenu&)> setup;
        std::vector<QPoint> marked;
        std::vector<QPoint> clear;
    } cases[] = {
        {"down triangle for a menu below", [](TDButton& b, QMenu& m) { b.SetDropDownMenu(&m); }, downTriangle,
         aroundDownTriangle},
        {"right triangle for a menu at the right",
         [](TDButton& b, QMenu& m) {
             b.SetDropDownMenu(&m);
             b.SetDropDownPosition(TDButtonCustom::mpRight);
         },
         rightTriangle,
         {{44, 9}, {38, 9}, {41, 4}, {41, 14}}},
        {"no mark for a menu above",
         [](TDButton& b, QMenu& m) {
             b.SetDropDownMenu(&m);
             b.SetDropDownPosition(TDButtonCustom::mpTop);
         },
         {},
         downTriangle},
        {"no mark when switched off",
         [](TDButton& b, QMenu& m) {
             b.SetDropDownMenu(&m);
             b.SetDropDownMark(false);
         },
         {},
         downTriangle},
        {"no mark without a menu", [](TDButton& b, QMenu&) { b.SetDropDownMark(true); }, {}, downTriangle},
        {"the vertical indent moves the mark",
         [](TDButton& b, QMenu& m) {
             b.SetDropDownMenu(&m);
             b.SetDropDownMarkVIndent(3);
         },
         {{38, 12}, {41, 15}},
         {{38, 9}, {44, 9}}},
        {"the vertical indent moves the right triangle too",
         [](TDButton& b, QMenu& m) {
             b.SetDropDownMenu(&m);
             b.SetDropDownPosition(TDButtonCustom::mpRight);
             b.SetDropDownMarkVIndent(-3);
         },
         {{40, 6}, {40, 4}},
         {{40, 11}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDButton button;
        QMenu menu;
        c.setup(button, menu);
        const QImage image = Render(button);
        for (const QPoint& point : c.marked)
            EXPECT_EQ(At(image, point), Hex(mark)) << point.x() << "," << point.y();
        for (const QPoint& point : c.clear)
            EXPECT_NE(At(image, point), Hex(mark)) << point.x() << "," << point.y();
    }
    // The mark takes its colour.
    TDButton button;
    QMenu menu;
    button.SetDropDownMenu(&menu);
    button.SetDropDownMarkColor(QColor(0x208020));
    EXPECT_EQ(At(Render(button), QPoint(41, 12)), Hex(0x208020));
}

namespace {

const QRgb kText = 0x102030;

// A button for caption checks: wide, transparent in the normal state, with a fixed font.
void SetUpCaptionButton(TDButton& button, const QString& caption, int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    button.setFont(font);
    button.resize(100, 24);
    button.setText(caption);
    button.Colors()->SetTextNormal(QColor(kText));
}

QPixmap RedPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

TEST(TDButtonPaint, CaptionColourFollowsTheState) {
    const QRgb normal = 0x102080;
    const QRgb highlight = 0x108020;
    const QRgb pushed = 0x801020;
    const QRgb disabled = 0xC0C0C0;
    const struct {
        const char* name;
        std::function<void(TDButton&)> setup;
        QRgb text;
    } cases[] = {
        {"normal", [](TDButton&) {}, normal},
        {"highlighted", [](TDButton& b) { b.SetHighlighted(true); }, highlight},
        {"downed", [](TDButton& b) { b.SetDowned(true); }, pushed},
        {"held down", [](TDButton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5)); }, pushed},
        {"disabled", [](TDButton& b) { b.setEnabled(false); }, disabled},
        {"disabled and downed",
         [](TDButton& b) {
             b.setEnabled(false);
             b.SetDowned(true);
         },
         disabled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDButton button;
        SetUpCaptionButton(button, QStringLiteral("ШШШ"), 18);
        button.Colors()->SetTextNormal(QColor(normal));
        button.Colors()->SetTextHighlight(QColor(highlight));
        button.Colors()->SetTextPushed(QColor(pushed));
        c.setup(button);
        const QImage image = Render(button);
        for (QRgb colour : {normal, highlight, pushed, disabled}) {
            if (colour == c.text)
                EXPECT_GT(CountColour(image, colour), 20) << Hex(colour);
            else
                EXPECT_EQ(CountColour(image, colour), 0) << Hex(colour);
        }
    }
}

TEST(TDButtonPaint, CaptionPlacement) {
    // A full block glyph: its ink is exactly its advance wide.
    const QString block = QStringLiteral("\u2588");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const int width = QFontMetrics(font).horizontalAdvance(block);
    const struct {
        const char* name;
        Qt::Alignment alignment;
        int hIndent;
        bool picture;
        int first; // first column of the caption
    } cases[] = {
        {"left, default indent", Qt::AlignLeft, -1, false, 5},
        {"left, indent 9", Qt::AlignLeft, 9, false, 9},
        {"left beside a picture", Qt::AlignLeft, 9, true, 10 + 10},
        {"right, default indent", Qt::AlignRight, -1, false, 99 - width - 5},
        {"right, indent 3", Qt::AlignRight, 3, false, 99 - width - 5 - 3},
        {"centre", Qt::AlignHCenter, -1, false, 49 - width / 2},
        {"centre beside a picture", Qt::AlignHCenter, -1, true, 49 - width / 2 + 15 / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDButton button;
        SetUpCaptionButton(button, block, 12);
        button.SetAlignment(c.alignment);
        button.SetCaptionHIndent(c.hIndent);
        if (c.picture)
            button.SetPicture(RedPicture(10));
        const auto columns = ColumnsOf(Render(button), kText);
        EXPECT_EQ(columns.first, c.first);
        EXPECT_EQ(columns.second, c.first + width - 1);
    }
}

TEST(TDButtonPaint, CaptionVIndentMovesTheCaptionAndTheNumber) {
    for (bool number : {false, true}) {
        SCOPED_TRACE(number ? "number" : "caption");
        TDButton centred;
        TDButton lowered;
        for (TDButton* button : {&centred, &lowered}) {
            SetUpCaptionButton(*button, number ? QString() : QStringLiteral("\u2588"), 12);
            if (number)
                button->SetNumber(8);
        }
        lowered.SetCaptionVIndent(3);
        const auto rows = RowsOf(Render(centred), kText);
        ASSERT_NE(rows.first, -1);
        const auto lowRows = RowsOf(Render(lowered), kText);
        EXPECT_EQ(lowRows.first, rows.first + 3);
        EXPECT_EQ(lowRows.second, rows.second + 3);
    }
}

TEST(TDButtonPaint, NumberAtTheLeftUnlessThereIsAPicture) {
    TDButton button;
    SetUpCaptionButton(button, QString(), 16);
    EXPECT_EQ(CountColour(Render(button), kText), 0);

    button.SetNumber(1);
    const auto columns = ColumnsOf(Render(button), kText);
    EXPECT_GE(columns.first, 7);
    EXPECT_LE(columns.second, 7 + QFontMetrics(button.font()).horizontalAdvance(QStringLiteral("1")));

    button.SetPicture(RedPicture(10));
    EXPECT_EQ(CountColour(Render(button), kText), 0);
}

TEST(TDButtonPaint, PictureAtTheLeftCentredVertically) {
    const struct {
        QSize button;
        int size;
        std::pair<int, int> columns;
        std::pair<int, int> rows;
    } cases[] = {
        {QSize(60, 24), 10, {5, 14}, {6, 15}},
        {QSize(48, 20), 8, {5, 12}, {5, 12}},
        {QSize(48, 21), 7, {5, 11}, {7, 13}},
    };
    for (const auto& c : cases) {
        TDButton button;
        button.resize(c.button);
        button.SetPicture(RedPicture(c.size));
        const QImage image = Render(button);
        EXPECT_EQ(ColumnsOf(image, 0xFF0000), c.columns) << c.size;
        EXPECT_EQ(RowsOf(image, 0xFF0000), c.rows) << c.size;
    }
}
