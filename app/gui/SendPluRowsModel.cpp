#include "SendPluRowsModel.h"

#include <QApplication>
#include <QPalette>

namespace Korvel::Gui {

namespace {
// Records marked for deletion are sent without a price, so theirs is no fault.
constexpr int ToDeleteStatus = 3;
}  // namespace

SendPluRowsModel::SendPluRowsModel(ISendPluWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window) {}

int SendPluRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(window_.shownRows().size());
}

int SendPluRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ISendPluWindow::columns.size());
}

QVariant SendPluRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto& row = window_.shownRows().at(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(row.cells.at(static_cast<std::size_t>(index.column())));
    case Qt::BackgroundRole:
        if (window_.modified(row.productRef)) return ModifiedBackground;
        return warning(row, index.column());
    case Qt::ForegroundRole:
        // Light text on the warning colours; a modified row keeps the ordinary text.
        if (window_.modified(row.productRef) || !warning(row, index.column()).isValid()) return {};
        return QApplication::palette().color(QPalette::HighlightedText);
    case Qt::ToolTipRole: return index.column() == ISendPluWindow::PriceColumn ? priceChange(row) : QVariant();
    default: return {};
    }
}

QVariant SendPluRowsModel::priceChange(const ISendPluWindow::Row& row) {
    // What the label command compares: the product's price now and the one it gets.
    if (!row.currentPrice || !row.newPrice) return {};
    return QString("Cena towaru: %1, cena z warunków sprzedaży: %2")
        .arg(*row.currentPrice, 0, 'f', 2)
        .arg(*row.newPrice, 0, 'f', 2);
}

QVariant SendPluRowsModel::warning(const ISendPluWindow::Row& row, int column) const {
    const std::string& text = row.cells.at(static_cast<std::size_t>(column));
    if (column == ISendPluWindow::PriceColumn && text == ISendPluWindow::NoPriceText && row.status != ToDeleteStatus)
        return NoPriceBackground;
    if (column == ISendPluWindow::BlockedColumn && text == ISendPluWindow::BlockedText) return BlockedBackground;
    return {};
}

QVariant SendPluRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromUtf8(ISendPluWindow::columns.at(static_cast<std::size_t>(section)).title);
}

void SendPluRowsModel::reload() {
    beginResetModel();
    endResetModel();
}

void SendPluRowsModel::repaint() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace Korvel::Gui
