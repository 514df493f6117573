// The send-PLU window: the grid of the records the PLU transmission would send today,
// with the operator's commands in the menus, in the grid's pop-up menu and on their
// shortcuts, over the window's behaviour object (ISendPluWindow). It deletes itself
// when closed and refuses to close while a transmission runs; its place and size are
// kept in the per-user settings file.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "plu/ISendPluWindow.h"

class QLabel;
class QMenu;
class QTableView;

namespace Korvel::Gui {

class ProgressPanel;
class SendPluRowsModel;

class SendPluWindow : public QMainWindow {
    Q_OBJECT
public:
    // Host contract: the window's class name.
    static constexpr const char* formClass = "TSendPluForm";
    // The window redraws and answers the operator after this many records of a send.
    static constexpr int RecordsPerRedraw = 30;

    SendPluWindow(std::shared_ptr<ISendPluWindow> model, QWidget* parent);
    // Shows a new window over the behaviour object in the form arguments.
    static void open(const FormKernel::TBaseFormArgs& args, QWidget* parent);
    ~SendPluWindow() override;

    QTableView& grid() const { return *grid_; }
    QMenu& popupMenu() const { return *popup_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Command {
        const char* name;  // the actions are "mi" + name in the menus, "pm" + name in the pop-up
        const char* menu;
        const char* submenu;  // nullptr: straight in the menu
        const char* caption;
        const char* popupCaption;  // nullptr: the caption
        QKeySequence shortcut;
        std::function<void()> run;
        bool labels = false;     // shown only when the electronic labels are on
        bool checkable = false;  // "Pokaż towary bez ceny"
    };
    std::vector<Command> commands();
    void buildMenus();
    QAction* addCommand(QMenu& menu, const Command& command, bool popup);
    void buildStatusBar();

    // The grid's selection and current row, handed to the behaviour before a command.
    void takeSelection();
    // Shows the behaviour's rows again, the current row kept.
    void showRows();
    void showStatus();
    void flagCommand(const std::function<void()>& command);
    void send();
    void sendLabels();
    void setIncludePriceless(bool include);
    void browse(void (ISendPluWindow::*browser)(FormKernel::IBaseForm*));
    void search();
    void searchFrom(int row);

    std::shared_ptr<ISendPluWindow> model_;
    SendPluRowsModel* rows_;
    QTableView* grid_;
    QMenu* popup_;
    QLabel* countPanel_ = nullptr;
    QLabel* positionPanel_ = nullptr;
    ProgressPanel* progress_ = nullptr;
    std::vector<QAction*> pricelessItems_;
    QString searched_;
};

}  // namespace Korvel::Gui
