#include "pricechecker/ElzabRsPriceCheckerSender.h"

#include <boost/format.hpp>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <mutex>

#include "core/Errors.h"
#include "db/DataSet.h"
#include "external/ExternalSendersRegistration.h"
#include "frame/ActionGuids.h"
#include "frame/Configuration.h"
#include "pricechecker/CodePage.h"
#include "pricechecker/DeviceFiles.h"
#include "tools/Plu.h"

namespace Devices::PriceChecker {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr std::size_t ShortNameWidth = 20;
constexpr std::size_t CodeWidth = 13;
constexpr std::size_t CheckerIdWidth = 2;
// A child of "Id weryfikatorów" that is not a price checker.
constexpr const char* InfoChild = ".info";

// Host contract: the sender's configuration key.
Korvel::TKey senderKey() {
    return Kolvenia::Config::key({"Parametry programu", "FrontOffice", "PriceChecker Elzab RS"});
}

// Host contract: "Błąd otwarcia pliku: %1%" from openStream.
template <class Stream>
std::shared_ptr<Stream> openStream(const std::string& path, std::ios::openmode mode) {
    auto stream = std::make_shared<Stream>(path, mode | std::ios::binary);
    if (!*stream)
        throw Core::PlacedRuntimeError((boost::format("Błąd otwarcia pliku: %1%") % path).str(),
                                       CORE_SRC_INFO("ElzabRsPriceCheckerSender::openStream"));
    return stream;
}

// Every transmission of the process gets a later start time than the one before, so
// that packages begun within one millisecond never share file names.
long long nextStartTime() {
    static std::mutex guard;
    static long long last = 0;
    const long long now =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    std::lock_guard lock(guard);
    last = std::max(now, last + 1);
    return last;
}

// The code in its full form; a code that cannot be parsed is written as stored.
std::string fullCode(const std::string& code) {
    try {
        return Plu::TPlu(code).full();
    } catch (const Plu::InvalidCode&) {
        return code;
    }
}

}  // namespace

ElzabRsPriceCheckerSender::~ElzabRsPriceCheckerSender() {
    // A transmission that failed half-way leaves no temporary file behind.
    if (sending_) removeTemporaryFiles();
}

void ElzabRsPriceCheckerSender::init(const PLUSenderArgs& args) {
    const auto enabled =
        Kolvenia::Config::findKey({"Parametry programu", "FrontOffice", "PriceChecker Elzab RS", "Włączony"});
    enabled_ = enabled && enabled->GetVal<bool>();
    if (!enabled_) return;
    deletionPredicate_ = args.deletionPredicate;
    readConfiguration();
    numbers_ = std::make_shared<PriceCheckerPluNumberGetter>(args.session);
}

void ElzabRsPriceCheckerSender::readConfiguration() {
    const Korvel::TKey key = senderKey();
    temporaryDirectory_ =
        normalizedTrimmedDir(Kolvenia::Config::key({"Parametry programu", "Katalog tymczasowy"}).GetVal<std::string>());
    exchangeFolder_ = normalizedTrimmedDir(key.GetKey("Folder").GetVal<std::string>());
    maximumPerFile_ = key.GetKey("Maksymalna ilość PLU w pliku").GetVal<int>();
}

void ElzabRsPriceCheckerSender::beginSending(int) {
    if (!enabled_) return;
    if (sending_) removeTemporaryFiles();
    startTime_ = formatStartTime(nextStartTime());
    deleteParts_.clear();
    sendParts_.clear();
    sending_ = true;
    createPart(deleteParts_, DeleteKind, 0);
    createPart(sendParts_, SendKind, 0);
}

void ElzabRsPriceCheckerSender::createPart(std::vector<FilePart>& parts, const char* kind, int index) {
    FilePart part;
    part.index = index;
    part.path = temporaryDirectory_ + fileName(kind, startTime_, index, "");
    part.stream = openStream<std::ofstream>(part.path, std::ios::out | std::ios::trunc);
    *part.stream << "###" << LineEnd << "#" << LineEnd << "#" << LineEnd;
    parts.push_back(std::move(part));
}

void ElzabRsPriceCheckerSender::sendTowar(Db::TDataSet& record) {
    if (!enabled_) return;
    const auto number = numbers_->getNumber(record.FieldByName("lPluRef").AsInteger());
    if (!number) return;
    if (deletionPredicate_ && deletionPredicate_->isToBeDeleted(record)) {
        write(deleteParts_, DeleteKind, deletionLine(*number));
        return;
    }
    write(sendParts_, SendKind,
          productLine(*number, record.FieldByName("skrNazwa").AsString(), record.FieldByName("nJmSprz").AsInteger(),
                      fullCode(record.FieldByName("sPlu").AsString()), record.FieldByName("dCenaSprzed").AsFloat()));
}

void ElzabRsPriceCheckerSender::write(std::vector<FilePart>& parts, const char* kind, const std::string& line) {
    FilePart& part = parts.back();
    *part.stream << line << LineEnd;
    // Only equality starts a new part: a maximum of 0 or less never does.
    if (++part.count != maximumPerFile_) return;
    close(part);
    createPart(parts, kind, part.index + 1);
}

// A file that could not be written whole (a full disk) must not reach a price checker.
void ElzabRsPriceCheckerSender::close(FilePart& part) {
    part.stream->close();
    if (part.stream->fail())
        throw Core::PlacedRuntimeError((boost::format("Błąd zapisu pliku: %1%") % part.path).str(),
                                       CORE_SRC_INFO("ElzabRsPriceCheckerSender::close"));
}

void ElzabRsPriceCheckerSender::endSending() {
    if (!enabled_ || !sending_) return;
    for (auto* parts : {&deleteParts_, &sendParts_})
        for (FilePart& part : *parts)
            if (part.stream->is_open()) close(part);
    for (const Korvel::TKey& checker : senderKey().GetKey("Id weryfikatorów"))
        if (checker.Name() != InfoChild) distribute(checker.Name());
    sending_ = false;
    for (auto* parts : {&deleteParts_, &sendParts_})
        for (const FilePart& part : *parts) removeFile(part.path);
}

void ElzabRsPriceCheckerSender::distribute(const std::string& checkerId) {
    const std::string header = "#" + fitLeft(checkerId, CheckerIdWidth);
    for (auto [parts, kind] : {std::pair{&deleteParts_, DeleteKind}, std::pair{&sendParts_, SendKind}})
        for (const FilePart& part : *parts) {
            if (part.count == 0) continue;
            // Rewritten in place, without truncation: only the first line's 3 bytes change.
            auto file = openStream<std::fstream>(part.path, std::ios::in | std::ios::out);
            file->seekp(0);
            file->write(header.data(), static_cast<std::streamsize>(header.size()));
            file->close();
            copyFile(part.path, exchangeFolder_ + fileName(kind, startTime_, part.index, checkerId));
        }
}

void ElzabRsPriceCheckerSender::removeTemporaryFiles() noexcept {
    for (auto* parts : {&deleteParts_, &sendParts_})
        for (FilePart& part : *parts) {
            if (part.stream) part.stream->close();
            std::error_code ignored;
            std::filesystem::remove(part.path, ignored);
        }
    sending_ = false;
}

std::string ElzabRsPriceCheckerSender::fileName(const std::string& kind, const std::string& startTime, int index,
                                                const std::string& checkerId) {
    return (boost::format("%1%%2%_P%3%_D%4%") % kind % startTime % index % checkerId).str();
}

std::string ElzabRsPriceCheckerSender::formatStartTime(long long millisecondsSinceEpoch) {
    const std::time_t seconds = static_cast<std::time_t>(millisecondsSinceEpoch / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return (boost::format("%04d_%02d_%02d__%02d_%02d_%02d_%03d") % (local.tm_year + 1900) % (local.tm_mon + 1) %
            local.tm_mday % local.tm_hour % local.tm_min % local.tm_sec % (millisecondsSinceEpoch % 1000))
        .str();
}

std::string ElzabRsPriceCheckerSender::productLine(int number, const std::string& shortName, int unit,
                                                   const std::string& fullCode, double price) {
    const long long hundredths = static_cast<long long>(std::floor(price * 100 + 0.01));
    return "$" + std::to_string(number) + "\t" +
           fitLeft(toCp852(firstCharacters(shortName, ShortNameWidth)), ShortNameWidth) + "\t" + std::to_string(unit) +
           "\t" + fitLeft(fullCode, CodeWidth) + "\t" + std::to_string(hundredths);
}

std::string ElzabRsPriceCheckerSender::deletionLine(int number) { return "$" + std::to_string(number); }

void registerElzabRsPriceCheckerSender(Core::ModuleRegistrationList& list) {
    list.add(Senders::registerSenderCreator(Kolvenia::ActionGuids::ElzabRsPriceCheckerSender,
                                            [] { return std::make_shared<ElzabRsPriceCheckerSender>(); }));
}

}  // namespace Devices::PriceChecker
