// The form kernel on Qt: while one QtFormKernel lives, actions open their windows as
// Qt widgets and their message boxes as QMessageBox; destroying it gives the console's
// back. A window handed to an action is a WindowForm around its QWidget.
#pragma once

#include <QWidget>

#include "forms/FormKernel.h"

namespace Korvel::Gui {

// The parent window an action receives.
class WindowForm : public FormKernel::IBaseForm {
public:
    explicit WindowForm(QWidget* widget) : widget_(widget) {}
    QWidget* widget() const { return widget_; }

private:
    QWidget* widget_;
};

// The QWidget behind a parent form, or nullptr for none or a form of another host.
QWidget* parentWidget(FormKernel::IBaseForm* parent);

class QtFormKernel {
public:
    QtFormKernel();
    ~QtFormKernel();
    QtFormKernel(const QtFormKernel&) = delete;
    QtFormKernel& operator=(const QtFormKernel&) = delete;
};

}  // namespace Korvel::Gui
