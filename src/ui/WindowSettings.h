#pragma once
// Where the windows keep their settings between runs. The main window reads its part while it is
// created and writes it when it closes; the render window reads its part while it is created and
// writes it when it is destroyed. Errors are thrown with the text the user sees.

namespace lumetra {

class TMainWindow;
class TPropertiesWindow;
class TRenderWindow;

class WindowSettings {
  public:
    virtual ~WindowSettings() = default;
    virtual void ReadViewer(TMainWindow& window) = 0;
    virtual void WriteViewer(TMainWindow& window) = 0;
    virtual void ReadRender(TRenderWindow& window) = 0;
    virtual void WriteRender(TRenderWindow& window) = 0;
    // The properties window's place, size and open tab, in a section of its own.
    virtual void ReadProperties(TPropertiesWindow& /*window*/) {}
    virtual void WriteProperties(TPropertiesWindow& /*window*/) {}
};

} // namespace lumetra
