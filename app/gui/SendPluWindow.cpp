#include "SendPluWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <map>

#include "ProgressPanel.h"
#include "ProgressWindow.h"
#include "QtFormKernel.h"
#include "SendPluRowsModel.h"
#include "WindowGeometry.h"

namespace Korvel::Gui {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The window's commands, their shortcuts included, stay off while a transmission lets
// events through.
class CommandsOff {
public:
    CommandsOff(QWidget& window, QWidget& grid) : grid_(grid) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->isEnabled()) switchedOff_.push_back(action);
        for (QAction* action : switchedOff_) action->setEnabled(false);
        grid_.setEnabled(false);
    }
    ~CommandsOff() {
        for (QAction* action : switchedOff_) action->setEnabled(true);
        grid_.setEnabled(true);
    }
    CommandsOff(const CommandsOff&) = delete;
    CommandsOff& operator=(const CommandsOff&) = delete;

private:
    QWidget& grid_;
    std::vector<QAction*> switchedOff_;
};

}  // namespace

SendPluWindow::SendPluWindow(std::shared_ptr<ISendPluWindow> model, QWidget* parent)
    : QMainWindow(parent, Qt::Window), model_(std::move(model)) {
    setObjectName(formClass);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(text("Przesłanie PLU"));
    rows_ = new SendPluRowsModel(*model_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("grid");
    grid_->setModel(rows_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    // A digit's width: the code and price columns must hold their digits whole.
    const int charWidth = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (std::size_t i = 0; i < ISendPluWindow::columns.size(); ++i)
        grid_->setColumnWidth(static_cast<int>(i), ISendPluWindow::columns[i].widthInChars * charWidth + 8);
    setCentralWidget(grid_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) model_->setCurrent(current.row());
        showStatus();
    });
    popup_ = new QMenu(this);
    popup_->setObjectName("pmGrid");
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(grid_->viewport()->mapToGlobal(at)); });
    buildMenus();
    buildStatusBar();
    resize(1000, 600);
    restoreWindowGeometry(*this);
    showRows();
}

SendPluWindow::~SendPluWindow() = default;

void SendPluWindow::open(const FormKernel::TBaseFormArgs& args, QWidget* parent) {
    if (!args.model)
        throw Core::PlacedRuntimeError("Okno TSendPluForm wymaga obiektu okna.", CORE_SRC_INFO("SendPluWindow::open"));
    // Shares the behaviour object's ownership through its window interface.
    std::shared_ptr<ISendPluWindow> model(args.model, &args.model->as<ISendPluWindow>());
    (new SendPluWindow(std::move(model), parent))->show();
}

std::vector<SendPluWindow::Command> SendPluWindow::commands() {
    const char* options = "Opcje";
    const char* sending = "Opcje wysyłania PLU";
    const char* other = "Inne";
    // Host contract: the window's menus, captions and shortcuts.
    return {
        {"Wyslij",
         options,
         nullptr,
         "Wysłanie danych z okna do urządzeń",
         "Wyślij dane z okna do urządzeń",
         {},
         [this] { send(); }},
        {"WyslijEtykiety",
         options,
         nullptr,
         "Wysłanie etykiet elektronicznych (cena większa)",
         nullptr,
         {},
         [this] { sendLabels(); },
         true},
        {"WarunkiSprzedazy",
         options,
         nullptr,
         "Warunki sprzedaży",
         nullptr,
         {},
         [this] { browse(&ISendPluWindow::browseSaleConditions); }},
        {"Towar", options, nullptr, "Towar", nullptr, {}, [this] { browse(&ISendPluWindow::browseProduct); }},
        {"BezCeny", options, nullptr, "Pokaż towary bez ceny", nullptr, {}, {}, false, true},
        {"WybierzWszystkie", options, nullptr, "Wybierz wszystkie", nullptr, QKeySequence("Ctrl+A"),
         [this] { grid_->selectAll(); }},
        {"Odswiez", options, nullptr, "Odśwież", nullptr, QKeySequence("Ctrl+R"),
         [this] {
             model_->refresh();
             showRows();
         }},
        {"Zamknij", options, nullptr, "Zamknij", nullptr, {}, [this] { close(); }},
        {"Zablokuj",
         sending,
         "Blokada",
         "Zablokuj",
         nullptr,
         {},
         [this] { flagCommand([this] { model_->block(true); }); }},
        {"Odblokuj",
         sending,
         "Blokada",
         "Odblokuj",
         nullptr,
         {},
         [this] { flagCommand([this] { model_->block(false); }); }},
        {"ZaznaczNatychmiastowe",
         sending,
         "Czas wysłania",
         "Zaznacz do natychmiastowego",
         nullptr,
         {},
         [this] { flagCommand([this] { model_->sendImmediately(true); }); }},
        {"OdznaczNatychmiastowe",
         sending,
         "Czas wysłania",
         "Odznacz od natychmiastowego",
         nullptr,
         {},
         [this] { flagCommand([this] { model_->sendImmediately(false); }); }},
        {"ZaznaczWieczorne",
         sending,
         "Czas wysłania",
         "Zaznacz do odczytu wieczornego",
         "Zaznacz do wieczornego",
         {},
         [this] { flagCommand([this] { model_->sendInTheEvening(); }); }},
        {"Szukaj", other, nullptr, "Szukaj ciągu znaków ...", nullptr, QKeySequence(Qt::Key_F7), [this] { search(); }},
        {"SzukajDalej", other, nullptr, "Szukaj kolejnego wystąpienia ciągu znaków", nullptr, QKeySequence(Qt::Key_F8),
         [this] { searchFrom(grid_->currentIndex().row() + 1); }},
    };
}

void SendPluWindow::buildMenus() {
    std::map<QString, QMenu*> menus;  // by "menu/submenu", in the menu bar and in the pop-up
    const auto menuOf = [&](const Command& command, bool popup) {
        const QString top = text(command.menu);
        QMenu*& menu = menus[(popup ? "pm/" : "mi/") + top];
        if (!menu) menu = popup ? popup_->addMenu(top) : menuBar()->addMenu(top);
        if (!command.submenu) return menu;
        QMenu*& submenu = menus[(popup ? "pm/" : "mi/") + top + "/" + text(command.submenu)];
        if (!submenu) submenu = menu->addMenu(text(command.submenu));
        return submenu;
    };
    for (const auto& command : commands())
        for (bool popup : {false, true}) addCommand(*menuOf(command, popup), command, popup);
}

QAction* SendPluWindow::addCommand(QMenu& menu, const Command& command, bool popup) {
    const char* caption = popup && command.popupCaption ? command.popupCaption : command.caption;
    QAction* action = menu.addAction(text(caption));
    action->setObjectName(QString(popup ? "pm" : "mi") + command.name);
    // One shortcut per command: the pop-up's twin would make it ambiguous.
    if (!popup) action->setShortcut(command.shortcut);
    if (command.labels) action->setVisible(model_->labelsEnabled());
    if (command.checkable) {
        action->setCheckable(true);
        pricelessItems_.push_back(action);
        connect(action, &QAction::triggered, this, [this](bool checked) { setIncludePriceless(checked); });
    } else {
        connect(action, &QAction::triggered, this, command.run);
    }
    return action;
}

void SendPluWindow::buildStatusBar() {
    countPanel_ = new QLabel(this);
    countPanel_->setObjectName("panelCount");
    countPanel_->setFixedWidth(400);
    positionPanel_ = new QLabel(this);
    positionPanel_->setObjectName("panelPosition");
    positionPanel_->setFixedWidth(50);
    progress_ = new ProgressPanel(this);
    progress_->setObjectName("panelProgress");
    progress_->setFixedWidth(200);
    statusBar()->addWidget(countPanel_);
    statusBar()->addWidget(positionPanel_);
    statusBar()->addWidget(progress_);
}

void SendPluWindow::takeSelection() {
    std::set<int> selected;
    for (const QModelIndex& row : grid_->selectionModel()->selectedRows()) selected.insert(row.row());
    model_->setSelected(std::move(selected));
    if (grid_->currentIndex().isValid()) model_->setCurrent(grid_->currentIndex().row());
}

void SendPluWindow::showRows() {
    rows_->reload();
    if (rows_->rowCount() > 0)
        grid_->selectionModel()->setCurrentIndex(rows_->index(model_->current(), 0), QItemSelectionModel::NoUpdate);
    showStatus();
}

void SendPluWindow::showStatus() {
    countPanel_->setText(QString::fromStdString(model_->recordCountText()));
    const QModelIndex current = grid_->currentIndex();
    positionPanel_->setText(current.isValid() ? QString::number(current.row() + 1) : QString());
}

void SendPluWindow::flagCommand(const std::function<void()>& command) {
    takeSelection();
    try {
        command();
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
    }
    showRows();
}

void SendPluWindow::send() {
    takeSelection();
    {
        CommandsOff off(*this, *grid_);
        // Host contract: the progress window's caption.
        ProgressWindow progress("Przesyłanie PLU", *progress_, this);
        int records = 0;
        try {
            model_->send(progress, [&records] {
                if (++records % RecordsPerRedraw == 0) QCoreApplication::processEvents();
            });
        } catch (const std::exception& e) {
            FormKernel::messageBoxes()->error(e.what());
            return;
        }
    }
    close();
}

void SendPluWindow::sendLabels() {
    {
        // Host contract: the progress window's caption.
        ProgressWindow progress("Przesyłanie etykiet", *progress_, this);
        try {
            model_->sendLabels(progress);
        } catch (const std::exception& e) {
            FormKernel::messageBoxes()->error(e.what());
        }
    }
    showRows();
}

void SendPluWindow::setIncludePriceless(bool include) {
    model_->setIncludePriceless(include);
    for (QAction* item : pricelessItems_) item->setChecked(model_->includePriceless());
    showRows();
}

void SendPluWindow::browse(void (ISendPluWindow::*browser)(FormKernel::IBaseForm*)) {
    takeSelection();
    WindowForm form(this);
    try {
        ((*model_).*browser)(&form);
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
    }
    rows_->repaint();
}

void SendPluWindow::search() {
    bool ok = false;
    const QString wanted =
        QInputDialog::getText(this, text("Szukaj"), text("Szukany ciąg znaków:"), QLineEdit::Normal, searched_, &ok);
    if (!ok || wanted.isEmpty()) return;
    searched_ = wanted;
    searchFrom(0);
}

void SendPluWindow::searchFrom(int row) {
    if (searched_.isEmpty()) return search();
    for (; row < rows_->rowCount(); ++row) {
        for (int column = 0; column < rows_->columnCount(); ++column) {
            if (!rows_->index(row, column).data().toString().contains(searched_, Qt::CaseInsensitive)) continue;
            grid_->selectionModel()->setCurrentIndex(rows_->index(row, 0),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return;
        }
    }
    FormKernel::messageBoxes()->information("Nie znaleziono ciągu znaków „" + searched_.toStdString() + "”.");
}

void SendPluWindow::closeEvent(QCloseEvent* event) {
    // The transmission must finish writing the devices' files and the database's flags.
    if (model_->transmissionRunning()) return event->ignore();
    saveWindowGeometry(*this);
    event->accept();
}

}  // namespace Korvel::Gui
