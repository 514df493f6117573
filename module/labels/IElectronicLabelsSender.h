// What the two label senders share: the labels configuration, the unit mapping, the
// formatting of fixed-width fields, and the upload of the data files of the files
// folder to the label server, each followed by its flag file.
//
// A concrete sender writes its ".dat" files into filesFolder_ and calls sendFiles()
// at the end of its transmission. Files that could not be uploaded stay in the folder
// and go first with the next upload (their names sort before newer ones).
#pragma once

#include <ios>
#include <map>
#include <optional>
#include <string>

#include "config/Key.h"
#include "external/ExternalDataSenders.h"

namespace Senders {

// Host contract: the label sender base, derived from the external sender interface.
class IElectronicLabelsSender : public IArticleDataExternalSystemSender {
public:
    // Host contract: the file extensions and the name of the remote folder setting.
    static const std::string datFileExt;
    static const std::string flagFileExt;
    static const std::string labelsFolderSetupKeyName;

    // Reads "Parametry sklepu" -> "Towary" -> "Etykiety elektroniczne": its required
    // "Włączone" and its "Mapowanie jednostek miar" (child name: the measure unit's
    // number; value: the label system's unit). Without the key the sender is off.
    IElectronicLabelsSender();
    ~IElectronicLabelsSender() override;

    // Host contract: uploads every ".dat" file of the files folder (letter case of the
    // extension ignored), in ascending name order, each followed by its ".flg" flag
    // file holding ":-)"; removes both once uploaded. No file, no connection.
    virtual void sendFiles();

    // Host contract: line feeds, tabs and carriage returns become spaces; the result is
    // cut to `width` and padded with `fill` to `width`, aligned by std::left or std::right.
    static std::string formatValue(const std::string& value, int width, char fill,
                                   std::ios_base& (*adjust)(std::ios_base&));
    // Host contract: the number by the picture ("0000.00") with the given decimal separator.
    static std::string formatValue(double value, char decimalSeparator, const std::string& picture);

    bool isEnabled() const { return enabled_; }

protected:
    // Keeps the sender on only when "Klasa eksportu" names this class.
    void enableFor(const std::string& className);
    // The label system's unit of a measure unit; an unmapped unit maps to 0 (and keeps
    // that entry).
    int mappedUnit(int measureUnit);
    // The files folder from the required "Katalog plików etykiet" (environment
    // references expanded, ending in a separator), created with its parents; raises
    // "Błąd utworzenia katalogu <folder>" when it cannot be.
    void prepareFilesFolder();

    std::string filesFolder_;
    std::optional<Korvel::TKey> labelsKey_;
    bool enabled_ = false;
    std::map<int, int> unitMapping_;
};

}  // namespace Senders
