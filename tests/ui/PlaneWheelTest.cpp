// The mouse wheel over the main window, delivered as the window system delivers it: whichever
// control is under the pointer, the wheel's notches reach the viewer model's rule and each plane
// it steps to is rendered. Which modifiers step and how notches add up are the model's rules,
// tested in tests/viewer (WheelStep, WheelNotches); here the wiring and the keys' bits.

#include "UiFixture.h"
#include "ui/MouseWheelWatch.h"
#include "ui/TrackBars.h"

#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <cstdlib>
#include <functional>

namespace lumetra::test {
namespace {

class PlaneWheelTest : public UiFixture {
  protected:
    // One wheel message to the main window, which hands it to the control under the pointer and
    // on to that control's parents while they ignore it.
    void Wheel(QWidget* under, QPoint angle, Qt::KeyboardModifiers modifiers,
               Qt::MouseButtons buttons) {
        const QPoint local = under->rect().center();
        const QPoint inWindow = under->mapTo(main.get(), local);
        ASSERT_EQ(main->childAt(inWindow), under) << "the pointer is over the control";
        QWheelEvent event(inWindow, under->mapToGlobal(local), QPoint(), angle, buttons, modifiers,
                          Qt::NoScrollPhase, false);
        event.setTimestamp(++wheelClock);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(main->windowHandle(), &event);
    }

    quint64 wheelClock = 1000;
};

TEST_F(PlaneWheelTest, NotchesReachThePlaneSelectorWhereverThePointerIs) {
    const std::function<QWidget*()> selector = [] { return TrackBarDegree; };
    const std::function<QWidget*()> files = [this] { return main->FileListBox1->viewport(); };
    const std::function<QWidget*()> goniogram = [this] { return main->PaintBox1; };
    const std::function<QWidget*()> button = [this] { return main->ButtonRender; };
    struct Row {
        const char* what;
        const std::function<QWidget*()>& over;
        QPoint angle;
        int step; // planes moved, one render for each
    };
    // Shift held; which modifiers step is the model's rule.
    const Row rows[] = {
        {"a notch toward the user", selector, {0, -120}, +1},
        {"a notch toward the user", files, {0, -120}, +1},
        {"a notch toward the user", goniogram, {0, -120}, +1},
        {"a notch toward the user", button, {0, -120}, +1},
        {"a notch away from the user", files, {0, 120}, -1},
        {"two notches in one message", goniogram, {0, -240}, +2},
    };
    main->SpeedButtonUpdate->setChecked(false);
    Select(kFivePlanes);
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    for (const Row& row : rows) {
        TrackBarDegree->setValue(2);
        main->ButtonRenderClick(); // plane 2 is the one last rendered
        const int before = render->RenderCount();
        Wheel(row.over(), row.angle, Qt::ShiftModifier, {});
        const char* const where = row.over()->metaObject()->className();
        EXPECT_EQ(TrackBarDegree->value(), 2 + row.step) << row.what << " over " << where;
        EXPECT_EQ(render->RenderCount(), before + std::abs(row.step))
            << row.what << " over " << where;
        EXPECT_EQ(viewer.LastRenderedDegree(), TrackBarDegree->value())
            << row.what << " over " << where;
    }
}

// The keys and buttons held during a wheel message, as the model's rules read them.
TEST(WheelShiftState, EachKeyAndButtonHasItsBit) {
    struct Row {
        Qt::KeyboardModifiers modifiers;
        Qt::MouseButtons buttons;
        int state;
    };
    const Row rows[] = {
        {Qt::NoModifier, Qt::NoButton, 0},
        {Qt::ShiftModifier, Qt::NoButton, kShiftKey},
        {Qt::AltModifier, Qt::NoButton, kAltKey},
        {Qt::ControlModifier, Qt::NoButton, kCtrlKey},
        {Qt::ShiftModifier, Qt::LeftButton, kShiftKey | kLeftButton},
        {Qt::NoModifier, Qt::RightButton, kRightButton},
        {Qt::ShiftModifier | Qt::ControlModifier, Qt::MiddleButton,
         kShiftKey | kCtrlKey | kMiddleButton},
        {Qt::MetaModifier | Qt::KeypadModifier, Qt::BackButton, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ShiftState(row.modifiers, row.buttons), row.state) << row.state;
}

} // namespace
} // namespace lumetra::test
