// The host's text log window ("DlgTxtLog"): one long text, read-only, under the
// caption its caller gives. Modeless; it deletes itself when closed.
#pragma once

#include <QWidget>

#include "forms/TextLog.h"

namespace Korvel::Gui {

class TextLogWindow : public QWidget {
    Q_OBJECT
public:
    TextLogWindow(const FormKernel::ITextLog& log, QWidget* parent);
};

}  // namespace Korvel::Gui
