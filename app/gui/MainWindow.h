// The host's main window: a menu bar holding the module's menu items at their menu
// paths. Choosing an item invokes its action by GUID with this window as the parent
// form. Actions show their own messages; an error that escapes one is shown here.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>

class QMenu;

namespace Korvel::Gui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Invokes the action as its menu item does.
    void invoke(const std::string& guid);

protected:
    // Refused while work that must not be cut short runs (the host's log-out veto).
    void closeEvent(QCloseEvent* event) override;

private:
    // The menu at the path's levels above the item, made on first use.
    QMenu* menuFor(const std::vector<std::string>& names);

    std::map<std::string, QMenu*> menus_;  // by the path of "mi" names above the item
};

}  // namespace Korvel::Gui
