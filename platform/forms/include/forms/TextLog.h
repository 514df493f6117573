// The host's text log window: a read-only window that shows one long text (a log file,
// a report) under a caption. It belongs to the host's "Zentools" form registry and is
// opened by its class name like any other window; the text travels as the window's
// model.
//
//   FormKernel::showTextLog("MAIN_LOG_1.txt", text, parentOrNull, "CFormCreator");
#pragma once

#include <string>

#include "core/IUnknown.h"
#include "forms/FormKernel.h"

namespace FormKernel {

// Host contract: the text log window's form registry and form class.
inline constexpr const char* TextLogFormRegistry = "Zentools";
inline constexpr const char* TextLogFormClass = "DlgTxtLog";

// What the window shows. Pure virtual, so that a host built apart from the caller
// reaches the caller's object through the object's own table.
class ITextLog : public virtual Core::IUnknown {
public:
    virtual const std::string& caption() const = 0;
    virtual const std::string& text() const = 0;
};

// Opens the text log window (modeless) with the caption and text; raises NoWindowError
// naming actionName in a host without windows.
void showTextLog(const std::string& caption, const std::string& text, IBaseForm* parent, const std::string& actionName);

}  // namespace FormKernel
