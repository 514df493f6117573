#include "hostlists/PaymentForms.h"

#include <strings.h>

#include "db/Query.h"

namespace Platnosci {

FormyPlatnosci::FormyPlatnosci(TSessionHolder session) : session_(std::move(session)) { refresh(); }

void FormyPlatnosci::refresh() {
    std::vector<FormaPlatnosci> read;
    for (
        DBKernel::Sql::OpenedQuery row(
            "select lFormaPlatnosciRef, sGuid, sNazwa, nRodzaj, bReszta from FormaPlatnosci order by lFormaPlatnosciRef",
            session_);
        row; row.next())
        read.push_back({row["lFormaPlatnosciRef"].asInt(), row["sGuid"].asString(), row["sNazwa"].asString(),
                        row["nRodzaj"].asInt(), row["bReszta"].asInt() != 0});
    forms_ = std::move(read);
}

const FormaPlatnosci* FormyPlatnosci::findByGuid(const std::string& guid) const {
    for (const auto& form : forms_)
        if (strcasecmp(form.guid.c_str(), guid.c_str()) == 0) return &form;
    return nullptr;
}

}  // namespace Platnosci
