#pragma once

#include "GridModels.h"

#include <QTableView>

namespace zendaro {

class DataView;

// The grid of every window: read-only, no record selectors, captioned columns.
// Bound to a data view, its selected row and the view's current row are one
// row whichever side moves it. Shows an in-memory table otherwise, optionally
// with a button in every cell of its first column ("Notu Sil", "Sil"). The
// arrow keys move the current row; Space presses the current row's button.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(const QString& objectName, QWidget* parent = nullptr);

    // Shows the rows of a data view under the given columns.
    void bindView(DataView* view, QVector<GridColumn> columns, const NumberFormat& numbers);

    // Shows an in-memory table; `buttonCaption` (when not empty) makes the
    // first column a column of buttons with that caption.
    void bindTable(TableModel::RowCount rowCount, TableModel::Cell cell, QVector<GridColumn> columns,
                   const NumberFormat& numbers, const QString& buttonCaption = {});

    // In-memory grids: take the table's current rows.
    void reRead();
    // Shows the current content of the view or table.
    void redraw();

    void setColumnShown(int column, bool shown);
    void setColumnShown(const QString& caption, bool shown);
    bool isColumnShown(int column) const { return !isColumnHidden(column); }

    // Whole-row highlight of the current row (true) or no current-row marker.
    void setRowMarker(bool wholeRow);
    bool rowMarker() const { return rowMarker_; }

    // Header height in lines of text (the other-scale list has two-line headers).
    void setHeaderLines(int lines);

    // The current row (-1 when none); setting it selects that row.
    int currentRowNumber() const;
    void setCurrentRowNumber(int row);

    GridModelBase* gridModel() const { return model_; }

signals:
    // The user selected another row (not raised when the program moves the row).
    void currentRowChanged(int row);
    // A button cell was pressed.
    void buttonPressed(int row, int column);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void attach(GridModelBase* model);
    void applyMarker();
    bool marksRow() const; // the marker is on and the grid enabled
    void onSelection(const QModelIndex& current);

    GridModelBase* model_ = nullptr;
    DataView* view_ = nullptr;
    bool rowMarker_ = true;
    bool syncing_ = false;
    bool buttonColumn_ = false;
};

} // namespace zendaro
