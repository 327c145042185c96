#pragma once

#include "NumberFormat.h"
#include "store/DataView.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>

namespace zendaro {

// One column of a grid: its caption and, for grids bound to a data view, the
// field it shows. Columns in the "Standard" number format show two decimals
// with the regional separators and digit grouping.
struct GridColumn {
    QString caption;
    QString field;
    bool standardNumber = false;
};

// Formats a value the way a "Standard" column shows it (two decimals, regional
// separators, digit grouping); other values are shown as they are.
QString FormatStandard(const QVariant& value, const NumberFormat& numbers);

// Read-only rows of a grid: the columns, the cell texts, and number alignment.
class GridModelBase : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModelBase(QVector<GridColumn> columns, NumberFormat numbers, QObject* parent);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QVector<GridColumn>& columns() const { return columns_; }
    int columnOf(const QString& caption) const; // -1 when no column has the caption

    // Header captions on two lines break at their first blank ("Max GN" over two lines).
    void setHeaderLines(int lines) { headerLines_ = lines; }

    // A first column of buttons: a screen reader reads their caption in its cells.
    void setButtonCaption(const QString& caption) { buttonCaption_ = caption; }

protected:
    virtual QVariant cell(int row, int column) const = 0;

private:
    QVector<GridColumn> columns_;
    NumberFormat numbers_;
    int headerLines_ = 1;
    QString buttonCaption_;
};

// The rows of a data view, in the view's order. Follows the view: a Refresh
// resets the model, a changed row is redrawn.
class DataViewModel : public GridModelBase {
    Q_OBJECT
public:
    DataViewModel(DataView* view, QVector<GridColumn> columns, const NumberFormat& numbers,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    DataView* view() const { return view_.data(); }

protected:
    QVariant cell(int row, int column) const override;

private:
    QPointer<DataView> view_;
    QVector<int> fieldIndex_; // column -> field position in the view's rows (-1 unknown)
    void mapFields();
};

// An in-memory table (the working grade list, the course list). The grid takes
// the table's rows when it is told to re-read it; row numbers start at 0.
class TableModel : public GridModelBase {
    Q_OBJECT
public:
    using RowCount = std::function<int()>;
    using Cell = std::function<QVariant(int row, int column)>;
    using RowTip = std::function<QString(int row)>;

    TableModel(RowCount rowCount, Cell cell, QVector<GridColumn> columns, const NumberFormat& numbers,
               QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;

    // Takes the table's current rows.
    void reRead();

    // A text about a whole row: the tooltip and accessible description of its cells.
    void setRowTip(RowTip tip) { rowTipFn_ = std::move(tip); }
    QVariant data(const QModelIndex& index, int role) const override;

protected:
    QVariant cell(int row, int column) const override;

private:
    RowCount rowCountFn_;
    Cell cellFn_;
    RowTip rowTipFn_;
    int rows_ = 0;
};

} // namespace zendaro
