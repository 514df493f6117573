#include "ProofDatabase.h"

#include <stdexcept>

namespace DialectProof {

std::vector<Row> Rows::select(const std::vector<std::string>& names) const {
    std::vector<std::size_t> indexes;
    for (const std::string& name : names) {
        std::string lower;
        for (char c : name) lower += char(std::tolower(static_cast<unsigned char>(c)));
        std::size_t i = 0;
        while (i < columns.size() && columns[i] != lower) ++i;
        if (i == columns.size()) throw std::runtime_error("no column " + name);
        indexes.push_back(i);
    }
    std::vector<Row> picked;
    for (const Row& row : rows) {
        Row values;
        for (std::size_t i : indexes) values.push_back(row[i]);
        picked.push_back(std::move(values));
    }
    return picked;
}

Rows ProofDatabase::run(const std::string& oracleSql, const Binds& binds) {
    const DBKernel::Dialect::Translation translation = DBKernel::Dialect::translate(oracleSql, engine());
    std::vector<BindValue> ordered;
    for (const std::string& name : translation.parameterNames) {
        const auto value = binds.find(name);
        if (value == binds.end()) throw std::runtime_error("no value for bind " + name);
        ordered.push_back(value->second);
    }
    return execute(translation.sql, ordered);
}

}  // namespace DialectProof
