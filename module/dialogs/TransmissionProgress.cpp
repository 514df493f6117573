#include "dialogs/TransmissionProgress.h"

#include <algorithm>
#include <boost/algorithm/string/replace.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/format.hpp>
#include <cctype>
#include <climits>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "files/CodePage.h"
#include "files/FileFinder.h"
#include "files/Filesystem.h"
#include "forms/TextLog.h"
#include "forms/WindowData.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/Configuration.h"
#include "scales/ScaleDataTransferFileManager.h"

namespace Kolvenia {

namespace {

// Host contract: the chart's texts, the log files' mask and the interval messages.
constexpr const char* ChartTitle = "PLU oczekujące na przesłanie do wag";
constexpr const char* LeftAxisTitle = "PLU";
constexpr const char* BottomAxisTitle = "Numer sekcji, numer wagi";
constexpr const char* LogFileMask = "MAIN_LOG*";
constexpr const char* NotPositive = "Okres odświeżania musi być liczbą większą od zera!";
constexpr const char* WrongValue = "Wpisano nieprawidłową wartość ";

constexpr int MillisecondsPerSecond = 1000;
constexpr int MillisecondDigits = 3;  // decimals of a second that still count
constexpr int MaxWholeDigits = 12;    // longer runs of digits are refused before they overflow

[[noreturn]] void notANumber(const std::string& typed) {
    throw Core::PlacedRuntimeError(
        (boost::format(Core::I18n::translate("Nie można zamienić '%1%' na liczbę sekund.")) % typed).str(),
        CORE_SRC_INFO("TZaawansowanieTransmisji::btnZastosujClick"));
}

// The seconds the operator typed, as whole milliseconds truncated toward zero. Digits
// with one optional decimal point or comma (the Polish decimal sign) and a sign; blanks
// around are ignored. Decimals are taken digit by digit, so 1.001 s is 1001 ms exactly.
long long typedMilliseconds(const std::string& typed) {
    const std::string text = boost::algorithm::trim_copy(typed);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long long whole = 0, fraction = 0;
    int wholeDigits = 0, fractionDigits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++wholeDigits)
        if (wholeDigits < MaxWholeDigits) whole = whole * 10 + (text[i] - '0');
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) ++i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++fractionDigits)
        if (fractionDigits < MillisecondDigits) fraction = fraction * 10 + (text[i] - '0');
    if (i != text.size() || wholeDigits + fractionDigits == 0 || wholeDigits > MaxWholeDigits) notANumber(typed);
    for (int digits = std::min(fractionDigits, MillisecondDigits); digits < MillisecondDigits; ++digits) fraction *= 10;
    const long long milliseconds = whole * MillisecondsPerSecond + fraction;
    return negative ? -milliseconds : milliseconds;
}

// A new period, or the error that keeps the old one. A value that truncates to no
// whole millisecond counts as not greater than zero: the timer cannot run on it.
int newInterval(const std::string& typed) {
    const long long milliseconds = typedMilliseconds(typed);
    if (milliseconds <= 0)
        throw Core::PlacedRuntimeError(Core::I18n::translate(NotPositive),
                                       CORE_SRC_INFO("TZaawansowanieTransmisji::btnZastosujClick"));
    if (milliseconds > INT_MAX) notANumber(typed);
    return static_cast<int>(milliseconds);
}

// The newest file of the scale server's log directory that matches the log mask.
std::filesystem::path newestLog() {
    const std::string configured =
        Config::key({"Parametry programu", "FrontOffice", "Serwer Wagowy", "Katalog logów"}).GetVal<std::string>();
    // Expanded and ending with the path separator, so a bare name can be appended.
    const std::string directory = Core::Filesystem::getNormalizedTrimmedDir(configured);
    const auto files =
        directory.empty() ? std::vector<Core::FileFinder::Entry>{} : Core::FileFinder(directory, LogFileMask).files();
    const auto newest = std::max_element(
        files.begin(), files.end(), [](const auto& a, const auto& b) { return a.lastWriteTime < b.lastWriteTime; });
    if (newest == files.end())
        throw Core::PlacedRuntimeError(
            (boost::format(Core::I18n::translate("Brak plików %1% w katalogu logów serwera wagowego: '%2%'.")) %
             LogFileMask % configured)
                .str(),
            CORE_SRC_INFO("TZaawansowanieTransmisji::btnPokazLogClick"));
    return std::filesystem::path(directory) / newest->name;
}

// The whole file as the program's text: UTF-8 as it is, anything else read in the
// host's single-byte code page; line ends as in a text-mode read.
std::string logText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        throw Core::PlacedRuntimeError(
            (boost::format(Core::I18n::translate("Nie można odczytać pliku '%1%'.")) % file.string()).str(),
            CORE_SRC_INFO("TZaawansowanieTransmisji::btnPokazLogClick"));
    std::string text = bytes.str();
    try {
        Files::convert(text, "UTF-8", "UTF-8");
    } catch (const Files::CodePageError&) {
        text = Files::convert(text, "WINDOWS-1250", "UTF-8");
    }
    boost::algorithm::replace_all(text, "\r\n", "\n");
    return text;
}

}  // namespace

void TZaawansowanieTransmisji::open() {
    devices_ = kolekcjaUrzadzen();
    if (!devices_)
        throw Core::PlacedRuntimeError(Core::I18n::translate("Nie można utworzyć kolekcji urządzeń."),
                                       CORE_SRC_INFO("TZaawansowanieTransmisji::FormCreate"));
    entries_.assign(devices_->size(), Entry{});
    // A hand-edited value the timer cannot run on is ignored.
    const auto saved = FormKernel::windowData()->readInt(formClass, intervalValueName);
    interval_ = saved && *saved > 0 ? *saved : defaultInterval;
    timerEnabled_ = true;
    refresh();
}

std::string TZaawansowanieTransmisji::refreshSeconds() const {
    std::string text = std::to_string(interval_ / MillisecondsPerSecond);
    const int fraction = interval_ % MillisecondsPerSecond;
    if (fraction == 0) return text;
    std::string decimals = (boost::format("%03d") % fraction).str();
    decimals.erase(decimals.find_last_not_of('0') + 1);
    return text + ',' + decimals;
}

void TZaawansowanieTransmisji::refresh() {
    // The timer stays off when a refresh fails, so a missing directory is reported
    // once; "Zastos&uj" starts it again.
    timerEnabled_ = false;
    logButtonShown_ = true;
    Devices::ScaleDataTransferFileManager manager;
    for (std::size_t i = 0; i < devices_->size(); ++i) {
        const TUrzadzenie& device = *(*devices_)[i];
        if (device.nNrTypuUrz != tuWaga) continue;
        Entry& entry = entries_[i];
        entry.section = device.nNrSekcji;
        entry.scale = device.nNrKolvenia;
        entry.waitingPlu = manager.getFilesSummary(entry.scale, entry.section).estimatedPluCount;
        entry.available = device.bDostepne;
        entry.enabled = device.bWlaczone;
        entry.error = manager.hasErrorFile(entry.scale, entry.section);
        entry.filled = true;
    }
    drawChart();
    timerEnabled_ = true;
}

void TZaawansowanieTransmisji::drawChart() {
    chart_ = Chart{Core::I18n::translate(ChartTitle),
                   Core::I18n::translate(LeftAxisTitle),
                   Core::I18n::translate(BottomAxisTitle),
                   {}};
    std::optional<int> lastSection;
    for (const Entry& entry : entries_) {
        if (!entry.filled || !entry.enabled) continue;
        if (lastSection && *lastSection != entry.section) chart_.bars.push_back(Bar{});
        lastSection = entry.section;
        const BarState state = entry.error       ? BarState::Failing
                               : entry.available ? BarState::Available
                                                 : BarState::Installed;
        chart_.bars.push_back(
            Bar{std::to_string(entry.section) + ", " + std::to_string(entry.scale), entry.waitingPlu, state});
    }
}

void TZaawansowanieTransmisji::btnZastosujClick(const std::string& typed) {
    try {
        interval_ = newInterval(typed);
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(Core::I18n::translate(WrongValue) + typed + "\n" + e.what());
    }
    timerEnabled_ = true;
}

void TZaawansowanieTransmisji::btnZapiszClick() {
    FormKernel::windowData()->writeInt(formClass, intervalValueName, interval_);
}

void TZaawansowanieTransmisji::btnPokazLogClick(FormKernel::IBaseForm* parent) {
    const auto file = newestLog();
    FormKernel::showTextLog(file.filename().string(), logText(file), parent, formClass);
}

namespace TransmissionProgress {

java::pointer<Core::IUnknown> CFormCreator::execute(java::pointer<Core::IUnknown> args) {
    FormKernel::IBaseForm* parent =
        args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
    auto window = std::make_shared<TZaawansowanieTransmisji>();
    window->open();
    FormKernel::showForm(TZaawansowanieTransmisji::formClass, {menuPath, window}, parent, "CFormCreator");
    return java::make<Core::ActionStatus>(true, std::string());
}

void registerTransmissionProgressObjects(Core::ModuleRegistrationList& list) {
    list.add(regActionCreator(
        ActionGuids::TransmissionProgressDialog, [] { return std::make_shared<CFormCreator>(); },
        CORE_SRC_INFO("registerTransmissionProgressObjects")));
}

}  // namespace TransmissionProgress

}  // namespace Kolvenia
