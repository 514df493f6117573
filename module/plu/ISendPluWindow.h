// What the send-PLU window sees of its behaviour. Every operation is pure virtual, so a
// window built apart from the module (the Qt host) reaches the module's object through
// the object's own table, without linking the module: the rows come as display texts
// and the few values the painting needs.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "core/ProgressIndicator.h"
#include "forms/FormKernel.h"

class ISendPluWindow : public virtual Core::IUnknown {
public:
    struct Column {
        const char* field;  // of the engine's main query
        int widthInChars;
        const char* title;
    };
    // Host contract: the grid's columns, in order.
    static constexpr std::array<Column, 7> columns{{
        {"sNazwa", 46, "Nazwa towaru"},
        {"sPLU", 16, "Kod PLU"},
        {"sCenaSprzed", 11, "Cena sprz."},
        {"sBlokada", 5, "Blok."},
        {"sStatus", 10, "Status PLU"},
        {"sWyslij", 12, "Wyślij"},
        {"sFlaga", 5, "Skąd"},
    }};
    static constexpr int PriceColumn = 2;
    static constexpr int BlockedColumn = 3;
    // Host contract: the price text of a record without a price, the text of a blocked one.
    static constexpr const char* NoPriceText = "brak!";
    static constexpr const char* BlockedText = "tak";

    // One record of the main query as the grid shows it.
    struct Row {
        std::array<std::string, columns.size()> cells;
        int productRef = 0;                  // lTowarRef
        int status = 0;                      // byStatus
        std::optional<double> newPrice;      // dCenaSprzedWar: from the sale conditions
        std::optional<double> currentPrice;  // dCenaSprzedTowar: the product's price now
    };

    virtual const std::vector<Row>& shownRows() const = 0;
    // Status-bar panel 0.
    virtual std::string recordCountText() const = 0;

    // The grid's current row and selection, as row indexes from 0.
    virtual void setCurrent(int row) = 0;
    virtual int current() const = 0;
    virtual void setSelected(std::set<int> selected) = 0;
    virtual const std::set<int>& selected() const = 0;

    // The flag commands: "Zablokuj"/"Odblokuj", "Zaznacz do natychmiastowego"/"Odznacz
    // od natychmiastowego", "Zaznacz do odczytu wieczornego". Each writes the selected
    // rows (the current one when none is) to the database and refreshes.
    virtual void block(bool blocked) = 0;
    virtual void sendImmediately(bool immediate) = 0;
    virtual void sendInTheEvening() = 0;
    // "Odśwież": reopens the main query and forgets the products changed meanwhile.
    virtual void refresh() = 0;
    // "Pokaż towary bez ceny".
    virtual void setIncludePriceless(bool include) = 0;
    virtual bool includePriceless() const = 0;

    // "Wysłanie danych z okna do urządzeń": the transmission, then the summary in a
    // warning box; raises "Brak zainstalowanych kas." before anything is sent when
    // there is no installed cash register. `tick` runs after every record.
    virtual void send(Core::ThreadUserIo::ISteppableProgressIndicator& progress, std::function<void()> tick) = 0;
    virtual bool transmissionRunning() const = 0;

    // Whether the electronic labels are switched on (the label items show only then).
    virtual bool labelsEnabled() const = 0;
    // "Wysłanie etykiet elektronicznych (cena większa)": labels for the price rises.
    virtual void sendLabels(Core::ThreadUserIo::ISteppableProgressIndicator& progress) = 0;

    // "Towar" and "Warunki sprzedaży": the host's browser for the current product; a
    // product changed meanwhile joins the modified set.
    virtual void browseProduct(FormKernel::IBaseForm* parent) = 0;
    virtual void browseSaleConditions(FormKernel::IBaseForm* parent) = 0;
    virtual bool modified(int productRef) const = 0;
};
