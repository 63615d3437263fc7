// The program's message boxes stand in the middle of the screen, whichever window asks.

#include "UiFixture.h"

#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace lumetra::test {
namespace {

class MessageBoxPlacementTest : public UiFixture {
  protected:
    // Shows a real box over that parent and returns where it stood, then closes it.
    QRect BoxShownOver(QWidget* parent) {
        SetMessageBoxHook({});
        QRect shownAt;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownAt = box->frameGeometry();
            box->accept();
        });
        ShowMessage(parent, "Please select file");
        return shownAt;
    }
};

TEST_F(MessageBoxPlacementTest, BoxesStandInTheMiddleOfTheScreen) {
    main->move(0, 0);
    render->move(30, 300);
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    const QPoint screenCentre = main->screen()->availableGeometry().center();
    struct Row {
        const char* what;
        QWidget* parent;
    };
    for (const Row& row : {Row{"main window", main.get()}, Row{"render window", render.get()},
                           Row{"no window", nullptr}}) {
        const QRect box = BoxShownOver(row.parent);
        ASSERT_FALSE(box.isNull()) << row.what;
        EXPECT_LE((box.center() - screenCentre).manhattanLength(), 2) << row.what;
    }
}

} // namespace
} // namespace lumetra::test
