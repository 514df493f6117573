// The directory price checker: numbered files "PLUnnnnn.TXT" of fixed-width records in
// its directory, one file per sending. A record line is the record type (R in reload
// mode, U otherwise, D for a deletion), the PLU code in 13 characters, the name in 30,
// the price in hundredths right-aligned in 9 and the unit symbol in 3; text in
// windows-1250, lines ending CR LF.
//
//   TPriceCheckerSender sender(directory);
//   sender.startSending();                      // opens the next free number's file
//   sender.sendTowar("5900000000015", "Chleb", 3.49, "szt");
//   sender.endSending();
#pragma once

#include <fstream>
#include <optional>
#include <string>

#include "tools/Plu.h"

// Host contract: the directory price-checker sender.
class TPriceCheckerSender {
public:
    // A separator is appended when the directory does not end in one.
    explicit TPriceCheckerSender(std::string directory);
    // A sending that was not ended is abandoned (see abandon()).
    ~TPriceCheckerSender();
    TPriceCheckerSender(const TPriceCheckerSender&) = delete;
    TPriceCheckerSender& operator=(const TPriceCheckerSender&) = delete;

    // The file carries the full list: R records, deletions suppressed.
    void setReloadMode();
    // Opens the file numbered one past the greatest "PLU*.txt" (letter case ignored);
    // raises "Błąd otwarcia pliku: <path>" when it cannot be written.
    void startSending();
    void sendTowar(const std::string& plu, const std::string& name, double price, const std::string& unit);
    // Writes nothing in reload mode.
    void deleteTowar(const std::string& plu, const std::string& name, double price, const std::string& unit);
    void deleteTowar(const std::string& plu);
    void endSending();
    // Closes and removes the file of a sending that will not be ended, so that a failed
    // package leaves no half of its records for the price checker.
    void abandon() noexcept;

    // The file of the current (or last) sending.
    const std::string& filePath() const { return path_; }

    // The number of the next file: 0 in an empty directory, else one past the greatest
    // numbered name; names whose five characters before ".txt" are not digits do not count.
    static int nextFileNumber(const std::string& directory);
    // One record line without its line end.
    static std::string recordLine(char type, const std::string& plu, const std::string& name, double price,
                                  const std::string& unit);
    // The code a price checker scans: for weight and value codes a 0 and the first 12
    // characters of the raw code, for the others the full code.
    static std::string codeOf(const Plu::TPlu& plu);
    // As above for a code's text; empty for text that is not a PLU code.
    static std::optional<std::string> codeOf(const std::string& text);

private:
    void write(char type, const std::string& plu, const std::string& name, double price, const std::string& unit);

    bool reload_ = false;
    std::string directory_;
    std::string path_;
    std::ofstream out_;
};
