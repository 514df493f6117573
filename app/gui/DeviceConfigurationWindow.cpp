#include "DeviceConfigurationWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DeviceParameterControls.h"
#include "LocalDeviceSettings.h"
#include "forms/FormKernel.h"

namespace Korvel::Gui {

namespace {

using Kolvenia::DeviceConfig::IDeviceConfiguration;

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The pages each device type edits; the others are hidden while it is edited.
bool pageServes(const QString& page, int type) {
    if (type == 0) return page == "Kasy";
    if (type == 1) return page == "Wagi" || page == "Etykiety";
    if (type == 2) return page == "Skanery" || page == "Skaner klawiaturowy";
    return false;
}

// The name of this computer as the scales' setting records it.
std::string computerName() {
    const QString name = qEnvironmentVariable("COMPUTERNAME");
    return (name.isEmpty() ? QSysInfo::machineHostName() : name).toStdString();
}

QCheckBox* checkBox(const char* name, const char* caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

QLineEdit* lineEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

}  // namespace

TdlgKonfUrzForm::TdlgKonfUrzForm(std::shared_ptr<Core::IUnknown> model, QWidget* parent)
    : QMainWindow(parent, Qt::Window), keep_(std::move(model)), model_(keep_->as<IDeviceConfiguration>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(IDeviceConfiguration::formClass);
    setWindowTitle(qt(IDeviceConfiguration::caption));
    colours_ = model_.colours();

    tree_ = new QTreeWidget;
    tree_->setObjectName("TreeView");
    tree_->setHeaderHidden(true);
    auto* area = new QWidget;
    auto* areaLayout = new QVBoxLayout(area);
    panels_ = new QStackedWidget;
    auto* panelBrak = new QLabel("Brak urządzeń.");
    panelBrak->setObjectName("PanelBrak");
    panelBrak->setAlignment(Qt::AlignCenter);
    editArea_ = new QWidget;
    auto* editLayout = new QVBoxLayout(editArea_);
    buildPanel(editArea_);
    pages_ = new QTabWidget;
    pages_->setObjectName("PageControl");
    editLayout->addWidget(pages_);
    parameters_ = std::make_unique<DeviceParameterControls>(model_, pages_, [this] { panelEdited(); });
    parameters_->setEditedColour(qt(colours_.edited));
    model_.checkControls(parameters_->controlNames());
    local_ =
        std::make_unique<LocalDeviceSettings>(parameters_->page("Skanery"), parameters_->page("Skaner klawiaturowy"));
    cbxRozszerzona_ = checkBox("cbxRozszerzonaTransmisja", "Rozszerzona transmisja");
    qobject_cast<QFormLayout*>(parameters_->tab("Kasy", "Inne")->layout())->insertRow(0, cbxRozszerzona_);
    ckbWlaczWagi_ = checkBox("ckbWlaczWagi", "Włącz wagi na tym komputerze");
    qobject_cast<QFormLayout*>(parameters_->page("Wagi")->layout())->addRow(ckbWlaczWagi_);
    local_->bindScalesHere(ckbWlaczWagi_);
    panels_->addWidget(panelBrak);
    panels_->addWidget(editArea_);
    areaLayout->addWidget(panels_);
    buildButtons(area);

    auto* splitter = new QSplitter;
    splitter->addWidget(tree_);
    splitter->addWidget(area);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    statusBar()->setObjectName("StatusBar");

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &TdlgKonfUrzForm::nodeChosen);
    for (QCheckBox* box : {cbxWlaczone_, cbxDostepne_, cbxRozszerzona_})
        connect(box, &QCheckBox::toggled, this, &TdlgKonfUrzForm::panelEdited);
    for (QLineEdit* edit : {editNrUrz_, editNrSekcji_})
        connect(edit, &QLineEdit::textEdited, this, &TdlgKonfUrzForm::panelEdited);
    connect(ckbWlaczWagi_, &QCheckBox::clicked, this, &TdlgKonfUrzForm::scalesTicked);
    fillTree();
    resize(900, 600);
}

TdlgKonfUrzForm::~TdlgKonfUrzForm() = default;

void TdlgKonfUrzForm::buildPanel(QWidget* area) {
    auto* panel = new QGroupBox;
    panel->setObjectName("PanelUrz");
    auto* layout = new QHBoxLayout(panel);
    cbxWlaczone_ = checkBox("cbxWlaczone", "&Zainstalowane");
    cbxDostepne_ = checkBox("cbxDostepne", "&Aktualnie czynne");
    editNrUrz_ = lineEdit("EditNrUrz");
    editNrSekcji_ = lineEdit("EditNrSekcji");
    layout->addWidget(cbxWlaczone_);
    layout->addWidget(new QLabel("Numer:"));
    layout->addWidget(editNrUrz_);
    layout->addWidget(new QLabel("Sekcja:"));
    layout->addWidget(editNrSekcji_);
    layout->addWidget(cbxDostepne_);
    area->layout()->addWidget(panel);
}

void TdlgKonfUrzForm::buildButtons(QWidget* area) {
    struct Command {
        const char* name;
        const char* caption;
        bool (IDeviceConfiguration::*run)();
        bool inOptions;  // "&Opcje", otherwise "&Edycja"
    };
    // Host contract: the buttons and their captions.
    const Command commands[] = {
        {"ButtonWyslij", "&Wyślij", &IDeviceConfiguration::send, true},
        {"ButtonDodaj", "&Dodaj", &IDeviceConfiguration::add, false},
        {"ButtonUsun", "&Usuń", &IDeviceConfiguration::remove, false},
        {"ButtonZastosuj", "&Zapisz", &IDeviceConfiguration::save, false},
        {"ButtonPrzywroc", "&Anuluj", &IDeviceConfiguration::cancel, false},
    };
    QMenu* options = menuBar()->addMenu("&Opcje");
    options->menuAction()->setObjectName("miOpcje");
    QMenu* edition = menuBar()->addMenu("&Edycja");
    edition->menuAction()->setObjectName("miEdycja");
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const Command& command : commands) {
        auto* button = new QPushButton(command.caption);
        button->setObjectName(command.name);
        row->addWidget(button);
        buttons_.push_back(button);
        QAction* item = (command.inOptions ? options : edition)->addAction(command.caption);
        item->setObjectName(QString(command.name).replace("Button", "mi"));
        const auto run = command.run;
        connect(button, &QPushButton::clicked, this, [this, run] { this->command(run); });
        connect(item, &QAction::triggered, this, [this, run] { this->command(run); });
    }
    qobject_cast<QVBoxLayout*>(area->layout())->addLayout(row);
}

void TdlgKonfUrzForm::fillTree() {
    showing_ = true;
    tree_->clear();
    std::vector<QTreeWidgetItem*> parents;
    const auto& nodes = model_.nodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        parents.resize(static_cast<std::size_t>(nodes[i].depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
        item->setText(0, qt(nodes[i].text));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        parents.push_back(item);
    }
    tree_->expandAll();
    showing_ = false;
    showEdit();
}

void TdlgKonfUrzForm::nodeChosen() {
    if (showing_) return;
    const auto items = tree_->selectedItems();
    if (!items.isEmpty()) guarded([&] { model_.selectNode(items.front()->data(0, Qt::UserRole).toULongLong()); });
    showEdit();
}

bool TdlgKonfUrzForm::guarded(const std::function<void()>& work) {
    // A database error must not leave the event loop: the operator sees it and goes on.
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        FormKernel::messageBoxes()->error(error.what());
        return false;
    }
}

void TdlgKonfUrzForm::showEdit() {
    showing_ = true;
    const auto edited = model_.edited();
    panels_->setCurrentIndex(model_.noDevices() && !edited ? 0 : 1);
    editArea_->setEnabled(edited.has_value());
    // The tree shows the node being edited, or none.
    const auto& nodes = model_.nodes();
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(tree_); *it && edited; ++it)
        if (nodes.at((*it)->data(0, Qt::UserRole).toULongLong()).selection == *edited) current = *it;
    tree_->clearSelection();
    tree_->setCurrentItem(current);
    const auto fields = model_.deviceFields();
    cbxWlaczone_->setChecked(edited && fields.enabled);
    cbxDostepne_->setChecked(edited && fields.available);
    cbxRozszerzona_->setChecked(edited && fields.extended);
    editNrUrz_->setText(edited ? qt(fields.number) : QString());
    editNrSekcji_->setText(edited ? qt(fields.section) : QString());
    const bool single = edited && !edited->isGroup();
    editNrUrz_->setEnabled(single);
    editNrSekcji_->setEnabled(single);
    for (QWidget* widget : std::initializer_list<QWidget*>{editNrUrz_, editNrSekcji_}) widget->setStyleSheet({});
    parameters_->show();
    for (int i = 0; i < pages_->count(); ++i)
        pages_->setTabVisible(i, edited && pageServes(pages_->tabText(i), edited->type));
    buttons_[0]->setEnabled(model_.canSend());
    buttons_[2]->setEnabled(model_.canRemove());
    buttons_[3]->setEnabled(edited.has_value());
    buttons_[4]->setEnabled(edited.has_value());
    statusBar()->showMessage(edited ? (edited->isGroup() ? "Edycja grupy urządzeń" : "Edycja urządzenia")
                                    : "Wybierz urządzenie lub grupę urządzeń");
    showing_ = false;
}

void TdlgKonfUrzForm::panelEdited() {
    if (showing_) return;
    model_.setDeviceFields({cbxWlaczone_->isChecked(), cbxDostepne_->isChecked(), cbxRozszerzona_->isChecked(),
                            editNrUrz_->text().toStdString(), editNrSekcji_->text().toStdString()});
    for (QLineEdit* edit : {editNrUrz_, editNrSekcji_}) {
        bool number = false;
        edit->text().trimmed().toInt(&number);
        edit->setStyleSheet("background-color: " + qt(number ? colours_.edited : colours_.invalid));
    }
}

void TdlgKonfUrzForm::command(bool (IDeviceConfiguration::*run)()) {
    bool done = false;
    guarded([&] { done = (model_.*run)(); });
    if (done)
        fillTree();
    else
        showEdit();
}

void TdlgKonfUrzForm::scalesTicked(bool on) {
    bool allowed = true;
    if (on && !guarded([&] { allowed = model_.enableScalesHere(computerName()); })) allowed = false;
    if (!allowed) ckbWlaczWagi_->setChecked(false);
    local_->storeScalesHere(ckbWlaczWagi_->isChecked());
}

void TdlgKonfUrzForm::closeEvent(QCloseEvent* event) {
    if (model_.modified() && !FormKernel::messageBoxes()->question("Czy chcesz anulować wprowadzone dane?")) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace Korvel::Gui
