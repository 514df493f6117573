#include "forms/FormKernel.h"

#include <iostream>
#include <mutex>

namespace FormKernel {

namespace {

class ConsoleMessageBoxes : public IMessageBoxes {
public:
    void information(const std::string& text) override { std::cerr << text << '\n'; }
    void warning(const std::string& text) override { std::cerr << text << '\n'; }
    void error(const std::string& text) override { std::cerr << text << '\n'; }
    bool question(const std::string& text) override {
        std::cerr << text << " (nie)\n";
        return false;
    }
};

// One per process: this library is shared by the program and every module.
struct FormKernelState {
    std::mutex mutex;
    FormOpener opener;
    ModalFormOpener modalOpener;
    std::shared_ptr<IMessageBoxes> boxes = std::make_shared<ConsoleMessageBoxes>();
};

FormKernelState& state() {
    static FormKernelState instance;
    return instance;
}

NoWindowError noWindow(const std::string& formClass, const std::string& actionName, const Core::SrcInfo& place) {
    return NoWindowError(
        "Akcja " + actionName + " otwiera okno " + formClass + " i wymaga okna programu; uruchom ją z korvel gui.",
        place);
}

}  // namespace

void installFormOpener(FormOpener opener) {
    std::lock_guard lock(state().mutex);
    state().opener = std::move(opener);
}

void removeFormOpener() { installFormOpener({}); }

bool hasWindows() {
    std::lock_guard lock(state().mutex);
    return static_cast<bool>(state().opener);
}

void showForm(const std::string& formClass, const TBaseFormArgs& args, IBaseForm* parent,
              const std::string& actionName) {
    FormOpener opener;
    {
        std::lock_guard lock(state().mutex);
        opener = state().opener;
    }
    if (!opener) throw noWindow(formClass, actionName, CORE_SRC_INFO("FormKernel::showForm"));
    opener(formClass, args, parent);
}

void installModalFormOpener(ModalFormOpener opener) {
    std::lock_guard lock(state().mutex);
    state().modalOpener = std::move(opener);
}

void removeModalFormOpener() { installModalFormOpener({}); }

bool showModalForm(const std::string& formClass, const TBaseFormArgs& args, Core::IUnknown& model, IBaseForm* parent,
                   const std::string& actionName) {
    ModalFormOpener opener;
    {
        std::lock_guard lock(state().mutex);
        opener = state().modalOpener;
    }
    if (!opener) throw noWindow(formClass, actionName, CORE_SRC_INFO("FormKernel::showModalForm"));
    return opener(formClass, args, model, parent);
}

std::shared_ptr<IMessageBoxes> messageBoxes() {
    std::lock_guard lock(state().mutex);
    return state().boxes;
}

void installMessageBoxes(std::shared_ptr<IMessageBoxes> boxes) {
    std::lock_guard lock(state().mutex);
    state().boxes = boxes ? std::move(boxes) : std::make_shared<ConsoleMessageBoxes>();
}

}  // namespace FormKernel
