// The mouse wheel over the main window, delivered as the window system delivers it: whichever
// control is under the pointer, the wheel's notches reach the viewer model's rule and each plane
// it steps to is rendered. Which modifiers step and how notches add up are the model's rules,
// tested in tests/viewer (WheelStep, WheelNotches); here only the wiring.

#include "UiFixture.h"
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
    struct Row {
        const char* what;
        Qt::KeyboardModifiers modifiers;
        Qt::MouseButtons buttons;
        QPoint angle;
        int step; // planes moved, one render for each
    };
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Row rows[] = {
        {"Shift, a notch toward the user", shift, {}, {0, -120}, +1},
        {"Shift, a notch away from the user", shift, {}, {0, 120}, -1},
        {"Shift, two notches in one message", shift, {}, {0, -240}, +2},
        {"Ctrl", Qt::ControlModifier, {}, {0, -120}, 0},
        {"Shift and the left button", shift, Qt::LeftButton, {0, -120}, 0},
    };
    main->SpeedButtonUpdate->setChecked(false);
    Select(kFivePlanes);
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    const std::function<QWidget*()> pointerOver[] = {
        [] { return TrackBarDegree; },
        [this] { return main->FileListBox1->viewport(); },
        [this] { return main->PaintBox1; },
        [this] { return main->ButtonRender; },
    };
    for (const auto& over : pointerOver) {
        for (const Row& row : rows) {
            TrackBarDegree->setValue(2);
            main->ButtonRenderClick(); // plane 2 is the one last rendered
            const int before = render->RenderCount();
            Wheel(over(), row.angle, row.modifiers, row.buttons);
            const char* const where = over()->metaObject()->className();
            EXPECT_EQ(TrackBarDegree->value(), 2 + row.step) << row.what << " over " << where;
            EXPECT_EQ(render->RenderCount(), before + std::abs(row.step))
                << row.what << " over " << where;
            EXPECT_EQ(viewer.LastRenderedDegree(), TrackBarDegree->value())
                << row.what << " over " << where;
        }
    }
}

} // namespace
} // namespace lumetra::test
