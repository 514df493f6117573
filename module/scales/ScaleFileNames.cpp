#include "scales/ScaleFileNames.h"

#include <boost/format.hpp>
#include <regex>

#include "core/Errors.h"

namespace Devices {

namespace {

const std::string& dataFileMask() {
    static const std::string mask = "{number:5}{scale:3}.{section:1}wa";  // Host contract
    return mask;
}

const std::string& errorFileMask() {
    static const std::string mask = "Err_W{scale:3}.S{section:2}";  // Host contract
    return mask;
}

// Literal mask text as a regular expression that matches only itself.
std::string escapeForRegex(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(text, special, R"(\$&)");
}

std::string padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

}  // namespace

void FileNameFormatter::replace(const std::string& field, const std::function<std::string(int width)>& replacement) {
    const std::regex pattern("\\{" + field + ":(\\d+)\\}");
    std::smatch match;
    if (!std::regex_search(mask_, match, pattern)) return;
    // Taken literally: '$' would start a back-reference in the format.
    const std::string literal = std::regex_replace(replacement(std::stoi(match[1].str())), std::regex("\\$"), "$$$$");
    mask_ = std::regex_replace(mask_, pattern, literal);
}

FileNameFormatter& FileNameFormatter::fill(const std::string& field, std::optional<int> value) {
    replace(field, [&](int width) {
        return value ? padded(*value, width) : std::string(static_cast<std::size_t>(width), '?');
    });
    return *this;
}

FileNameFormatter& FileNameFormatter::fillForParsing(const std::string& field) {
    replace(field, [](int width) {
        return (boost::format("(%1%)") % (boost::format("%1%{%2%}") % "\\d" % width).str()).str();
    });
    return *this;
}

ScaleDataFileName::ScaleDataFileName(int scale, int section, int number)
    : scale_(scale), section_(section), number_(number) {}

ScaleDataFileName::ScaleDataFileName(const std::string& fileName) : fileName_(fileName) {}

const std::string& ScaleDataFileName::mask() { return dataFileMask(); }

const std::string& ScaleDataFileName::fileName() const {
    if (!fileName_)
        fileName_ =
            FileNameFormatter(mask()).fill("section", section_).fill("scale", scale_).fill("number", number_).text();
    return *fileName_;
}

namespace {

// Built once: a run parses the name of every file in the scale directories for every
// new file, and compiling the expression costs far more than matching it.
const std::regex& dataFileNamePattern() {
    static const std::regex pattern = [] {
        // The mask's literal characters are escaped first; the fields' names survive it
        // as "\{name:width\}", which the formatter then fills with digit groups.
        std::string text = escapeForRegex(ScaleDataFileName::mask());
        text = std::regex_replace(text, std::regex(R"(\\\{(\w+):(\d+)\\\})"), "{$1:$2}");
        return std::regex(
            FileNameFormatter(text).fillForParsing("number").fillForParsing("section").fillForParsing("scale").text());
    }();
    return pattern;
}

}  // namespace

void ScaleDataFileName::parse() const {
    if (scale_ && section_ && number_) return;
    std::smatch match;
    if (!std::regex_search(*fileName_, match, dataFileNamePattern()))
        throw Core::PlacedRuntimeError(
            (boost::format("Could not parse file name parts from '%1%'.") % *fileName_).str(),
            CORE_SRC_INFO("Devices::ScaleDataFileName::parse"));
    // The groups follow the fields' order in the mask: number, scale, section.
    number_ = std::stoi(match[1].str());
    scale_ = std::stoi(match[2].str());
    section_ = std::stoi(match[3].str());
}

int ScaleDataFileName::number() const {
    parse();
    return *number_;
}

int ScaleDataFileName::scale() const {
    parse();
    return *scale_;
}

int ScaleDataFileName::section() const {
    parse();
    return *section_;
}

const std::string& ScaleDataFileNameMask::str() const {
    if (!pattern_)
        pattern_ = FileNameFormatter(ScaleDataFileName::mask())
                       .fill("number", std::nullopt)
                       .fill("scale", scale_)
                       .fill("section", section_)
                       .text();
    return *pattern_;
}

const std::string& ScaleErrorFileName::mask() { return errorFileMask(); }

const std::string& ScaleErrorFileName::str() const {
    if (!name_) name_ = FileNameFormatter(mask()).fill("scale", scale_).fill("section", section_).text();
    return *name_;
}

}  // namespace Devices
