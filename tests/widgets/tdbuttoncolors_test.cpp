#include "tdbuttoncolors.h"
#include "tdbuttonpainter.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ColorDefault {
    const char* property;
    QRgb rgb;
};

// Every published colour with its value at creation.
const ColorDefault kColorDefaults[] = {
    {"cnBkLeftTop", 0xE9EBED},
    {"cnBkRightTop", 0xE9EBED},
    {"cnBkRightBottom", 0xE9EBED},
    {"cnBkLeftBottom", 0xE9EBED},
    {"FrameNormal", 0xA0BEE6},
    {"FrameHighlight", 0xC8B482},
    {"FramePushed", 0xC89632},
    {"GradientHighlightStart", 0xFFF5CD},
    {"GradientHighlightFinish", 0xFFD773},
    {"GradientNormalStart", 0xC8DCF0},
    {"GradientNormalFinish", 0xCDE1FA},
    {"GradientPushedStart", 0xFFEBA0},
    {"GradientPushedFinish", 0xE69628},
    {"Normal", 0xC0C0C0},
    {"Highlight", 0xFFF5CD},
    {"Pushed", 0xC0C0C0},
    {"TextNormal", 0x000000},
    {"TextHighlight", 0x000000},
    {"TextPushed", 0x000000},
};

} // namespace

TEST(TDButtonColors, PublishesNineteenColoursWithTheirDefaults) {
    TDButtonColors colors;
    const QMetaObject* meta = colors.metaObject();
    EXPECT_EQ(meta->propertyCount() - meta->propertyOffset(), int(std::size(kColorDefaults)));
    for (const ColorDefault& expected : kColorDefaults) {
        SCOPED_TRACE(expected.property);
        const QVariant value = colors.property(expected.property);
        ASSERT_TRUE(value.isValid());
        EXPECT_EQ(value.value<QColor>(), QColor::fromRgb(expected.rgb));
    }
}

TEST(TDButtonColors, EveryPropertyWritesItsOwnField) {
    for (const ColorDefault& target : kColorDefaults) {
        SCOPED_TRACE(target.property);
        TDButtonColors colors;
        QSignalSpy changed(&colors, &TDButtonColors::Changed);
        ASSERT_TRUE(colors.setProperty(target.property, QColor(0x12, 0x34, 0x56)));
        EXPECT_EQ(changed.count(), 1);
        for (const ColorDefault& other : kColorDefaults) {
            const QColor expected =
                other.property == target.property ? QColor(0x12, 0x34, 0x56) : QColor::fromRgb(other.rgb);
            EXPECT_EQ(colors.property(other.property).value<QColor>(), expected) << other.property;
        }
    }
}

TEST(TDButtonColors, KeepsColoursOpaqueAndSignalsOnlyRealChanges) {
    TDButtonColors colors;
    QSignalSpy changed(&colors, &TDButtonColors::Changed);
    colors.SetNormal(QColor(10, 20, 30, 40));
    EXPECT_EQ(colors.Normal(), QColor(10, 20, 30));
    EXPECT_EQ(colors.Normal().alpha(), 255);
    EXPECT_EQ(changed.count(), 1);
    colors.SetNormal(QColor(10, 20, 30));
    EXPECT_EQ(changed.count(), 1);
}

TEST(TDButtonColors, AssignCopiesEveryColourWithOneSignal) {
    TDButtonColors source;
    int i = 1;
    for (const ColorDefault& entry : kColorDefaults) {
        source.setProperty(entry.property, QColor(i, 2 * i, 3 * i));
        ++i;
    }
    TDButtonColors target;
    QSignalSpy changed(&target, &TDButtonColors::Changed);
    target.Assign(source);
    EXPECT_EQ(changed.count(), 1);
    for (const ColorDefault& entry : kColorDefaults)
        EXPECT_EQ(target.property(entry.property), source.property(entry.property)) << entry.property;
}

TEST(TDButtonPainter, OwnsDefaultColoursIsEnabledAndSignalsChanges) {
    TDButtonPainter painter;
    ASSERT_NE(painter.Colors(), nullptr);
    EXPECT_EQ(painter.Colors()->parent(), &painter);
    EXPECT_TRUE(painter.Enabled());
    EXPECT_EQ(painter.Colors()->FrameNormal(), QColor(0xA0, 0xBE, 0xE6));

    QSignalSpy changed(&painter, &TDButtonPainter::Changed);
    painter.Colors()->SetFramePushed(Qt::red);
    EXPECT_EQ(changed.count(), 1);
    painter.SetEnabled(false);
    EXPECT_FALSE(painter.Enabled());
    EXPECT_EQ(changed.count(), 2);
    painter.SetEnabled(false);
    EXPECT_EQ(changed.count(), 2);

    TDButtonColors other;
    other.SetNormal(Qt::blue);
    painter.SetColors(other);
    EXPECT_EQ(painter.Colors()->Normal(), QColor(Qt::blue));
    EXPECT_EQ(painter.Colors()->FramePushed(), other.FramePushed());
    EXPECT_EQ(changed.count(), 3);
}
