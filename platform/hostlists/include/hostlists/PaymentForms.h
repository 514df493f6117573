// The host's payment forms (table FormaPlatnosci): how a customer may pay at the
// cash register. The list is read at construction and again on refresh(), since the
// back office may add forms while the program runs.
#pragma once

#include <string>
#include <vector>

#include "db/SessionHolder.h"

namespace Platnosci {

struct FormaPlatnosci {
    int ref = 0;       // lFormaPlatnosciRef
    std::string guid;  // the form's identity on the cash registers
    std::string name;
    int kind = 0;              // nRodzaj: 0 cash, 1 card, 2 voucher, 3 credit, 4 transfer
    bool changeGiven = false;  // bReszta: the register may give change
};

class FormyPlatnosci {
public:
    explicit FormyPlatnosci(TSessionHolder session = TSessionHolder(true));

    void refresh();
    // The forms by reference.
    const std::vector<FormaPlatnosci>& all() const { return forms_; }
    // The form with the GUID (letter case ignored), or null.
    const FormaPlatnosci* findByGuid(const std::string& guid) const;

private:
    TSessionHolder session_;
    std::vector<FormaPlatnosci> forms_;
};

}  // namespace Platnosci
