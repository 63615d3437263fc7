// The windows the main window opens: inside the screen's available area whatever size and place
// they were given, and above the main window as the render window is.

#include "UiFixture.h"
#include "ui/CatalogueWindow.h"
#include "ui/DiagramsWindow.h"
#include "ui/IlluminanceWindow.h"
#include "ui/KeepOnScreen.h"
#include "ui/Properties.h"
#include "ui/WindowLinks.h"

#include <QScreen>
#include <QWindow>
#include <functional>

namespace lumetra::test {
namespace {

using WindowsOnScreenTest = UiFixture;

TEST_F(WindowsOnScreenTest, EveryWindowOpensInsideTheScreenAndAboveTheMainWindow) {
    TPropertiesWindow properties(main->Viewer());
    LinkProperties(*main, properties);
    TDiagramsWindow diagrams(main->Viewer());
    LinkDiagrams(*main, diagrams);
    CatalogueWindow catalogue;
    LinkCatalogue(*main, catalogue);
    TIlluminanceWindow illuminance;
    LinkIlluminance(*main, illuminance, main->Viewer());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QWidget* window;
        std::function<void()> open;
    } rows[] = {
        {&properties, [&] { properties.Open(); }},
        {&diagrams, [&] { diagrams.Open(); }},
        {&catalogue, [&] { catalogue.Open(folder.path()); }},
        {&illuminance, [&] { illuminance.Open(); }},
    };
    for (const auto& row : rows) {
        // As settings from a larger screen, or a second screen no longer there, would place it.
        row.window->setGeometry(available.right() + 500, available.bottom() + 300,
                                available.width() + 400, available.height() + 400);
        row.open();
        ASSERT_TRUE(row.window->isVisible()) << row.window->windowTitle().toStdString();
        // Only a layout's minimum wider than this small test screen may reach beyond it.
        const QRect frame = row.window->frameGeometry();
        const QSize least = row.window->minimumSizeHint();
        EXPECT_TRUE(available.contains(frame) ||
                    (available.contains(frame.topLeft()) && least.width() > available.width() &&
                     frame.height() <= available.height()))
            << row.window->windowTitle().toStdString();
        EXPECT_EQ(row.window->parentWidget(), main.get());
        EXPECT_TRUE(row.window->isWindow());
        row.window->close();
    }
}

TEST_F(WindowsOnScreenTest, AWindowThatOutlivesTheMainWindowIsKeptAboveWithoutBeingOwned) {
    QWidget outliving;
    KeepAboveWithoutOwning(outliving, *main);
    EXPECT_EQ(outliving.parentWidget(), nullptr);
    ASSERT_NE(outliving.windowHandle(), nullptr);
    outliving.show();
    EXPECT_EQ(outliving.windowHandle()->transientParent(), main->windowHandle());
}

} // namespace
} // namespace lumetra::test
