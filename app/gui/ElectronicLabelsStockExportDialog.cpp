#include "ElectronicLabelsStockExportDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DateTime.h"

namespace Korvel::Gui {

namespace {

using Export = Labels::IElectronicLabelsStockExport;

QDate dateOf(int dayNumber) {
    const auto date = Core::DateTime::calendarDate(dayNumber);
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

int dayNumberOf(const QDate& date) {
    return Core::DateTime::dayNumber(std::chrono::year_month_day{
        std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
        std::chrono::day(static_cast<unsigned>(date.day()))});
}

QDateEdit* dayEdit(QWidget* parent, const char* name) {
    auto* edit = new QDateEdit(dateOf(Core::DateTime::today()), parent);
    edit->setObjectName(name);
    edit->setDisplayFormat("dd.MM.yyyy");
    edit->setCalendarPopup(true);
    return edit;
}

}  // namespace

ElectronicLabelsStockExportDialog::ElectronicLabelsStockExportDialog(std::shared_ptr<Core::IUnknown> model,
                                                                     QWidget* parent)
    : QDialog(parent), model_(std::move(model)), exporter_(model_->as<Export>()) {
    setWindowTitle(QString::fromUtf8(Export::caption));
    setObjectName(Export::formClass);
    // Host contract: the captions of the range and of its two days.
    auto* group = new QGroupBox(QString::fromUtf8("Zakres sprawdzania stanów"), this);
    firstDay_ = dayEdit(group, "dtpDataPoczatkowa");
    lastDay_ = dayEdit(group, "dtpDataKoncowa");
    auto* days = new QFormLayout(group);
    days->addRow(QString::fromUtf8("Data &początkowa"), firstDay_);
    days->addRow(QString::fromUtf8("Data &końcowa"), lastDay_);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnAkceptuj = buttons->addButton("&Akceptuj", QDialogButtonBox::AcceptRole);
    btnAkceptuj->setObjectName("btnAkceptuj");
    btnAkceptuj->setDefault(true);
    buttons->addButton("A&nuluj", QDialogButtonBox::RejectRole)->setObjectName("btnAnuluj");
    connect(buttons, &QDialogButtonBox::accepted, this, &ElectronicLabelsStockExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ElectronicLabelsStockExportDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void ElectronicLabelsStockExportDialog::accept() {
    if (exporter_.accept(dayNumberOf(firstDay_->date()), dayNumberOf(lastDay_->date()))) QDialog::accept();
}

}  // namespace Korvel::Gui
