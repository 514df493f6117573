#include "SendAllCommand.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>

#include "CommandLine.h"
#include "ConsoleProgressBar.h"
#include "core/ActionContainer.h"
#include "devicedefs/Kolekcje.h"
#include "frame/ActionGuids.h"
#include "frame/SendAllDataActionInvoker.h"

namespace Korvel::App {

namespace {

// Host contract: the texts the run closes with.
constexpr const char* FailedText = "Błąd podczas wysyłania danych.";
constexpr const char* CancelledText = "Wysyłanie przerwane.";

volatile std::sig_atomic_t interrupted = 0;
void onInterrupt(int) { interrupted = 1; }

// Installs the Ctrl-C handler for the command's lifetime.
class InterruptAsCancel {
public:
    InterruptAsCancel() {
        interrupted = 0;
        previous_ = std::signal(SIGINT, onInterrupt);
    }
    ~InterruptAsCancel() { std::signal(SIGINT, previous_); }

private:
    void (*previous_)(int) = SIG_DFL;
};

std::set<int> numbers(const std::string& option, const std::string& list) {
    std::set<int> values;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(item, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (item.empty() || used != item.size())
            throw UsageError("Opcja " + option + " wymaga liczb całkowitych oddzielonych przecinkami, a nie \"" + list +
                             "\".");
        values.insert(value);
        start = comma + 1;
    }
    return values;
}

// Reports the run: kind names and closing texts as lines, the current kind's steps on
// the terminal's bar. Called from the run's thread; the command's thread only waits.
class ConsoleObserver : public ISendAllDataProgressObserver {
public:
    ConsoleObserver(std::ostream& out, std::ostream* terminal) : out_(out), terminal_(terminal) {}

    void setSteps(int steps) override {
        std::lock_guard lock(mutex_);
        steps_ = steps;
    }
    void advance(int steps) override {
        std::lock_guard lock(mutex_);
        done_ += steps;
        if (kindBar_) kindBar_->finish();
    }
    void finish() override {
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    }
    void showText(const std::string& text) override {
        std::lock_guard lock(mutex_);
        if (steps_ > 0 && done_ < steps_ && text != FailedText && text != CancelledText)
            out_ << '[' << done_ + 1 << '/' << steps_ << "] ";
        out_ << text << std::endl;
        last_ = text;
    }
    bool cancelled() override { return interrupted != 0; }

    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress() {
        if (!terminal_) return nullptr;
        kindBar_ = std::make_shared<ConsoleProgressBar>(*terminal_);
        return kindBar_;
    }

    // Waits for the run's end; says once that Ctrl-C was heard.
    SendAllOutcome wait() {
        std::unique_lock lock(mutex_);
        bool told = false;
        while (!changed_.wait_for(lock, std::chrono::milliseconds(100), [this] { return finished_; })) {
            if (interrupted && !told) {
                out_ << "Przerwanie: wysyłanie zakończy się po bieżącym rodzaju danych." << std::endl;
                told = true;
            }
        }
        if (last_ == FailedText) return SendAllOutcome::Failed;
        return last_ == CancelledText ? SendAllOutcome::Cancelled : SendAllOutcome::Completed;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::ostream& out_;
    std::ostream* terminal_;
    std::shared_ptr<ConsoleProgressBar> kindBar_;
    int steps_ = 0;
    int done_ = 0;
    bool finished_ = false;
    std::string last_;
};

std::set<int> devicesInTransmission() {
    std::set<int> refs;
    const auto devices = Kolvenia::kolekcjaKasIWagDoTransmisji();
    for (std::size_t i = 0; devices && i < devices->size(); ++i) refs.insert((*devices)[i]->lUrzadzenieRef);
    return refs;
}

}  // namespace

SendAllOptions parseSendAll(const std::vector<std::string>& arguments) {
    SendAllOptions options;
    bool kinds = false, devices = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        bool& seen = option == "--kinds" ? kinds : devices;
        if ((option != "--kinds" && option != "--devices") || seen)
            throw UsageError("Nieznany argument polecenia send-all: " + option + ".");
        if (i + 1 >= arguments.size()) throw UsageError("Opcja " + option + " wymaga listy wartości.");
        const std::string& list = arguments[++i];
        if (option == "--devices" && list == "all")
            options.allDevices = true;
        else
            (option == "--kinds" ? options.kinds : options.devices) = numbers(option, list);
        seen = true;
    }
    if (!kinds || !devices) throw UsageError("Polecenie send-all wymaga opcji --kinds i --devices.");
    return options;
}

SendAllOutcome runSendAll(const SendAllOptions& options, std::ostream& out, std::ostream& errors,
                          std::ostream* terminal) {
    InterruptAsCancel interrupt;
    auto observer = std::make_shared<ConsoleObserver>(out, terminal);
    SendAllDataArgs args;
    args.deviceRefs = options.allDevices ? devicesInTransmission() : options.devices;
    args.kinds = options.kinds;
    args.observer = observer;
    args.kindProgress = observer->kindProgress();
    const auto answer = Core::Action::CContainer::instance().invoke(
        Kolvenia::ActionGuids::SendAllData, std::make_shared<Core::Action::ExecutorInvoker>(),
        java::make<SendAllDataActionInvoker>(std::move(args)));
    const auto& status = answer->as<Core::ActionStatus>();
    if (!status.succeeded()) {
        errors << "korvel: " << status.message() << '\n';
        return SendAllOutcome::Failed;
    }
    return observer->wait();
}

}  // namespace Korvel::App
