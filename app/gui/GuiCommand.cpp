#include "GuiCommand.h"

#include <QApplication>

#include "MainWindow.h"
#include "QtFormKernel.h"

namespace Korvel::Gui {

int runGui(const char* programName) {
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    QApplication application(argc, argv);
    QtFormKernel forms;
    MainWindow window;
    window.show();
    return application.exec();
}

}  // namespace Korvel::Gui
