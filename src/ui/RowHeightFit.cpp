#include "RowHeightFit.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <algorithm>

namespace lumetra {

RowHeightFit::RowHeightFit(QTableView& table) : QObject(&table), table_(table) {
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this, &RowHeightFit::FitLater);
    // Whoever changes the rows, they are measured before long; a fill measures them at once.
    QAbstractItemModel* model = table.model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &RowHeightFit::FitLater);
    connect(model, &QAbstractItemModel::dataChanged, this, &RowHeightFit::FitLater);
    connect(model, &QAbstractItemModel::modelReset, this, &RowHeightFit::FitLater);
    connect(model, &QAbstractItemModel::layoutChanged, this, &RowHeightFit::FitLater);
    table.installEventFilter(this);
}

void RowHeightFit::Fit() {
    pending_ = false;
    QHeaderView& header = *table_.verticalHeader();
    // QTableView keeps sizeHintForRow protected; it is public on the item view.
    const QAbstractItemView& view = table_;
    for (int row = 0; row < header.count(); ++row) {
        const int hint = std::max(view.sizeHintForRow(row), header.sectionSizeHint(row));
        const int height =
            std::clamp(hint, header.minimumSectionSize(), header.maximumSectionSize());
        if (header.sectionSize(row) != height)
            header.resizeSection(row, height);
    }
}

void RowHeightFit::FitLater() {
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_)
            Fit();
    });
}

bool RowHeightFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::StyleChange)
        FitLater();
    return QObject::eventFilter(watched, event);
}

} // namespace lumetra
