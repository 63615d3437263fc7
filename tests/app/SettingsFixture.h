#pragma once
// Both windows over a settings file in a temporary folder, started and ended as the program does,
// with message boxes recorded instead of shown.

#include "app/IniFile.h"
#include "app/SettingsFile.h"
#include "data/ProgramData.h"
#include "support/QtSupport.h"
#include "ui/MessageBox.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"
#include "ui/WindowLinks.h"
#include "viewer/ViewerModel.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace lumetra::test {

class SettingsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkpath("start"));
        startFolder = QDir::cleanPath(folder.filePath("start"));
        QDir::setCurrent(startFolder);
        settingsName = folder.filePath("ies.ini");
        SetMessageBoxHook([this](const QString& text) { messages << text; });
    }

    void TearDown() override {
        render.reset();
        main.reset();
        settings.reset();
        SetMessageBoxHook({});
    }

    void WriteSettings(const QByteArray& text) const {
        QFile file(settingsName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
    }

    QByteArray SettingsText() const {
        QFile file(settingsName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Stored(const char* section, const char* key) const {
        return IniFile(settingsName).ReadString(section, key, "<missing>");
    }

    // "Width Height Left Top" as stored in the section "Viewer".
    QString StoredBounds() const {
        return QStringList{Stored("Viewer", "Width"), Stored("Viewer", "Height"),
                           Stored("Viewer", "Left"), Stored("Viewer", "Top")}
            .join(' ');
    }

    // Creates both windows and shows the main one in its stored state, as start-up does.
    void Start() {
        settings = std::make_unique<SettingsFile>(settingsName);
        viewer = std::make_unique<ViewerModel>(data);
        main = std::make_unique<TMainWindow>(*viewer, settings.get());
        render = std::make_unique<TRenderWindow>(main->Viewer(), settings.get());
        LinkWindows(*main, *render);
        main->ShowAtStart();
        if (main->startState != Qt::WindowMinimized) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        }
        QApplication::processEvents();
    }

    // Closes the main window, then destroys the windows, as shutdown does.
    void Finish() {
        ASSERT_TRUE(main->close()) << "the main window refused to close";
        render.reset();
        main.reset();
    }

    static QSize Screen() { return QGuiApplication::primaryScreen()->geometry().size(); }
    static int Centred(int screen, int window) { return (screen - window) / 2; }

    QtTempFolder folder;
    QString startFolder;
    QString settingsName;
    QStringList messages;
    ProgramData data;
    std::unique_ptr<ViewerModel> viewer; // a new one per start, as the program has
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<TMainWindow> main;
    std::unique_ptr<TRenderWindow> render;
};

} // namespace lumetra::test
