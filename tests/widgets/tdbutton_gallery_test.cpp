// Renders a sheet of buttons in their various looks into one PNG for a visual check. Disabled: run
// with --gtest_also_run_disabled_tests --gtest_filter='*Gallery*'. The file goes to
// $TARV_GALLERY_PNG, or /tmp/tdbutton.png.

#include "tdbutton.h"

#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TDButton* AddButton(QWidget* sheet, int column, int row, const QString& caption) {
    auto* button = new TDButton(sheet);
    button->setGeometry(10 + column * 100, 10 + row * 34, 90, 24);
    button->setText(caption);
    return button;
}

} // namespace

TEST(TDButtonGallery, DISABLED_Gallery) {
    QWidget sheet;
    sheet.resize(520, 250);
    sheet.setAutoFillBackground(true);
    QPalette palette = sheet.palette();
    palette.setColor(QPalette::Window, QColor(0xE9, 0xEB, 0xED));
    sheet.setPalette(palette);
    // About the size of a desktop's interface font.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    sheet.setFont(font);
    QMenu menu;
    menu.addAction(QStringLiteral("по алфавиту"));

    // Row 0: the states with the defaults (transparent normal, gradients when lit or pushed).
    AddButton(&sheet, 0, 0, QStringLiteral("Обычная"));
    AddButton(&sheet, 1, 0, QStringLiteral("Под мышью"))->SetHighlighted(true);
    AddButton(&sheet, 2, 0, QStringLiteral("Нажата"))->SetDowned(true);
    auto* pushedLit = AddButton(&sheet, 3, 0, QStringLiteral("Нажата+"));
    pushedLit->SetDowned(true);
    pushedLit->SetHighlighted(true);
    auto* disabled = AddButton(&sheet, 4, 0, QStringLiteral("Недоступна"));
    disabled->setEnabled(false);

    // Row 1: normal fill as a gradient and solid.
    auto* gradient = AddButton(&sheet, 0, 1, QStringLiteral("Градиент"));
    gradient->SetPaintOptions(gradient->PaintOptions() | TDButtonCustom::poNormalGradient);
    auto* solid = AddButton(&sheet, 1, 1, QStringLiteral("Сплошная"));
    solid->SetPaintOptions(TDButtonCustom::poHighlightGradient | TDButtonCustom::poPushedGradient);
    auto* flatLit = AddButton(&sheet, 2, 1, QStringLiteral("Без град."));
    flatLit->SetPaintOptions(TDButtonCustom::PaintOptionSet());
    flatLit->SetHighlighted(true);
    auto* square = AddButton(&sheet, 3, 1, QStringLiteral("Углы 0"));
    square->SetCornerRoundness(0);
    square->SetPaintOptions(gradient->PaintOptions());
    auto* round = AddButton(&sheet, 4, 1, QStringLiteral("Углы 10"));
    round->SetCornerRoundness(10);
    round->SetPaintOptions(gradient->PaintOptions());

    // Row 2: drop-down marks.
    AddButton(&sheet, 0, 2, QStringLiteral("Сорт."))->SetDropDownMenu(&menu);
    auto* right = AddButton(&sheet, 1, 2, QStringLiteral("Сорт."));
    right->SetDropDownMenu(&menu);
    right->SetDropDownPosition(TDButtonCustom::mpRight);
    auto* markLit = AddButton(&sheet, 2, 2, QStringLiteral("Сорт."));
    markLit->SetDropDownMenu(&menu);
    markLit->SetHighlighted(true);
    auto* leftAligned = AddButton(&sheet, 3, 2, QStringLiteral("Слева"));
    leftAligned->SetAlignment(Qt::AlignLeft);
    leftAligned->SetDropDownMenu(&menu);
    auto* rightAligned = AddButton(&sheet, 4, 2, QStringLiteral("Справа"));
    rightAligned->SetAlignment(Qt::AlignRight);

    // Row 3: a joined pair (outer corners rounded, shared middle side drawn once), frame subsets.
    auto* leftHalf = AddButton(&sheet, 0, 3, QStringLiteral("Левая"));
    leftHalf->setGeometry(10, 10 + 3 * 34, 60, 24);
    leftHalf->SetCorners(TDButtonCustom::cnLeftTop | TDButtonCustom::cnLeftBottom);
    leftHalf->SetPaintOptions(gradient->PaintOptions());
    auto* rightHalf = AddButton(&sheet, 0, 3, QStringLiteral("Правая"));
    rightHalf->setGeometry(70, 10 + 3 * 34, 60, 24);
    rightHalf->SetCorners(TDButtonCustom::cnRightTop | TDButtonCustom::cnRightBottom);
    rightHalf->SetBorder(TDButtonCustom::bbVisible | TDButtonCustom::bbTop | TDButtonCustom::bbBottom |
                         TDButtonCustom::bbRight);
    rightHalf->SetPaintOptions(gradient->PaintOptions());
    rightHalf->SetHighlighted(true);
    auto* topBottom = AddButton(&sheet, 2, 3, QStringLiteral("Верх+низ"));
    topBottom->SetBorder(TDButtonCustom::bbVisible | TDButtonCustom::bbTop | TDButtonCustom::bbBottom);
    topBottom->SetCornerRoundness(8);
    auto* leftSide = AddButton(&sheet, 3, 3, QStringLiteral("Левый край"));
    leftSide->SetBorder(TDButtonCustom::bbVisible | TDButtonCustom::bbLeft | TDButtonCustom::bbTop);
    leftSide->SetCornerRoundness(8);
    leftSide->SetHighlighted(true);
    auto* noFrame = AddButton(&sheet, 4, 3, QStringLiteral("Без рамки"));
    noFrame->SetBorder(TDButtonCustom::bbTop | TDButtonCustom::bbBottom | TDButtonCustom::bbLeft |
                       TDButtonCustom::bbRight);
    noFrame->SetHighlighted(true);

    // Row 4: picture, number, the default 48 × 20 size.
    QPixmap picture(12, 12);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x3C, 0x8C, 0x3C));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(1, 1, 10, 10);
    }
    AddButton(&sheet, 0, 4, QStringLiteral("Фильтр"))->SetPicture(picture);
    auto* number = AddButton(&sheet, 1, 4, QStringLiteral("   Номер"));
    number->SetNumber(7);
    number->SetAlignment(Qt::AlignLeft);
    number->SetCaptionHIndent(18);
    auto* small = new TDButton(&sheet);
    small->move(210, 10 + 4 * 34);
    small->setText(QStringLiteral("48×20"));
    small->SetHighlighted(true);
    auto* smallMenu = new TDButton(&sheet);
    smallMenu->move(270, 10 + 4 * 34);
    smallMenu->setText(QStringLiteral("Сорт"));
    smallMenu->SetDropDownMenu(&menu);
    smallMenu->SetCaptionHIndent(6);
    smallMenu->SetAlignment(Qt::AlignLeft);
    smallMenu->SetDowned(true);

    QImage image(sheet.size(), QImage::Format_ARGB32);
    sheet.render(&image);
    // Four times larger, pixel for pixel, so that single pixels can be judged.
    const QImage large = image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage both(large.width(), image.height() + large.height() + 10, QImage::Format_ARGB32);
    both.fill(Qt::white);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, image);
        painter.drawImage(0, image.height() + 10, large);
    }
    const QByteArray path = qEnvironmentVariableIsEmpty("TARV_GALLERY_PNG") ? QByteArray("/tmp/tdbutton.png")
                                                                            : qgetenv("TARV_GALLERY_PNG");
    ASSERT_TRUE(both.save(QString::fromLocal8Bit(path)));
}
