#include "forms/WindowData.h"

#include <charconv>
#include <map>
#include <mutex>
#include <utility>

namespace FormKernel {

namespace {

// Values are kept as text, as a settings file keeps them, so that reading a text as a
// number behaves the same in both hosts.
class InMemoryWindowData : public IWindowData {
public:
    std::optional<int> readInt(const std::string& windowClass, const std::string& name) const override {
        const auto text = readText(windowClass, name);
        int value = 0;
        if (!text) return std::nullopt;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
        return value;
    }
    std::optional<std::string> readText(const std::string& windowClass, const std::string& name) const override {
        std::lock_guard lock(mutex_);
        const auto value = values_.find({windowClass, name});
        if (value == values_.end()) return std::nullopt;
        return value->second;
    }
    void writeInt(const std::string& windowClass, const std::string& name, int value) override {
        writeText(windowClass, name, std::to_string(value));
    }
    void writeText(const std::string& windowClass, const std::string& name, const std::string& value) override {
        std::lock_guard lock(mutex_);
        values_[{windowClass, name}] = value;
    }

private:
    mutable std::mutex mutex_;
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

struct WindowDataState {
    std::mutex mutex;
    std::shared_ptr<IWindowData> inMemory = std::make_shared<InMemoryWindowData>();
    std::shared_ptr<IWindowData> installed;
};

WindowDataState& state() {
    static WindowDataState instance;
    return instance;
}

}  // namespace

std::shared_ptr<IWindowData> windowData() {
    std::lock_guard lock(state().mutex);
    return state().installed ? state().installed : state().inMemory;
}

void installWindowData(std::shared_ptr<IWindowData> data) {
    std::lock_guard lock(state().mutex);
    state().installed = std::move(data);
}

}  // namespace FormKernel
