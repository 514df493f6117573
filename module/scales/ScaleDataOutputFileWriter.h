// Writes one scale data file: an XML document for one scale, with the addressee, then
// header lines to print and/or products to load or delete. One element per line,
// indented with a tab per enclosing element, no declaration. Elements are opened by
// path ("/WAGA_XML/DANE/TOWAR"): whatever is open and does not enclose the new element
// is closed first, and missing parents are opened.
//
// The text is kept in memory; close() (or the destructor) hands it to the file in one
// write and closes the file, so the file holds either nothing or the whole document.
//
//   ScaleDataOutputFileWriter writer(file, units);
//   writer.openRoot();
//   writer.writeAddressee(3, 1);
//   writer.openProduct(); writer.writeNr(15); ...; writer.closeProduct();
//   writer.closeRoot();
//   writer.close();
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Money.h"
#include "files/TextOutputFile.h"
#include "scales/MeasureUnitService.h"

namespace Devices {

// Host contract: the writer of the scale XML data file.
class ScaleDataOutputFileWriter {
public:
    // Host contract: the element paths of the document.
    static constexpr const char* RootPath = "/WAGA_XML";
    static constexpr const char* DataPath = "/WAGA_XML/DANE";
    static constexpr const char* HeaderPath = "/WAGA_XML/HEADER_DATA";
    static constexpr const char* AddresseePath = "/WAGA_XML/SEND_TO";
    static constexpr const char* HeaderLinesPath = "/WAGA_XML/HEADER_DATA/LINIE";
    static constexpr const char* ProductPath = "/WAGA_XML/DANE/TOWAR";
    static constexpr const char* ScalePath = "/WAGA_XML/SEND_TO/WAGA";

    ScaleDataOutputFileWriter(std::shared_ptr<Core::Filesystem::TextOutputFile> file, MeasureUnitServicePtr units);
    // Writes and closes when close() was not called; a failure then is only logged.
    ~ScaleDataOutputFileWriter();
    ScaleDataOutputFileWriter(const ScaleDataOutputFileWriter&) = delete;
    ScaleDataOutputFileWriter& operator=(const ScaleDataOutputFileWriter&) = delete;

    void openRoot();
    void closeRoot();
    // SEND_TO with WAGA: NUMER and SEKCJA.
    void writeAddressee(int scaleNumber, int section);
    void openHeaderLines();
    void writeHeaderLine(const std::string& line);
    void closeHeaderLines();

    void openProduct();
    void writeNr(int number);
    void writeName(const std::string& name);
    void writeShortName(const std::string& shortName);
    void writePlu(const std::string& code);
    void writeEan(int ean);
    void writeType(int type);
    void writePrice(Core::Price price);
    void writeWeightCodeType(int type);
    void writeWeighed(bool weighed);
    // JM_MIARY: the unit's symbol, from the measure-unit service.
    void writeUnitSymbol(int unitCode);
    void writeUnitId(int unitCode);
    // SPOZYC_DO: empty without a shelf life.
    void writeShelfLife(std::optional<int> days);
    void writeDelete();
    void writeGroupIndex(const std::string& groupIndex);
    void writeIngredients(const std::string& ingredients);
    void closeProduct();

    // Raises "Bledna struktura xml" when the path is not open; nothing changes then.
    void closePath(const std::string& path);
    void openPath(const std::string& path);

    // Hands the text to the file in one write and closes it.
    void close();

private:
    void closeTop();
    void line(const std::string& text);
    void field(const char* name, const std::string& value);

    std::shared_ptr<Core::Filesystem::TextOutputFile> file_;
    MeasureUnitServicePtr units_;
    std::string text_;
    std::vector<std::string> openPaths_;
    bool closed_ = false;
};

}  // namespace Devices
