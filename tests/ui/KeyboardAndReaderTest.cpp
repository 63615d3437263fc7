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

    static void Activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
};

TEST_F(KeyboardAndReaderTest, MenuKeysOpenTheContextMenusAtTheCentreAndEscClosesTheRenderWindow) {
    struct Row {
        QWidget* window;
        QKeyCombination keys;
        QMenu* menu; // null: the key closes the window
        QWidget* area;
    };
    const Row rows[] = {
        {main.get(), Qt::SHIFT | Qt::Key_F10, main->GonioMenu, main->PaintBox1},
        {main.get(), QKeyCombination(Qt::Key_Menu), main->GonioMenu, main->PaintBox1},
        {render.get(), Qt::SHIFT | Qt::Key_F10, render->PictureMenu, render->Image1},
        {render.get(), QKeyCombination(Qt::Key_Menu), render->PictureMenu, render->Image1},
        {render.get(), QKeyCombination(Qt::Key_Escape), nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.keys).toString().toStdString());
        Activate(row.window);
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

std::string Name(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

// A control without a description of its own is described by its hint.
std::string Description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)
        ->text(QAccessible::Description)
        .toStdString();
}

TEST_F(KeyboardAndReaderTest, ControlsCarryNamesAndDescriptionsThatFollowTheirState) {
    const QString file = kFivePlanes;
    const QString shownFolder = QDir::toNativeSeparators(QDir::currentPath());
    struct Row {
        std::function<void()> change; // what the user did before the reader looks
        QWidget* widget;
        QString name;
        QString description;
    };
    const Row rows[] = {
        {[] {}, main->FileListBox1, "Files", "Photometric files in " + shownFolder},
        {[] {}, main->DirectoryListBox1, "Folders", "Current folder: " + shownFolder},
        {[] {}, main->SpeedButtonFit, "Fit goniogram", "Fit goniogram"},
        {[] {}, TrackBarDegree, "C plane, C 0\u00B0", "Selects the C plane the goniogram shows"},
        {[] {}, main->PaintBox1, "Goniogram",
         "Goniogram of " + file + ": C 0\u00B0 on both halves"},
        {[] {}, render->Image1, "Light pattern",
         "Light pattern of " + file + " at C 0\u00B0; brightness 15, zoom 9500, radiosity off"},
        {[] {}, TrackBar2, "Brightness", "Brightness: 15"},
        {[] {}, TrackBarZoom, "Zoom", "Zoom: 9500"},
        {[] {}, render->Button2, "Reset brightness", "Reset brightness"},
        {[this] { main->SpeedButtonOrtho->click(); }, main->PaintBox1, "Goniogram",
         "Goniogram of " + file +
             ": C 0\u00B0 on both halves; orthogonal pair C 90\u00B0 on both "
             "halves"},
        {[this] { main->SpeedButtonFit->click(); }, main->PaintBox1, "Goniogram",
         "Goniogram of " + file +
             ": C 0\u00B0 on both halves; orthogonal pair C 90\u00B0 on both "
             "halves; fitted to the planes shown"},
        {[] { TrackBarDegree->setValue(1); }, TrackBarDegree, "C plane, C 22.5\u00B0",
         "Selects the C plane the goniogram shows"},
        {[] {}, main->PaintBox1, "Goniogram",
         "Goniogram of " + file + ": C 22.5\u00B0 on both halves; fitted to the planes shown"},
        {[] { TrackBarZoom->setValue(1); }, TrackBarZoom, "Zoom", "Zoom: 9999"},
        {[this] { render->DoRender(); }, render->Image1, "Light pattern",
         "Light pattern of " + file + " at C 22.5\u00B0; brightness 15, zoom 9999, radiosity off"},
        {[this] { main->FileListBox1->setCurrentRow(-1); }, main->PaintBox1, "Goniogram",
         "Goniogram: no file loaded"},
    };
    for (const Row& row : rows) {
        row.change();
        EXPECT_EQ(Name(row.widget), row.name.toStdString());
        EXPECT_EQ(Description(row.widget), row.description.toStdString());
    }
    EXPECT_EQ(main->SpeedButtonFit->toolTip(), "Fit goniogram") << "the hint stays";
    EXPECT_EQ(render->Button2->text(), "R") << "the caption stays";
}

} // namespace
} // namespace lumetra::test
