#pragma once
// Rows as high as their text, measured once per change rather than on every layout pass. A
// vertical header in ResizeToContents mode measures every cell of every row again at each row
// inserted, each column resized and each delayed layout: filling the Properties window's Summary
// tab measured its rows three times over at every step from file to file. Here the header keeps
// fixed sizes, and the rows are measured when the table asks (after a fill) and when a column's
// width or the font changes, to the very heights ResizeToContents gives: the larger of the
// view's and the header's hint for the row, within the header's bounds.

#include <QObject>

class QTableView;

namespace lumetra {

class RowHeightFit : public QObject {
    Q_OBJECT
  public:
    // Takes over the row heights of the table and of the model it has now; the table owns the
    // fit.
    explicit RowHeightFit(QTableView& table);

    // Measures every row now (after a fill): any measuring asked for before is done with.
    void Fit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A column's width or the font changed: measure once the changes are made.
    void FitLater();

    QTableView& table_;
    bool pending_ = false;
};

} // namespace lumetra
