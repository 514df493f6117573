#include "scales/ScaleDataOutputFileWriter.h"

#include <algorithm>

#include "core/Debug.h"
#include "core/Errors.h"

namespace Devices {

namespace {

std::string lastComponent(const std::string& path) { return path.substr(path.rfind('/') + 1); }

bool within(const std::string& outer, const std::string& inner) { return outer.find(inner) != std::string::npos; }

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        default: result += c;
        }
    }
    return result + '"';
}

}  // namespace

ScaleDataOutputFileWriter::ScaleDataOutputFileWriter(std::shared_ptr<Core::Filesystem::TextOutputFile> file,
                                                     MeasureUnitServicePtr units)
    : file_(std::move(file)), units_(std::move(units)) {}

ScaleDataOutputFileWriter::~ScaleDataOutputFileWriter() {
    try {
        close();
    } catch (const std::exception& e) {
        if (Core::Debug::loggingEnabled())
            Core::Debug::logException(CORE_SRC_INFO("Devices::ScaleDataOutputFileWriter::~ScaleDataOutputFileWriter"),
                                      e.what());
    }
}

void ScaleDataOutputFileWriter::close() {
    if (closed_) return;
    closed_ = true;
    file_->write(text_);
    file_->close();
}

void ScaleDataOutputFileWriter::line(const std::string& text) {
    text_.append(openPaths_.size(), '\t');
    text_ += text;
    text_ += '\n';
}

void ScaleDataOutputFileWriter::field(const char* name, const std::string& value) {
    line(std::string("<") + name + ">" + value + "</" + name + ">");
}

void ScaleDataOutputFileWriter::openPath(const std::string& path) {
    const std::string parent = path.substr(0, path.rfind('/'));
    while (!openPaths_.empty() && !within(parent, openPaths_.back())) closeTop();
    std::size_t from = openPaths_.empty() ? 0 : openPaths_.back().size();
    while (from < path.size()) {
        const std::size_t end = std::min(path.find('/', from + 1), path.size());
        line("<" + path.substr(from + 1, end - from - 1) + ">");
        openPaths_.push_back(path.substr(0, end));
        from = end;
    }
}

void ScaleDataOutputFileWriter::closePath(const std::string& path) {
    // Elements inside the path are closed on the way; the first open element, from the
    // innermost, that lies within the path must be the path itself. Checked before
    // anything is closed, so a wrong call leaves the document as it was.
    const auto enclosing = std::find_if(openPaths_.rbegin(), openPaths_.rend(),
                                        [&](const std::string& open) { return within(path, open); });
    if (enclosing == openPaths_.rend() || *enclosing != path)
        throw Core::PlacedLogicError("Bledna struktura xml",
                                     CORE_SRC_INFO("Devices::ScaleDataOutputFileWriter::closePath"));
    while (openPaths_.back() != path) closeTop();
    closeTop();
}

void ScaleDataOutputFileWriter::closeTop() {
    const std::string name = lastComponent(openPaths_.back());
    openPaths_.pop_back();
    line("</" + name + ">");
}

void ScaleDataOutputFileWriter::openRoot() { openPath(RootPath); }
void ScaleDataOutputFileWriter::closeRoot() { closePath(RootPath); }

void ScaleDataOutputFileWriter::writeAddressee(int scaleNumber, int section) {
    openPath(ScalePath);
    field("NUMER", std::to_string(scaleNumber));
    field("SEKCJA", std::to_string(section));
    closePath(ScalePath);
    closePath(AddresseePath);
}

void ScaleDataOutputFileWriter::openHeaderLines() { openPath(HeaderLinesPath); }
void ScaleDataOutputFileWriter::writeHeaderLine(const std::string& text) { field("LINIA", quoted(text)); }
void ScaleDataOutputFileWriter::closeHeaderLines() { closePath(HeaderLinesPath); }

void ScaleDataOutputFileWriter::openProduct() { openPath(ProductPath); }
void ScaleDataOutputFileWriter::writeNr(int number) { field("NR", std::to_string(number)); }
void ScaleDataOutputFileWriter::writeName(const std::string& name) { field("NAZWA", quoted(name)); }
void ScaleDataOutputFileWriter::writeShortName(const std::string& shortName) { field("KRNAZWA", quoted(shortName)); }
void ScaleDataOutputFileWriter::writePlu(const std::string& code) { field("PLU", code); }
void ScaleDataOutputFileWriter::writeEan(int ean) { field("EAN", std::to_string(ean)); }
void ScaleDataOutputFileWriter::writeType(int type) { field("TYP", std::to_string(type)); }
void ScaleDataOutputFileWriter::writePrice(Core::Price price) { field("CENADET", price.toString()); }
void ScaleDataOutputFileWriter::writeWeightCodeType(int type) { field("TYP_KODU_WAGOWEGO", std::to_string(type)); }
void ScaleDataOutputFileWriter::writeWeighed(bool weighed) { field("TOWAR_WAZONY", weighed ? "1" : "0"); }
void ScaleDataOutputFileWriter::writeUnitSymbol(int unitCode) {
    field("JM_MIARY", quoted(units_->getSymbolFromCode(unitCode)));
}
void ScaleDataOutputFileWriter::writeUnitId(int unitCode) { field("JM_MIARY_ID", std::to_string(unitCode)); }
void ScaleDataOutputFileWriter::writeShelfLife(std::optional<int> days) {
    field("SPOZYC_DO", days ? std::to_string(*days) : "");
}
void ScaleDataOutputFileWriter::writeDelete() { field("USUN", "1"); }
void ScaleDataOutputFileWriter::writeGroupIndex(const std::string& groupIndex) { field("GR_INDEX", groupIndex); }
void ScaleDataOutputFileWriter::writeIngredients(const std::string& ingredients) {
    field("SKLADNIKI", quoted(ingredients));
}
void ScaleDataOutputFileWriter::closeProduct() { closePath(ProductPath); }

}  // namespace Devices
