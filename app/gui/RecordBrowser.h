// The host's read-only browsers over one table for the records a condition picks:
// TbrTowar over the products (alias "t"), TbrWarunkiSprz over the sale conditions
// (alias "w"). They read the shop's database through the host's default session.
#pragma once

#include <QDialog>
#include <string>

namespace Korvel::Gui {

class RecordBrowser : public QDialog {
    Q_OBJECT
public:
    struct Kind {
        const char* formClass;
        const char* caption;
        const char* query;  // the condition is appended
    };
    // Host contract: the browsers' class names.
    static const Kind Products;
    static const Kind SaleConditions;

    // Reads the records at once; the condition starts with "and".
    RecordBrowser(const Kind& kind, const std::string& condition, QWidget* parent);
};

}  // namespace Korvel::Gui
