#pragma once
// Both windows as the program creates them, over a temporary folder of sample files, with
// message boxes recorded instead of shown.

#include "data/ProgramData.h"
#include "support/QtSupport.h"
#include "ui/MessageBox.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"
#include "ui/WindowLinks.h"
#include "viewer/ViewerModel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace lumetra::test {

// Samples by plane count.
inline const char* const kOnePlane = "lm1986_spotlight_axial.ies";             // 19 x 1
inline const char* const kFivePlanes = "lm1986_fluorescent_quadrant_crlf.ies"; // 37 x 5
inline const char* const kManyPlanes = "lm1995_bilateral_90_270.ies";          // 37 x 37

class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {kOnePlane, kFivePlanes, kManyPlanes})
            ASSERT_TRUE(QFile::copy(QSamplePath(name), folder.filePath(name)));
        SetMessageBoxHook([this](const QString& text) { messages << text; });
        QDir::setCurrent(folder.path());
        main = std::make_unique<TMainWindow>(viewer);
        render = std::make_unique<TRenderWindow>(main->Viewer());
        LinkWindows(*main, *render);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    void TearDown() override {
        render.reset();
        main.reset();
        SetMessageBoxHook({});
    }

    // Selects the file list's entry of that name, as a click would.
    void Select(const QString& name) {
        ASSERT_TRUE(main->FileListBox1->SelectFile(name)) << name.toStdString();
    }

    // Writes a file into the temporary folder and refills the file list so it shows.
    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        main->FileListBox1->Refill();
    }

    // Pixels of the goniogram in exactly this colour.
    int CountPixels(QRgb color) const {
        const QImage& image = main->PaintBox1->Image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF) ? 1 : 0;
        return count;
    }

    QtTempFolder folder;
    QStringList messages;
    ProgramData data;
    ViewerModel viewer{data};
    std::unique_ptr<TMainWindow> main;
    std::unique_ptr<TRenderWindow> render;
};

inline const QRgb kCurveRed = qRgb(255, 0, 0);
inline const QRgb kOrthoPink = qRgb(200, 128, 128);

} // namespace lumetra::test
