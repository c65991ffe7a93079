#include "tdbutton.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const TDButtonCustom::PaintOptionSet kNG = TDButtonCustom::poNormalGradient;
const TDButtonCustom::PaintOptionSet kHG = TDButtonCustom::poHighlightGradient;
const TDButtonCustom::PaintOptionSet kPG = TDButtonCustom::poPushedGradient;
const TDButtonCustom::PaintOptionSet kNT = TDButtonCustom::poNormalTransparent;

void SendEnter(QWidget* widget) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &event);
}

void SendLeave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// A shown window with one button at (20, 30) inside it.
struct Window {
    QWidget window;
    TDButton* button = new TDButton(&window);

    Window() {
        window.setGeometry(100, 100, 300, 200);
        button->move(20, 30);
        window.show();
    }
};

// Counts how often the menu is about to show; once it is open, runs whileOpen inside the menu's own
// event loop and closes the menu.
struct MenuWatcher {
    QMenu* menu;
    int shown = 0;
    std::function<void()> whileOpen;

    explicit MenuWatcher(QMenu* watched) : menu(watched) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] {
            ++shown;
            QTimer::singleShot(0, menu, [this] {
                if (whileOpen)
                    whileOpen();
                menu->close();
            });
        });
    }
};

} // namespace

TEST(TDButton, StartsWithItsDefaults) {
    TDButton button;
    EXPECT_EQ(button.size(), QSize(48, 20));
    EXPECT_EQ(button.sizeHint(), QSize(48, 20));
    EXPECT_TRUE(button.testAttribute(Qt::WA_NoSystemBackground));
    EXPECT_FALSE(button.autoFillBackground());

    EXPECT_EQ(button.text(), QString());
    EXPECT_EQ(button.Number(), -1);
    EXPECT_TRUE(button.Picture().isNull());
    EXPECT_EQ(button.Alignment(), Qt::AlignHCenter);
    EXPECT_EQ(button.CaptionHIndent(), -1);
    EXPECT_EQ(button.CaptionVIndent(), 0);
    EXPECT_EQ(button.Corners(), TDButtonCustom::cnLeftTop | TDButtonCustom::cnRightTop |
                                    TDButtonCustom::cnRightBottom | TDButtonCustom::cnLeftBottom);
    EXPECT_EQ(button.CornerRoundness(), 4);
    EXPECT_EQ(int(button.Border()), 31);
    EXPECT_EQ(button.PaintOptions(), kHG | kPG | kNT);
    EXPECT_EQ(button.GradientPositions(), QStringLiteral("  0|4900|5000|10000"));
    EXPECT_EQ(button.GradientIntensities(), QStringLiteral("  0|3000|9000|300"));
    EXPECT_EQ(button.DropDownMenu(), nullptr);
    EXPECT_FALSE(button.DropDownMark());
    EXPECT_EQ(button.DropDownMarkVIndent(), 0);
    EXPECT_EQ(button.DropDownMarkColor(), QColor(0x5A, 0x82, 0xB4));
    EXPECT_EQ(button.DropDownPosition(), TDButtonCustom::mpBottom);
    EXPECT_FALSE(button.Downed());
    EXPECT_FALSE(button.Highlighted());
    EXPECT_FALSE(button.Pushed());
    EXPECT_EQ(button.DropDownMenuShown(), -1);
    EXPECT_EQ(button.ButtonPainter(), nullptr);
    ASSERT_NE(button.Colors(), nullptr);
    EXPECT_EQ(button.Colors()->parent(), &button);
}

TEST(TDButton, PublishesItsSettingsAsProperties) {
    QMenu menu;
    TDButtonPainter painter;
    const struct {
        const char* name;
        QVariant value;
    } cases[] = {
        {"text", QStringLiteral("Сорт.")},
        {"Number", 3},
        {"Alignment", QVariant::fromValue(Qt::Alignment(Qt::AlignLeft))},
        {"CaptionHIndent", 7},
        {"CaptionVIndent", -2},
        {"Corners", QVariant::fromValue(TDButtonCustom::CornerSet(TDButtonCustom::cnRightBottom))},
        {"CornerRoundness", 6},
        {"Border", QVariant::fromValue(TDButtonCustom::bbVisible | TDButtonCustom::bbTop)},
        {"ButtonPainter", QVariant::fromValue(&painter)},
        {"PaintOptions", QVariant::fromValue(kPG)},
        {"GradientPositions", QStringLiteral("  0|2000|8000|10000")},
        {"GradientIntensities", QStringLiteral("100|  0| 50|10000")},
        {"DropDownMenu", QVariant::fromValue(&menu)},
        {"DropDownMarkVIndent", 2},
        {"DropDownMarkColor", QColor(Qt::red)},
        {"DropDownPosition", QVariant::fromValue(TDButtonCustom::mpRight)},
        {"Downed", true},
        {"Highlighted", true},
    };
    TDButton button;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(button.setProperty(c.name, c.value));
        EXPECT_EQ(button.property(c.name), c.value);
    }
    EXPECT_EQ(button.property("Colors").value<TDButtonColors*>(), button.Colors());
    EXPECT_TRUE(button.setProperty("DropDownMark", false));
    EXPECT_EQ(button.property("DropDownMark"), QVariant(false));

    QPixmap picture(4, 3);
    EXPECT_TRUE(button.setProperty("Picture", picture));
    EXPECT_EQ(button.Picture().size(), QSize(4, 3));
}

TEST(TDButton, AlignmentKeepsOnlyLeftRightOrCentre) {
    const struct {
        Qt::Alignment written;
        Qt::Alignment read;
    } cases[] = {
        {Qt::AlignLeft, Qt::AlignLeft},
        {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft},
        {Qt::AlignRight | Qt::AlignBottom, Qt::AlignRight},
        {Qt::AlignHCenter, Qt::AlignHCenter},
        {Qt::AlignJustify, Qt::AlignHCenter},
        {Qt::AlignTop, Qt::AlignHCenter},
    };
    for (const auto& c : cases) {
        TDButton button;
        button.SetAlignment(c.written);
        EXPECT_EQ(button.Alignment(), c.read) << int(c.written);
    }
}

TEST(TDButton, GradientTextsChangeOnlyForFourWholeNumbers) {
    const struct {
        const char* written;
        const char* read; // nullptr: the values stay as they were
    } cases[] = {
        {"  0|2500|7500|10000", "  0|2500|7500|10000"},
        {"0|2500|7500|10000", "  0|2500|7500|10000"},
        {"   1|  2|3|  45", "  1|  2|  3| 45"},
        {"-100|0|0|12345", "-100|  0|  0|12345"},
        {"0|4900|5000", nullptr},
        {"0|1|2|3|4", nullptr},
        {"0|4900|5000|10000|", nullptr},
        {"0|1|x|3", nullptr},
        {"0|1||3", nullptr},
        {"0|1.5|2|3", nullptr},
        {"", nullptr},
    };
    for (const char* property : {"GradientPositions", "GradientIntensities"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(property) + " = \"" + c.written + "\"");
            TDButton button;
            const QString before = button.property(property).toString();
            button.setProperty(property, QString::fromLatin1(c.written));
            EXPECT_EQ(button.property(property).toString(), c.read ? QString::fromLatin1(c.read) : before);
        }
    }
    // The two texts are independent.
    TDButton button;
    button.SetGradientPositions(QStringLiteral("10|20|30|40"));
    EXPECT_EQ(button.GradientIntensities(), QStringLiteral("  0|3000|9000|300"));
}

TEST(TDButton, NormalGradientAndTransparentNormalExcludeEachOther) {
    const struct {
        TDButtonCustom::PaintOptionSet before;
        TDButtonCustom::PaintOptionSet written;
        TDButtonCustom::PaintOptionSet after;
    } cases[] = {
        {kHG | kPG | kNT, kHG | kPG | kNT | kNG, kHG | kPG | kNG},
        {kHG | kPG | kNG, kHG | kPG | kNG | kNT, kHG | kPG | kNT},
        {kNT, kNT | kNG, kNG},
        {kNG, kNG | kNT, kNT},
        {{}, kNG | kNT, kNG},
        {kHG | kPG | kNT, kHG, kHG},
        {kHG | kPG | kNT, {}, {}},
        {kNG, kNG | kPG, kNG | kPG},
    };
    for (const auto& c : cases) {
        TDButton button;
        button.SetPaintOptions(c.before);
        ASSERT_EQ(button.PaintOptions(), c.before);
        button.SetPaintOptions(c.written);
        EXPECT_EQ(button.PaintOptions(), c.after) << int(c.before) << " <- " << int(c.written);
    }
}

TEST(TDButton, AssigningAMenuShowsTheMarkAndClearingItHidesIt) {
    TDButton button;
    QMenu first;
    button.SetDropDownMenu(&first);
    EXPECT_EQ(button.DropDownMenu(), &first);
    EXPECT_TRUE(button.DropDownMark());

    button.SetDropDownMark(false);
    EXPECT_FALSE(button.DropDownMark());
    EXPECT_EQ(button.DropDownMenu(), &first);

    button.SetDropDownMenu(nullptr);
    EXPECT_EQ(button.DropDownMenu(), nullptr);
    EXPECT_FALSE(button.DropDownMark());
    button.SetDropDownMark(true);
    EXPECT_TRUE(button.DropDownMark());
}

TEST(TDButton, ADestroyedMenuIsForgotten) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    auto* menu = new QMenu;
    button.SetDropDownMenu(menu);
    delete menu;
    EXPECT_EQ(button.DropDownMenu(), nullptr);
    EXPECT_FALSE(button.DropDownMark());
    // Without its menu the button is a plain button again.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(TDButton, AReplacedMenuNoLongerAffectsTheButton) {
    TDButton button;
    auto* old = new QMenu;
    QMenu current;
    button.SetDropDownMenu(old);
    button.SetDropDownMenu(&current);
    delete old;
    EXPECT_EQ(button.DropDownMenu(), &current);
    EXPECT_TRUE(button.DropDownMark());
}

TEST(TDButton, ADestroyedPainterIsForgotten) {
    TDButton button;
    auto* painter = new TDButtonPainter;
    button.SetButtonPainter(painter);
    EXPECT_EQ(button.ButtonPainter(), painter);
    delete painter;
    EXPECT_EQ(button.ButtonPainter(), nullptr);
}

TEST(TDButtonMouse, EnteringLightsAndLeavingDims) {
    TDButton button;
    SendEnter(&button);
    EXPECT_TRUE(button.Highlighted());
    SendLeave(&button);
    EXPECT_FALSE(button.Highlighted());
}

TEST(TDButtonMouse, ALeftClickInsidePushesAndClicks) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    SendEnter(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.Pushed());
    EXPECT_TRUE(button.Highlighted());
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 10));
    EXPECT_FALSE(button.Pushed());
    EXPECT_TRUE(button.Highlighted());
    EXPECT_EQ(clicked.count(), 1);
}

TEST(TDButtonMouse, EveryPixelOfTheButtonCountsAsInside) {
    const QPoint inside[] = {{0, 0}, {47, 0}, {0, 19}, {47, 19}};
    const QPoint outside[] = {{-1, 5}, {48, 5}, {5, -1}, {5, 20}};
    for (const QPoint& point : inside) {
        TDButton button;
        QSignalSpy clicked(&button, &TDButtonCustom::clicked);
        QTest::mousePress(&button, Qt::LeftButton, {}, point);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, point);
        EXPECT_EQ(clicked.count(), 1) << point.x() << "," << point.y();
        EXPECT_TRUE(button.Highlighted());
    }
    for (const QPoint& point : outside) {
        TDButton button;
        QSignalSpy clicked(&button, &TDButtonCustom::clicked);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, point);
        EXPECT_EQ(clicked.count(), 0) << point.x() << "," << point.y();
        EXPECT_FALSE(button.Highlighted());
        EXPECT_FALSE(button.Pushed());
    }
}

TEST(TDButtonMouse, DraggingOutAndBackFollowsThePointer) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    SendEnter(&button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent out(QEvent::MouseMove, QPointF(60, 10), button.mapToGlobal(QPointF(60, 10)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &out);
    EXPECT_TRUE(button.Pushed());
    EXPECT_FALSE(button.Highlighted());
    QMouseEvent back(QEvent::MouseMove, QPointF(20, 10), button.mapToGlobal(QPointF(20, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &back);
    EXPECT_TRUE(button.Highlighted());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(TDButtonMouse, ARightClickPushesButDoesNotClick) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.Pushed());
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Pushed());
    EXPECT_EQ(clicked.count(), 0);
}

TEST(TDButtonMouse, ADoubleClickCountsAsASecondClick) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(10, 10), button.mapToGlobal(QPointF(10, 10)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &doubleClick);
    EXPECT_TRUE(button.Pushed());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 2);
}

TEST(TDButtonMouse, ADisabledButtonIgnoresTheMouse) {
    TDButton button;
    QMenu menu;
    MenuWatcher watcher(&menu);
    button.SetDropDownMenu(&menu);
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    button.setEnabled(false);
    SendEnter(&button);
    EXPECT_FALSE(button.Highlighted());
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Pushed());
    EXPECT_EQ(watcher.shown, 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 0);
}

TEST(TDButtonMouse, DisablingALitPushedButtonSettlesIt) {
    TDButton button;
    SendEnter(&button);
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(10, 10));
    button.setEnabled(false);
    EXPECT_FALSE(button.Pushed());
    EXPECT_FALSE(button.Highlighted());
}

TEST(TDButtonMouse, DownedStaysThroughClicks) {
    TDButton button;
    QSignalSpy clicked(&button, &TDButtonCustom::clicked);
    button.SetDowned(true);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(button.Downed());
    button.SetDowned(false);
    EXPECT_FALSE(button.Downed());
}

TEST(TDButtonMenu, DropDownPointLiesBesideTheButton) {
    QMenu menu;
    menu.addAction(QStringLiteral("по алфавиту"));
    menu.addAction(QStringLiteral("по частоте"));
    TDButton button;
    button.resize(70, 22);
    button.SetDropDownMenu(&menu);
    const struct {
        TDButtonCustom::MenuPosition position;
        QPoint point;
    } cases[] = {
        {TDButtonCustom::mpBottom, QPoint(0, 23)},
        {TDButtonCustom::mpRight, QPoint(71, 0)},
        {TDButtonCustom::mpTop, QPoint(0, -menu.sizeHint().height() - 1)},
    };
    for (const auto& c : cases) {
        button.SetDropDownPosition(c.position);
        EXPECT_EQ(button.DropDownPoint(), c.point) << int(c.position);
    }
}

TEST(TDButtonMenu, ALeftPressOpensTheMenuBesideTheButton) {
    for (TDButtonCustom::MenuPosition position : {TDButtonCustom::mpBottom, TDButtonCustom::mpRight}) {
        SCOPED_TRACE(int(position));
        Window w;
        QMenu menu;
        menu.addAction(QStringLiteral("по алфавиту"));
        w.button->SetDropDownMenu(&menu);
        w.button->SetDropDownPosition(position);
        QSignalSpy clicked(w.button, &TDButtonCustom::clicked);
        MenuWatcher watcher(&menu);
        int shownState = 0;
        bool pushedWhileOpen = false;
        QPoint menuAt;
        watcher.whileOpen = [&] {
            shownState = w.button->DropDownMenuShown();
            pushedWhileOpen = w.button->Pushed();
            menuAt = menu.pos();
        };
        QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(watcher.shown, 1);
        EXPECT_EQ(shownState, 1);
        EXPECT_TRUE(pushedWhileOpen);
        EXPECT_EQ(menuAt, w.button->mapToGlobal(w.button->DropDownPoint()));
        EXPECT_EQ(w.button->DropDownMenuShown(), -1);
        EXPECT_FALSE(w.button->Pushed());
        QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(clicked.count(), 0);
    }
}

TEST(TDButtonMenu, AfterTheMenuTheButtonIsLitOnlyUnderTheCursor) {
    for (bool cursorInside : {true, false}) {
        SCOPED_TRACE(cursorInside);
        Window w;
        QMenu menu;
        menu.addAction(QStringLiteral("по алфавиту"));
        w.button->SetDropDownMenu(&menu);
        MenuWatcher watcher(&menu);
        const QPoint center = w.button->mapToGlobal(QPoint(24, 10));
        watcher.whileOpen = [&] {
            QCursor::setPos(cursorInside ? center : center + QPoint(0, 100));
        };
        SendEnter(w.button);
        QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(24, 10));
        ASSERT_EQ(watcher.shown, 1);
        EXPECT_EQ(w.button->Highlighted(), cursorInside);
    }
}

TEST(TDButtonMenu, LeavingWhileTheMenuIsOpenKeepsTheButtonLit) {
    Window w;
    QMenu menu;
    menu.addAction(QStringLiteral("по алфавиту"));
    w.button->SetDropDownMenu(&menu);
    MenuWatcher watcher(&menu);
    bool litAfterLeave = false;
    bool openedTwice = false;
    watcher.whileOpen = [&] {
        SendLeave(w.button);
        litAfterLeave = w.button->Highlighted();
        // A press while the menu is open does not open it a second time.
        QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
        openedTwice = watcher.shown > 1;
    };
    SendEnter(w.button);
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(litAfterLeave);
    EXPECT_FALSE(openedTwice);
    EXPECT_EQ(watcher.shown, 1);
}

TEST(TDButtonMenu, ARightPressPushesButOpensNoMenu) {
    TDButton button;
    QMenu menu;
    button.SetDropDownMenu(&menu);
    MenuWatcher watcher(&menu);
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.Pushed());
    EXPECT_EQ(watcher.shown, 0);
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Pushed());
    EXPECT_EQ(watcher.shown, 0);
}

TEST(TDButtonMenu, AnActionOfTheMenuRunsAndTheButtonSettles) {
    Window w;
    QMenu menu;
    QAction* action = menu.addAction(QStringLiteral("по алфавиту"));
    QSignalSpy triggered(action, &QAction::triggered);
    w.button->SetDropDownMenu(&menu);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QTimer::singleShot(0, &menu, [&] {
            action->trigger();
            menu.close();
        });
    });
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(w.button->Pushed());
    EXPECT_EQ(w.button->DropDownMenuShown(), -1);
}

TEST(TDButtonMenu, AButtonDestroyedByItsMenuIsLeftAlone) {
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    QPointer<TDButton> button = new TDButton(&window);
    window.show();
    QMenu menu;
    QAction* action = menu.addAction(QStringLiteral("закрыть"));
    button->SetDropDownMenu(&menu);
    // The action deletes the button from inside the menu's event loop.
    QObject::connect(action, &QAction::triggered, &window, [&] { delete button; });
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QTimer::singleShot(0, &menu, [&] {
            action->trigger();
            menu.close();
        });
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    EXPECT_TRUE(button.isNull());
}
