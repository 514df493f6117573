// The host's message boxes as Qt's modal boxes over the active window.
#pragma once

#include "forms/FormKernel.h"

namespace Korvel::Gui {

class QtMessageBoxes : public FormKernel::IMessageBoxes {
public:
    void information(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    bool question(const std::string& text) override;
};

}  // namespace Korvel::Gui
