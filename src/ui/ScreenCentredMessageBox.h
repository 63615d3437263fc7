#pragma once
// The program's message boxes stand in the middle of the screen, whichever window asked for
// them; the parent only makes them modal over it and picks the screen.

#include <QMessageBox>

namespace lumetra {

class ScreenCentredMessageBox : public QMessageBox {
    Q_OBJECT
  public:
    using QMessageBox::QMessageBox;

  protected:
    // The box knows its final size only once it is being shown; it moves before it appears.
    void showEvent(QShowEvent* event) override;
};

} // namespace lumetra
