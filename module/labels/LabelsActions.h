// The label exports outside the PLU transmission: from the console (two days), from
// the evening processing (its range of days) and from the stock-export dialog. All
// three export the label products whose stock changed in the range.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/Action.h"
#include "evening/OdczytWieczornyAction.h"
#include "labels/IElectronicLabelsStockExport.h"

namespace Labels {

// Host contract: the console export, "fire <guid> dd.mm.yyyy dd.mm.yyyy".
class ActionSendElectronicLabels : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Host contract: the evening export, on when the labels' "Włączone" is true.
class EveningProcessingSendElectronicLabelsAction : public EveningProcessing::OdczytWieczornyAction {
public:
    bool areExecuteConditionsSatisfied() override;
    void executeEveningWork(EveningProcessing::IEveningArgs& args) override;
};

// What the stock-export dialog does on accept: exports the range and tells the
// operator the outcome in the host's message boxes. The window only gathers the days.
class ElectronicLabelsStockExport : public IElectronicLabelsStockExport {
public:
    // Answers whether the export ran to its end (an empty range counts).
    bool accept(int firstDay, int lastDay) override;
};

// Host contract: the action that opens a window of the host's form kernel with its
// menu path, answering its GUID (it is registered as one object). Each window it opens
// gets a behaviour object of its own, when the window has one.
class CFormCreator : public Core::IAction, public Core::IExecutor {
public:
    using ModelFactory = std::function<std::shared_ptr<Core::IUnknown>()>;

    CFormCreator(std::string guid, std::string formClass, std::string menuPath, ModelFactory makeModel = {});
    std::string getGUID() const override { return guid_; }
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;

private:
    std::string guid_;
    std::string formClass_;
    std::string menuPath_;
    ModelFactory makeModel_;
};

}  // namespace Labels
