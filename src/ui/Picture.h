#pragma once
// A picture control: shows an image that only a completed render replaces.

#include <QImage>
#include <QWidget>

namespace lumetra {

class TPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TPicture(QWidget* parent = nullptr) : QWidget(parent) {}
    // The picture as rendered, at its own size; saving and copying use this one.
    const QImage& Picture() const { return picture_; }
    void SetPicture(QImage picture);
    // The picture as the screen shows it: at the screen's density, each picture pixel widened to
    // whole device pixels and never smoothed, so the pattern stays sharp at its logical size.
    const QImage& Shown();

  signals:
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QImage picture_;
    QImage shown_;
};

} // namespace lumetra
