#include "DataGrid.h"

#include "store/DataView.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
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
    setTabKeyNavigation(false); // Tab leaves the grid for the next control
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
    buttonColumn_ = !buttonCaption.isEmpty();
    if (buttonColumn_) {
        setItemDelegateForColumn(0, new ButtonDelegate(buttonCaption, this));
        model_->setButtonCaption(buttonCaption);
    }
}

void DataGrid::attach(GridModelBase* model) {
    if (model_)
        model_->deleteLater();
    model_ = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onSelection(current); });
    // The user's clicks and keys select as usual; a grid that marks no row
    // lets go of the selection at once.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!marksRow() && selectionModel()->hasSelection())
            selectionModel()->clearSelection();
    });
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

bool DataGrid::marksRow() const {
    return rowMarker_ && isEnabled();
}

void DataGrid::applyMarker() {
    // The current row is marked by selecting it; with no marker (or disabled)
    // nothing is selected and the current row is painted like every other
    // row, alternating colours included. It is still tracked.
    if (QItemSelectionModel* selection = selectionModel()) {
        const QModelIndex current = currentIndex();
        if (marksRow() && current.isValid())
            selection->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            selection->clearSelection();
    }
    QPalette p = palette();
    const QPalette base = QApplication::palette(this);
    // A disabled grid only shows: its text stays as readable as an enabled one's.
    p.setColor(QPalette::Disabled, QPalette::Text, base.color(QPalette::Active, QPalette::Text));
    p.setColor(QPalette::Disabled, QPalette::WindowText, base.color(QPalette::Active, QPalette::WindowText));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, base.color(QPalette::Active, QPalette::ButtonText));
    // A marked row looks the same whether or not its window is the active one.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Highlight, base.color(QPalette::Active, QPalette::Highlight));
        p.setColor(group, QPalette::HighlightedText, base.color(QPalette::Active, QPalette::HighlightedText));
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
        selectionModel()->setCurrentIndex(index, marksRow() ? QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows
                                                            : QItemSelectionModel::Clear);
        // Qt does not scroll to a cell of a hidden column: aim at the first shown one.
        int shown = 0;
        while (shown < model_->columnCount() - 1 && isColumnHidden(shown))
            ++shown;
        scrollTo(model_->index(row, shown));
    }
    syncing_ = false;
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    // Space on a row presses its button, as a click on the button cell does.
    if (buttonColumn_ && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        event->accept();
        const int row = currentRowNumber();
        if (!event->isAutoRepeat() && row >= 0)
            emit buttonPressed(row, 0);
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        setFocusPolicy(isEnabled() ? Qt::StrongFocus : Qt::NoFocus);
        applyMarker();
    }
}

} // namespace zendaro
