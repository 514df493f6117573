// Names of the files exchanged with the scale server: the data files the scales load
// ("00012003.1wa": running number, scale, section), the wildcard mask that lists the
// data files of one scale section ("?????003.1wa"), and the error file the scale
// server leaves for a section ("Err_W003.S01"). Names come without a directory.
//
//   Devices::ScaleDataFileName(3, 1, 12).fileName()        -> "00012003.1wa"
//   Devices::ScaleDataFileName("00012003.1wa").number()    -> 12
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace Devices {

// Fills the named fixed-width fields "{name:width}" of a mask; everything else in the
// mask is literal text.
// Host contract.
class FileNameFormatter {
public:
    explicit FileNameFormatter(std::string mask) : mask_(std::move(mask)) {}

    // The value zero-padded to the width (a longer value is written whole); without a
    // value, the width in '?' wildcards.
    FileNameFormatter& fill(const std::string& field, std::optional<int> value);
    // A group capturing exactly width digits, for reading a name back.
    FileNameFormatter& fillForParsing(const std::string& field);

    const std::string& text() const { return mask_; }

private:
    void replace(const std::string& field, const std::function<std::string(int width)>& replacement);

    std::string mask_;
};

// Host contract: the name of one data file.
class ScaleDataFileName {
public:
    ScaleDataFileName(int scale, int section, int number);
    explicit ScaleDataFileName(const std::string& fileName);

    const std::string& fileName() const;
    // Raises "Could not parse file name parts from '<name>'." for a name without the
    // data file structure; a later call tries again.
    int number() const;
    int scale() const;
    int section() const;

    static const std::string& mask();

private:
    void parse() const;

    mutable std::optional<int> scale_, section_, number_;
    mutable std::optional<std::string> fileName_;
};

// Host contract: the wildcard pattern of the data files of a scale and section;
// without a scale or section, any.
class ScaleDataFileNameMask {
public:
    ScaleDataFileNameMask(std::optional<int> scale, std::optional<int> section) : scale_(scale), section_(section) {}
    const std::string& str() const;
    operator const std::string&() const { return str(); }

private:
    std::optional<int> scale_, section_;
    mutable std::optional<std::string> pattern_;
};

// Host contract: the name of the scale server's error file of a scale and section.
class ScaleErrorFileName {
public:
    ScaleErrorFileName(int scale, int section) : scale_(scale), section_(section) {}
    const std::string& str() const;
    operator const std::string&() const { return str(); }

    static const std::string& mask();

private:
    int scale_, section_;
    mutable std::optional<std::string> name_;
};

}  // namespace Devices
