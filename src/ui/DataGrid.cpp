#include "DataGrid.h"

#include "store/DataView.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace zendaro {

namespace {

// Paints a push button in every cell of its column and reports a click on it.
class ButtonDelegate : public QStyledItemDelegate {
public:
    ButtonDelegate(QString caption, DataGrid* grid)
        : QStyledItemDelegate(grid), caption_(std::move(caption)), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(2, 1, -2, -1);
        button.text = caption_;
        button.state = QStyle::State_Raised;
        if (option.state & QStyle::State_Enabled)
            button.state |= QStyle::State_Enabled;
        if (index == pressed_)
            button.state |= QStyle::State_Sunken;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        auto* mouse = dynamic_cast<QMouseEvent*>(event);
        if (!mouse || mouse->button() != Qt::LeftButton)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = index;
            return false; // let the view make the row current
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const bool hit = index == pressed_ && option.rect.contains(mouse->position().toPoint());
            pressed_ = QModelIndex();
            if (hit)
                emit grid_->buttonPressed(index.row(), index.column());
            return hit;
        }
        return false;
    }

private:
    QString caption_;
    DataGrid* grid_;
    QPersistentModelIndex pressed_;
};

} // namespace

DataGrid::DataGrid(const QString& objectName, QWidget* parent) : QTableView(parent) {
    setObjectName(objectName);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide(); // no record selectors
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
    setAlternatingRowColors(true);
}

void DataGrid::bindView(DataView* view, QVector<GridColumn> columns, const NumberFormat& numbers) {
    view_ = view;
    attach(new DataViewModel(view, std::move(columns), numbers, this));
    connect(view, &DataView::currentRowChanged, this, [this](int row) {
        if (!syncing_)
            setCurrentRowNumber(row);
    });
    connect(view, &DataView::rowsReset, this, [this] { setCurrentRowNumber(view_->CurrentRow()); });
    setCurrentRowNumber(view->CurrentRow());
}

void DataGrid::bindTable(TableModel::RowCount rowCount, TableModel::Cell cell, QVector<GridColumn> columns,
                         const NumberFormat& numbers, const QString& buttonCaption) {
    view_ = nullptr;
    attach(new TableModel(std::move(rowCount), std::move(cell), std::move(columns), numbers, this));
    if (!buttonCaption.isEmpty())
        setItemDelegateForColumn(0, new ButtonDelegate(buttonCaption, this));
}

void DataGrid::attach(GridModelBase* model) {
    if (model_)
        model_->deleteLater();
    model_ = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onSelection(current); });
    applyMarker();
}

void DataGrid::onSelection(const QModelIndex& current) {
    if (syncing_)
        return;
    const int row = current.isValid() ? current.row() : -1;
    if (view_ && row >= 0 && row != view_->CurrentRow()) {
        syncing_ = true;
        view_->SetCurrentRow(row);
        syncing_ = false;
    }
    emit currentRowChanged(row);
}

void DataGrid::reRead() {
    if (auto* table = qobject_cast<TableModel*>(model_))
        table->reRead();
}

void DataGrid::redraw() {
    viewport()->update();
}

void DataGrid::setColumnShown(int column, bool shown) {
    setColumnHidden(column, !shown);
}

void DataGrid::setColumnShown(const QString& caption, bool shown) {
    const int column = model_ ? model_->columnOf(caption) : -1;
    if (column >= 0)
        setColumnHidden(column, !shown);
}

void DataGrid::setRowMarker(bool wholeRow) {
    rowMarker_ = wholeRow;
    applyMarker();
}

void DataGrid::applyMarker() {
    // With no marker the current row is still tracked; it just is not painted.
    QPalette p = palette();
    const QPalette base = QApplication::palette(this);
    const bool shown = rowMarker_ && isEnabled();
    // A disabled grid only shows: its text stays as readable as an enabled one's.
    p.setColor(QPalette::Disabled, QPalette::Text, base.color(QPalette::Active, QPalette::Text));
    p.setColor(QPalette::Disabled, QPalette::WindowText, base.color(QPalette::Active, QPalette::WindowText));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, base.color(QPalette::Active, QPalette::ButtonText));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Highlight,
                   shown ? base.color(QPalette::Active, QPalette::Highlight)
                         : base.color(group, QPalette::Base));
        p.setColor(group, QPalette::HighlightedText,
                   shown ? base.color(QPalette::Active, QPalette::HighlightedText)
                         : base.color(QPalette::Active, QPalette::Text));
    }
    setPalette(p);
}

void DataGrid::setHeaderLines(int lines) {
    if (model_)
        model_->setHeaderLines(lines);
    horizontalHeader()->setMinimumHeight(horizontalHeader()->fontMetrics().height() * lines + 8);
}

int DataGrid::currentRowNumber() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRowNumber(int row) {
    if (!model_)
        return;
    syncing_ = true;
    if (row < 0 || row >= model_->rowCount()) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = model_->index(row, 0);
        selectionModel()->setCurrentIndex(index,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // Qt does not scroll to a cell of a hidden column: aim at the first shown one.
        int shown = 0;
        while (shown < model_->columnCount() - 1 && isColumnHidden(shown))
            ++shown;
        scrollTo(model_->index(row, shown));
    }
    syncing_ = false;
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        setFocusPolicy(isEnabled() ? Qt::StrongFocus : Qt::NoFocus);
        applyMarker();
    }
}

} // namespace zendaro
