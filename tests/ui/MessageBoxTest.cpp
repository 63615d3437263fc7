#include "ui/MessageBox.h"

#include <QMessageBox>
#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

// A title bar shows its caption beside its buttons; a box as narrow as "Click!" would cut it.
TEST(MessageBoxWidth, ShortTextLeavesRoomForTheWholeCaption) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, "Click!", QMessageBox::Ok);
    WidenForCaption(box);
    box.show();
    const int caption = box.fontMetrics().horizontalAdvance(kApplicationTitle);
    EXPECT_GE(box.width(), caption + 120);
    box.hide();
}

} // namespace
} // namespace lumetra::test
