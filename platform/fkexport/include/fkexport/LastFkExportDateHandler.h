// The financial-accounting ("FK") export library, as far as other subsystems need it:
// the last day exported to the financial-accounting system (table fk_export). Data of
// days up to that one has been booked there.
#pragma once

#include <optional>

#include "db/SessionHolder.h"

// Host contract: the class name of the financial-accounting export library.
class LastFkExportDateHandler {
public:
    explicit LastFkExportDateHandler(TSessionHolder session) : session_(std::move(session)) {}

    // The day number of the last export; empty when nothing was ever exported.
    std::optional<int> getLastExportDate() const;

private:
    TSessionHolder session_;
};
