// The send-PLU grid's rows as a Qt table model over the window's behaviour: the seven
// columns' texts, and the colours of a modified row, a cell without a price and a
// blocked cell (the view paints the selection over them); the price cell's tip tells
// the price the sale conditions bring.
#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "plu/ISendPluWindow.h"

namespace Korvel::Gui {

class SendPluRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Host contract: the colours of the grid.
    static inline const QColor ModifiedBackground{0xEE, 0xEE, 0xDD};
    static inline const QColor NoPriceBackground{0xFF, 0x00, 0x00};
    static inline const QColor BlockedBackground{0xEE, 0x22, 0x00};

    explicit SendPluRowsModel(ISendPluWindow& window, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The behaviour took its rows afresh.
    void reload();
    // The modified set changed; the texts did not.
    void repaint();

private:
    // The background of a cell without a price or of a blocked cell; none otherwise.
    QVariant warning(const ISendPluWindow::Row& row, int column) const;
    // The price cell's tip when the sale conditions change the price.
    static QVariant priceChange(const ISendPluWindow::Row& row);

    ISendPluWindow& window_;
};

}  // namespace Korvel::Gui
