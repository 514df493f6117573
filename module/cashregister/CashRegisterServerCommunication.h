// Module public face: plugins and other modules include this header; change it compatibly.
// The cash-register server communication: a factory, registered by the loaded
// cash-register transmission module, that gives one data sender per kind of data.
// Exported: the transmission module implements it, the module's senders use it.
//
// Every data sender is used in one order: add the target cash registers, add the
// records, send. A send delivers the records added since the previous send to all
// target registers at once; nothing is delivered before it, and a failed send
// delivers nothing. The targets stay for the records of the next send. A sender with
// no target delivers nothing.
#pragma once

#include <memory>

#include "cashregister/Bundles.h"
#include "composition/ProductSet.h"
#include "external/ExportedPlu.h"

namespace CashRegisterServerCommunication {

class DataSender {
public:
    virtual ~DataSender() = default;
    // A target cash register, by its device number; a number added twice counts once.
    virtual void addCashRegister(int deviceNumber) = 0;
    virtual void send() = 0;
};

template <class Record>
class RecordDataSender : public DataSender {
public:
    virtual void add(const Record& record) = 0;
};

struct PluDataSenderArgs {
    int transmissionDay = 0;  // day number of the day the records hold for
};

// PLU records of one package of a transmission; send at the package end. Records for
// removal and records to send travel together, each with its status.
class PluDataSender : public RecordDataSender<Kolvenia::ExportedPlu> {
public:
    // Before the first record.
    virtual void init(const PluDataSenderArgs& args) = 0;
};

// Product sets of the products sent; a set handed more than once before a send is
// delivered once, as last handed.
using CompositionDataSender = RecordDataSender<Composition::ProductSet>;

// Split bundles. By default the records are the complete list: a send with no record
// tells the registers that there are no split bundles.
class BundleDataSender : public RecordDataSender<Kolvenia::BundleWithElements> {
public:
    // False: the records are a selection; the registers keep the bundles not sent.
    virtual void setCompleteList(bool complete) = 0;
};

using PluDataSenderPtr = std::shared_ptr<PluDataSender>;
using CompositionDataSenderPtr = std::shared_ptr<CompositionDataSender>;
using BundleDataSenderPtr = std::shared_ptr<BundleDataSender>;

// Found through Core::SingletonImplHolder<CashRegisterServerCommunicationFactory>;
// absent until a transmission module registers it. Each call gives a new sender.
class CashRegisterServerCommunicationFactory {
public:
    virtual ~CashRegisterServerCommunicationFactory() = default;
    virtual PluDataSenderPtr createPluDataSender() = 0;
    virtual CompositionDataSenderPtr createCompositionDataSender() = 0;
    virtual BundleDataSenderPtr createBundleDataSender() = 0;
};

}  // namespace CashRegisterServerCommunication
