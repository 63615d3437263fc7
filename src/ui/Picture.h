#pragma once
// A picture control: shows an image that only a completed render replaces.

#include <QImage>
#include <QWidget>

namespace lumetra {

class TPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TPicture(QWidget* parent = nullptr) : QWidget(parent) {}
    const QImage& Picture() const { return picture_; }
    void SetPicture(QImage picture);

  signals:
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QImage picture_;
};

} // namespace lumetra
