#include "UiFixture.h"
#include "ui/TrackBars.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace lumetra::test {
namespace {

class RenderWindowTest : public UiFixture {
  protected:
    int Renders() const { return render->RenderCount(); }

    void ShowRenderWindow() {
        render->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    }

    static QPoint ThumbCentre(QSlider* bar) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.tickPosition = bar->tickPosition();
        return bar->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar)
            .center();
    }

    // Presses the thumb, moves it by dx pixels in steps and releases it there.
    void Drag(QSlider* bar, int dx, int steps = 4) {
        const QPoint start = ThumbCentre(bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, start);
        ASSERT_TRUE(bar->isSliderDown()) << "the press reaches the thumb";
        for (int i = 1; i <= steps; ++i) {
            QMouseEvent move(QEvent::MouseMove, start + QPoint(dx * i / steps, 0),
                             bar->mapToGlobal(start + QPoint(dx * i / steps, 0)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
            rendersDuringDrag = std::max(rendersDuringDrag, Renders());
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, start + QPoint(dx, 0));
    }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {}) {
        QWheelEvent event(QPointF(50, 50), QPointF(main->mapToGlobal(QPoint(50, 50))), QPoint(),
                          QPoint(0, delta), buttons, modifiers, Qt::NoScrollPhase, false);
        event.setTimestamp(++wheelClock);
        QApplication::sendEvent(main->FileListBox1->viewport(), &event);
    }

    int rendersDuringDrag = 0;
    quint64 wheelClock = 1000;
};

TEST_F(RenderWindowTest, BarDragRendersOnceAtReleaseAndNeverDuringTheDrag) {
    Select(kFivePlanes);
    ShowRenderWindow();
    const int before = Renders();
    const QImage picture = render->Image1->Picture();
    Drag(TrackBar2, 40);
    EXPECT_GT(TrackBar2->value(), 15);
    EXPECT_EQ(rendersDuringDrag, before);
    EXPECT_EQ(render->Label2->text(), QString::number(TrackBar2->value()));
    EXPECT_EQ(Renders(), before + 1);
    EXPECT_NE(render->Image1->Picture(), picture) << "brighter picture";
}

TEST_F(RenderWindowTest, ClickOnThumbWithoutMovingRendersNothing) {
    Select(kFivePlanes);
    ShowRenderWindow();
    const int before = Renders();
    QTest::mouseClick(TrackBarZoom, Qt::LeftButton, {}, ThumbCentre(TrackBarZoom));
    QTest::keyClick(TrackBar2, Qt::Key_Shift);
    EXPECT_EQ(Renders(), before);
    QTest::keyClick(TrackBar2, Qt::Key_Right);
    EXPECT_EQ(Renders(), before + 1) << "a key that moves the bar renders at its release";
}

TEST_F(RenderWindowTest, ResetButtonsAndRadiosityRender) {
    ShowRenderWindow();
    QTest::mouseClick(render->CheckBoxRadiosity, Qt::LeftButton);
    EXPECT_EQ(Renders(), 0) << "nothing loaded yet";
    EXPECT_EQ(render->LabelZoom->text(), "9500");
    TrackBarZoom->setValue(10000);
    EXPECT_EQ(render->LabelZoom->text(), "0") << "the caption follows the bar";

    Select(kFivePlanes);
    const int afterLoad = Renders();
    QTest::mouseClick(render->ButtonResetZoom, Qt::LeftButton);
    EXPECT_EQ(TrackBarZoom->value(), 500);
    QTest::mouseClick(render->ButtonResetZoom, Qt::LeftButton);
    QTest::mouseClick(render->Button2, Qt::LeftButton);
    EXPECT_EQ(Renders(), afterLoad + 3) << "resets render even when nothing changes";
    QTest::mouseClick(render->CheckBoxRadiosity, Qt::LeftButton);
    EXPECT_EQ(Renders(), afterLoad + 4);
}

TEST_F(RenderWindowTest, BarsClampPositionsToTheirRange) {
    TrackBar2->setValue(500);
    EXPECT_EQ(TrackBar2->value(), 100);
    TrackBarZoom->setValue(0);
    EXPECT_EQ(TrackBarZoom->value(), 1);
}

// Whether a load renders is the model's rule; here a load reaches it with the window hidden and
// shown.
TEST_F(RenderWindowTest, LoadRendersOnlyWithWindowShownAndAutomaticUpdateDown) {
    main->SpeedButtonUpdate->setChecked(true);
    Select(kFivePlanes);
    EXPECT_EQ(Renders(), 0) << "render window hidden";

    ShowRenderWindow();
    const int shown = Renders();
    EXPECT_EQ(shown, 1) << "showing renders";
    Select(kManyPlanes);
    EXPECT_EQ(Renders(), shown + 1);
}

// The rule itself is the viewer model's; here the window's showing, closing and the toggle
// reach it.
TEST_F(RenderWindowTest, RenderButtonFollowsTheToggleAndTheRenderWindow) {
    main->SpeedButtonUpdate->setChecked(false);
    QTest::mouseClick(main->SpeedButtonUpdate, Qt::LeftButton);
    EXPECT_TRUE(main->ButtonRender->isEnabled()) << "automatic update on, window hidden";
    ShowRenderWindow();
    EXPECT_FALSE(main->ButtonRender->isEnabled());
    QTest::mouseClick(main->SpeedButtonUpdate, Qt::LeftButton);
    EXPECT_TRUE(main->ButtonRender->isEnabled()) << "automatic update off";
    QTest::mouseClick(main->SpeedButtonUpdate, Qt::LeftButton);
    render->close();
    EXPECT_TRUE(main->ButtonRender->isEnabled());
}

// Which action the button takes is the model's rule; here each action reaches the windows.
TEST_F(RenderWindowTest, RenderButtonRendersOnlyWhenPlaneOrFileChanged) {
    main->SpeedButtonUpdate->setChecked(false);
    QTest::mouseClick(main->ButtonRender, Qt::LeftButton);
    ASSERT_EQ(messages, QStringList{"Please select file"});
    EXPECT_TRUE(render->isHidden());

    Select(kFivePlanes);
    QTest::mouseClick(main->ButtonRender, Qt::LeftButton);
    EXPECT_TRUE(render->isVisible());
    EXPECT_EQ(Renders(), 1);
    QTest::mouseClick(main->ButtonRender, Qt::LeftButton);
    EXPECT_EQ(Renders(), 1) << "nothing changed";

    TrackBarDegree->setValue(2);
    QTest::mouseClick(main->ButtonRender, Qt::LeftButton);
    EXPECT_EQ(Renders(), 2);
    EXPECT_EQ(viewer.LastRenderedDegree(), 2);

    render->hide();
    QTest::mouseClick(main->ButtonRender, Qt::LeftButton);
    EXPECT_EQ(Renders(), 3) << "opening the window renders even when nothing changed";
}

TEST_F(RenderWindowTest, WheelWithMiddleButtonHeldSaysClickOncePerMessage) {
    Wheel(120, Qt::NoModifier, Qt::MiddleButton);
    Wheel(-120, Qt::NoModifier, Qt::MiddleButton);
    Wheel(120, Qt::ShiftModifier, Qt::MiddleButton);
    EXPECT_EQ(messages, (QStringList{"Click!", "Click!"}));
}

TEST_F(RenderWindowTest, PlaneSelectorDragRendersOnceAtRelease) {
    main->SpeedButtonUpdate->setChecked(true);
    main->SpeedButtonOrtho->setChecked(false);
    Select(kManyPlanes);
    ShowRenderWindow();
    const int before = Renders();
    Drag(TrackBarDegree, 30, 6);
    ASSERT_GT(TrackBarDegree->value(), 0);
    EXPECT_EQ(rendersDuringDrag, before);
    EXPECT_EQ(Renders(), before + 1);
    EXPECT_EQ(viewer.LastRenderedDegree(), TrackBarDegree->value());
    EXPECT_EQ(viewer.LastDrawnDegree(), TrackBarDegree->value());

    // Holding the arrow key: repeated releases render nothing until the key comes up.
    for (int i = 0; i < 2; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(TrackBarDegree, &press);
        QApplication::sendEvent(TrackBarDegree, &repeat);
    }
    EXPECT_EQ(Renders(), before + 1);
    QTest::keyRelease(TrackBarDegree, Qt::Key_Right);
    EXPECT_EQ(Renders(), before + 2);
    EXPECT_EQ(viewer.LastRenderedDegree(), TrackBarDegree->value());

    main->SpeedButtonUpdate->setChecked(false);
    TrackBarDegree->setFocus();
    QTest::keyClick(TrackBarDegree, Qt::Key_Right);
    EXPECT_EQ(Renders(), before + 2) << "automatic update off";
    main->SpeedButtonUpdate->setChecked(true);
    QTest::keyClick(TrackBarDegree, Qt::Key_Shift);
    EXPECT_EQ(Renders(), before + 3) << "any key release renders a plane not yet rendered";
}

TEST_F(RenderWindowTest, FailingPassKeepsOldPictureAndReportsTheError) {
    WriteFile("zero.ies", "TILT=NONE\n1 1000 1 2 1 1 1 0 0 0 1 1 10\n0 90\n0\n0 0\n");
    Select(kFivePlanes);
    ShowRenderWindow();
    const QImage picture = render->Image1->Picture();
    ASSERT_FALSE(picture.isNull());
    main->SpeedButtonUpdate->setChecked(true);
    Select("zero.ies");
    EXPECT_EQ(messages, QStringList{"Invalid floating point operation."})
        << "0 / 0 on the first sample";
    EXPECT_EQ(render->Image1->Picture(), picture);
    EXPECT_TRUE(main->ProgressBarRender->isHidden());
    EXPECT_TRUE(main->Label3->text().startsWith("Rendering time: "));
}

TEST_F(RenderWindowTest, ProgressBarHidesTheLastTimeUntilThePassEnds) {
    Select(kFivePlanes);
    ShowRenderWindow();
    const QString last = "Rendering time: 99.999 sec";
    main->Label3->setText(last);
    int reports = 0, reportsWithTimeShown = 0;
    QObject::connect(render.get(), &TRenderWindow::renderProgress, main.get(), [&] {
        ++reports;
        EXPECT_TRUE(main->ProgressBarRender->isVisible());
        reportsWithTimeShown += main->Label3->isVisible() ? 1 : 0;
    });
    QTest::mouseClick(render->Button2, Qt::LeftButton); // the brightness reset renders
    EXPECT_GT(reports, 0);
    EXPECT_EQ(reportsWithTimeShown, 0);
    EXPECT_TRUE(main->ProgressBarRender->isHidden());
    EXPECT_TRUE(main->Label3->isVisible());
    EXPECT_NE(main->Label3->text(), last);
    EXPECT_TRUE(main->Label3->text().startsWith("Rendering time: "));
}

TEST(RenderTimeText, WholeSecondsAndThreeDigitMilliseconds) {
    using std::chrono::milliseconds;
    EXPECT_EQ(RenderTimeText(milliseconds(2345)), "Rendering time: 2.345 sec");
    EXPECT_EQ(RenderTimeText(milliseconds(50)), "Rendering time: 0.050 sec");
    EXPECT_EQ(RenderTimeText(milliseconds(0)), "Rendering time: 0.000 sec");
}

} // namespace
} // namespace lumetra::test
