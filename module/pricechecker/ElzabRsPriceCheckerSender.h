// The Elzab RS price checkers: the PLU records of a transmission written into text
// files in the Elzab RS format (product files and deletion files, a new part every
// "Maksymalna ilość PLU w pliku" records) in the temporary directory; at the end one
// copy of every non-empty part goes into the exchange folder for each price checker
// listed under "Id weryfikatorów", its first line naming that checker. An external data
// sender: the PLU sender drives it through the registry (init, begin, a record each,
// end); its creator is registered under the sender's GUID.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/Registration.h"
#include "external/ExternalDataSenders.h"
#include "external/PLUSenderArgs.h"
#include "pricechecker/PriceCheckerPluNumberGetter.h"

namespace Devices::PriceChecker {

// Host contract: the Elzab RS price-checker sender.
class ElzabRsPriceCheckerSender : public Senders::IArticleDataExternalSystemSender {
public:
    // One temporary file of one kind.
    struct FilePart {
        int index = 0;
        int count = 0;
        std::string path;
        std::shared_ptr<std::ofstream> stream;
    };

    ~ElzabRsPriceCheckerSender() override;

    void init(const PLUSenderArgs& args) override;
    void checkCommunication() override {}
    void beginSending(int day) override;
    // Skips a record that gets no number; a name outside code page 852 raises
    // "Error encoding/decoding string".
    void sendTowar(Db::TDataSet& record) override;
    void endSending() override;

    // Host contract: file kinds and the name of a file, "%1%%2%_P%3%_D%4%".
    static constexpr const char* SendKind = "ElzabRsSendPlu";
    static constexpr const char* DeleteKind = "ElzabRsDeletePlu";
    static std::string fileName(const std::string& kind, const std::string& startTime, int index,
                                const std::string& checkerId);
    // "yyyy_mm_dd__hh_nn_ss_zzz" of a local time in milliseconds since the epoch.
    static std::string formatStartTime(long long millisecondsSinceEpoch);
    // The record lines, without the line end.
    static std::string productLine(int number, const std::string& shortName, int unit, const std::string& fullCode,
                                   double price);
    static std::string deletionLine(int number);

private:
    void readConfiguration();
    void createPart(std::vector<FilePart>& parts, const char* kind, int index);
    void write(std::vector<FilePart>& parts, const char* kind, const std::string& line);
    static void close(FilePart& part);
    void distribute(const std::string& checkerId);
    void removeTemporaryFiles() noexcept;

    Devices::IPluDeletionPredicatePtr deletionPredicate_;
    PriceCheckerPluNumberGetterPtr numbers_;
    bool enabled_ = false;
    bool sending_ = false;
    std::string temporaryDirectory_;
    std::string exchangeFolder_;
    int maximumPerFile_ = 0;
    std::string startTime_;
    std::vector<FilePart> deleteParts_;
    std::vector<FilePart> sendParts_;
};

using ElzabRsPriceCheckerSenderPtr = std::shared_ptr<ElzabRsPriceCheckerSender>;

// Registers the sender's creator with the external data senders registry.
void registerElzabRsPriceCheckerSender(Core::ModuleRegistrationList& list);

}  // namespace Devices::PriceChecker
