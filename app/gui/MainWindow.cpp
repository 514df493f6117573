#include "MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

#include "MenuItems.h"
#include "QtFormKernel.h"
#include "core/ActionContainer.h"
#include "forms/Termination.h"

namespace Korvel::Gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainWindow");
    setWindowTitle("Korvel — zaplecze sklepu");
    resize(1024, 640);
    const auto& container = Core::Action::CContainer::instance();
    for (const auto& item : moduleMenuItems()) {
        const auto names = menuPathNames(item.path);
        QMenu* menu = menuFor(std::vector<std::string>(names.begin(), names.end() - 1));
        QAction* action = menu->addAction(QString::fromStdString(menuCaption(names.back())));
        action->setObjectName(QString::fromStdString(names.back()));
        action->setEnabled(container.contains(item.guid));
        connect(action, &QAction::triggered, this, [this, guid = item.guid] { invoke(guid); });
    }
}

QMenu* MainWindow::menuFor(const std::vector<std::string>& names) {
    std::string path;
    QMenu* menu = nullptr;
    for (const auto& name : names) {
        path += '.' + name;
        auto& known = menus_[path];
        if (!known) {
            const QString caption = QString::fromStdString(menuCaption(name));
            known = menu ? menu->addMenu(caption) : menuBar()->addMenu(caption);
            known->setObjectName(QString::fromStdString(name));
            known->menuAction()->setObjectName(known->objectName());
        }
        menu = known;
    }
    return menu;
}

void MainWindow::invoke(const std::string& guid) {
    try {
        auto invoker = std::make_shared<Core::Action::ExecutorInvoker>();
        // An action shows its own failures; only what escapes it is shown here.
        Core::Action::CContainer::instance().invoke(guid, invoker, java::make<WindowForm>(this));
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (FormKernel::terminationAllowed()) return event->accept();
    event->ignore();
    FormKernel::messageBoxes()->warning(
        "Trwa transmisja danych do urządzeń. Program można zamknąć po jej zakończeniu.");
}

}  // namespace Korvel::Gui
