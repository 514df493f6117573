#include "RecordBrowser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "db/DataSet.h"
#include "db/SessionHolder.h"

namespace Korvel::Gui {

const RecordBrowser::Kind RecordBrowser::Products{"TbrTowar", "Towar", "select t.* from Towar t where 1 = 1 "};
const RecordBrowser::Kind RecordBrowser::SaleConditions{"TbrWarunkiSprz", "Warunki sprzedaży",
                                                        "select w.* from WarSprz w where 1 = 1 "};

namespace {

void fill(QTableWidget& table, Db::TDataSet& records) {
    table.setColumnCount(records.FieldCount());
    QStringList titles;
    for (int i = 0; i < records.FieldCount(); ++i) titles << QString::fromStdString(records.Fields(i).FieldName());
    table.setHorizontalHeaderLabels(titles);
    for (records.First(); !records.Eof(); records.Next()) {
        const int row = table.rowCount();
        table.insertRow(row);
        for (int i = 0; i < records.FieldCount(); ++i) {
            const Db::TField& field = records.Fields(i);
            table.setItem(row, i,
                          new QTableWidgetItem(field.IsNull() ? QString() : QString::fromStdString(field.AsString())));
        }
    }
}

}  // namespace

RecordBrowser::RecordBrowser(const Kind& kind, const std::string& condition, QWidget* parent) : QDialog(parent) {
    setObjectName(kind.formClass);
    setWindowTitle(QString::fromUtf8(kind.caption));
    auto* table = new QTableWidget(this);
    table->setObjectName("grid");
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Db::TDataSet records{TSessionHolder(true)};
    records.SetSQL(std::string(kind.query) + condition);
    records.Open();
    fill(*table, records);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(900, 300);
}

}  // namespace Korvel::Gui
