// What the keyboard and a screen reader reach: the context menus from the keyboard, Esc in the
// render window, and the controls' accessible names and descriptions.

#include "UiFixture.h"

#include <QAccessible>
#include <functional>

namespace lumetra::test {
namespace {

class KeyboardAndReaderTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        main->move(0, 0); // both menus open inside the screen, where they were asked for
        Select(kFivePlanes);
        render->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    }
};

TEST_F(KeyboardAndReaderTest, MenuKeysOpenTheContextMenusAtTheCentreAndEscClosesTheRenderWindow) {
    struct Row {
        QWidget* window;
        QKeyCombination keys;
        QMenu* menu; // null: the key closes the window
        QWidget* area;
    } const rows[] = {
        {main.get(), Qt::SHIFT | Qt::Key_F10, main->PanelImage->Menu, main->PaintBox1},
        {main.get(), QKeyCombination(Qt::Key_Menu), main->PanelImage->Menu, main->PaintBox1},
        {render.get(), Qt::SHIFT | Qt::Key_F10, render->PictureMenu, render->Image1},
        {render.get(), QKeyCombination(Qt::Key_Menu), render->PictureMenu, render->Image1},
        {render.get(), QKeyCombination(Qt::Key_Escape), nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.keys).toString().toStdString());
        row.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(row.window));
        QTest::keyClick(row.window, row.keys.key(), row.keys.keyboardModifiers());
        if (!row.menu) {
            EXPECT_FALSE(row.window->isVisible());
            EXPECT_FALSE(main->Viewer().RenderWindowVisible());
            continue;
        }
        ASSERT_TRUE(row.menu->isVisible());
        EXPECT_EQ(row.menu->pos(), row.area->mapToGlobal(row.area->rect().center()));
        EXPECT_TRUE(row.menu->actions().front()->isEnabled());
        row.menu->hide();
    }
    EXPECT_TRUE(messages.isEmpty());
}

// Name and description as a screen reader gets them; a control without a description of its own
// is described by its hint.
std::pair<QString, QString> ReaderText(QWidget* widget) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
    return {reader->text(QAccessible::Name), reader->text(QAccessible::Description)};
}

TEST_F(KeyboardAndReaderTest, ControlsCarryNamesAndDescriptionsThatFollowTheirState) {
    const QString of = QString(" of ") + kFivePlanes;
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    const QString c0 = ": C 0\u00B0 on both halves", c22 = ": C 22.5\u00B0 on both halves";
    const QString ortho = "; orthogonal pair C 90\u00B0 on both halves";
    const QString fitted = "; fitted to the planes shown";
    const auto none = [] {};
    struct Row {
        std::function<void()> change; // what the user does before the reader looks
        QWidget* widget;
        std::pair<QString, QString> expected;
    } const rows[] = {
        {none, main->FileListBox1, {"Files", "Photometric files in " + here}},
        {none, main->SpeedButtonFit, {"Fit goniogram", "Fit goniogram"}},
        {none, render->Button2, {"Reset brightness", "Reset brightness"}},
        {none, TrackBar2, {"Brightness", "Brightness: 15"}},
        {none, TrackBarDegree, {"C plane, C 0\u00B0", "Selects the C plane the goniogram shows"}},
        {none, main->PaintBox1, {"Goniogram", "Goniogram" + of + c0}},
        {none,
         render->Image1,
         {"Light pattern",
          "Light pattern" + of + " at C 0\u00B0; brightness 15, zoom 9500, radiosity off"}},
        {[this] { main->SpeedButtonOrtho->click(); },
         main->PaintBox1,
         {"Goniogram", "Goniogram" + of + c0 + ortho}},
        {[this] { main->SpeedButtonFit->click(); },
         main->PaintBox1,
         {"Goniogram", "Goniogram" + of + c0 + ortho + fitted}},
        {[] { TrackBarDegree->setValue(1); },
         main->PaintBox1,
         {"Goniogram", "Goniogram" + of + c22 + fitted}},
        {none,
         TrackBarDegree,
         {"C plane, C 22.5\u00B0", "Selects the C plane the goniogram shows"}},
        {[] { TrackBarZoom->setValue(1); }, TrackBarZoom, {"Zoom", "Zoom: 9999"}},
        {[this] { render->DoRender(); },
         render->Image1,
         {"Light pattern",
          "Light pattern" + of + " at C 22.5\u00B0; brightness 15, zoom 9999, radiosity off"}},
        {[this] { main->FileListBox1->SelectRow(-1); },
         main->PaintBox1,
         {"Goniogram", "Goniogram: no file loaded"}},
    };
    for (const Row& row : rows) {
        row.change();
        EXPECT_EQ(ReaderText(row.widget), row.expected);
    }
    EXPECT_EQ(render->Button2->text(), "R") << "the caption stays";
}

} // namespace
} // namespace lumetra::test
