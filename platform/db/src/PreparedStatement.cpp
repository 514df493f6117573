#include "PreparedStatement.h"

#include <boost/format.hpp>

#include "StatementRecording.h"
#include "core/Errors.h"

namespace DBKernel {

PreparedStatement::PreparedStatement(std::shared_ptr<const std::string> text,
                                     std::shared_ptr<const Dialect::Translation> translation,
                                     std::unique_ptr<EngineStatement> engineStatement)
    : text_(std::move(text)), translation_(std::move(translation)), engine_(std::move(engineStatement)) {}

void PreparedStatement::serveText(std::shared_ptr<const std::string> text, std::string shareKey,
                                  std::span<const std::int64_t> values) {
    text_ = std::move(text);
    shareKey_ = std::move(shareKey);
    literals_.clear();
    for (std::size_t i = 0; i < values.size(); ++i)
        literals_.emplace_back("literal" + std::to_string(i + 1)) = values[i];
}

void PreparedStatement::execute(std::span<const Sql::Param> binds) {
    recordStatement(text_);
    hasRow_ = hadRows_ = false;
    if (literals_.empty()) {
        engine_->execute(binds);
    } else {
        std::vector<Sql::Param> all;
        all.reserve(binds.size() + literals_.size());
        for (const auto& bind : binds) all.push_back(bind);
        for (const auto& literal : literals_) all.push_back(literal);
        engine_->execute(all);
    }
    if (!columnsKnown_) {
        std::vector<std::string> names;
        for (int i = 0; i < engine_->columnCount(); ++i) names.push_back(engine_->columnName(i));
        columns_.assign(std::move(names));
        columnsKnown_ = true;
    }
    hasRow_ = hadRows_ = engine_->hasRow();
    readStep_ = 0;
}

bool PreparedStatement::next() {
    if (!hasRow_) return false;
    engine_->next();
    hasRow_ = engine_->hasRow();
    readStep_ = 0;
    return hasRow_;
}

void PreparedStatement::release() {
    engine_->release();
    hasRow_ = false;
}

int PreparedStatement::column(std::string_view name) const {
    constexpr std::size_t longestReadOrder = 256;
    const std::size_t step = readStep_++;
    if (step < readOrder_.size() && readOrder_[step].spelling == name) return readOrder_[step].column;
    const int index = columns_.find(name);
    if (index < 0)
        throw Core::PlacedLogicError(
            (boost::format("Brak kolumny \"%1%\" w wyniku zapytania:\n%2%") % name % *text_).str(),
            CORE_SRC_INFO("DBKernel::PreparedStatement::column"));
    if (step < readOrder_.size())
        readOrder_[step] = {std::string(name), index};
    else if (step == readOrder_.size() && step < longestReadOrder)
        readOrder_.push_back({std::string(name), index});
    return index;
}

Sql::ValueView PreparedStatement::value(int column) const {
    if (!hasRow_)
        throw Core::PlacedLogicError((boost::format("Odczyt kolumny \"%1%\" bez bieżącego wiersza zapytania:\n%2%") %
                                      columns_.name(column) % *text_)
                                         .str(),
                                     CORE_SRC_INFO("DBKernel::PreparedStatement::value"));
    return engine_->column(column);
}

}  // namespace DBKernel
