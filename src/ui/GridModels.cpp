#include "GridModels.h"

#include "store/DataView.h"

namespace zendaro {

QString FormatStandard(const QVariant& value, const NumberFormat& numbers) {
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok || value.isNull())
        return value.toString();
    return numbers.fixed(d, 2);
}

GridModelBase::GridModelBase(QVector<GridColumn> columns, NumberFormat numbers, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), numbers_(std::move(numbers)) {}

int GridModelBase::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant GridModelBase::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const GridColumn& column = columns_.at(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const QVariant value = cell(index.row(), index.column());
        return column.standardNumber ? FormatStandard(value, numbers_) : value.toString();
    }
    case Qt::EditRole:
        return cell(index.row(), index.column());
    case Qt::AccessibleTextRole:
        return index.column() == 0 && !buttonCaption_.isEmpty() ? QVariant(buttonCaption_) : QVariant();
    case Qt::TextAlignmentRole:
        return column.standardNumber ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant GridModelBase::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size()) {
        QString caption = columns_.at(section).caption;
        if (headerLines_ > 1) {
            const qsizetype blank = caption.indexOf(QLatin1Char(' '));
            if (blank > 0)
                caption[blank] = QLatin1Char('\n');
        }
        return caption;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridModelBase::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable; // never editable
}

int GridModelBase::columnOf(const QString& caption) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_.at(i).caption == caption)
            return i;
    return -1;
}

DataViewModel::DataViewModel(DataView* view, QVector<GridColumn> columns, const NumberFormat& numbers,
                             QObject* parent)
    : GridModelBase(std::move(columns), numbers, parent), view_(view) {
    mapFields();
    connect(view, &DataView::rowsReset, this, [this] {
        beginResetModel();
        mapFields();
        endResetModel();
    });
    connect(view, &DataView::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void DataViewModel::mapFields() {
    fieldIndex_.clear();
    const QStringList names = view_ ? view_->FieldNames() : QStringList();
    for (const GridColumn& column : columns()) {
        int found = -1;
        for (int i = 0; i < names.size(); ++i)
            if (names.at(i).compare(column.field, Qt::CaseInsensitive) == 0)
                found = i;
        fieldIndex_.append(found);
    }
}

int DataViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !view_ ? 0 : view_->RecordCount();
}

QVariant DataViewModel::cell(int row, int column) const {
    const int field = fieldIndex_.value(column, -1);
    if (field < 0)
        return {};
    return view_->Rows().at(row).value(field);
}

TableModel::TableModel(RowCount rowCount, Cell cell, QVector<GridColumn> columns, const NumberFormat& numbers,
                       QObject* parent)
    : GridModelBase(std::move(columns), numbers, parent), rowCountFn_(std::move(rowCount)),
      cellFn_(std::move(cell)) {
    rows_ = rowCountFn_();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

void TableModel::reRead() {
    beginResetModel();
    rows_ = rowCountFn_();
    endResetModel();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && rowTipFn_ && index.isValid() &&
        index.row() < rows_) {
        const QString tip = rowTipFn_(index.row());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    return GridModelBase::data(index, role);
}

QVariant TableModel::cell(int row, int column) const {
    return cellFn_(row, column);
}

} // namespace zendaro
