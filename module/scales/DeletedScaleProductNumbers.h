// Old numbers of products on the scales. When a product's scale number or section
// changes, the scales still hold it under the old one; table DeletedProductScaleNumber
// keeps those, and the scale sender sends each one as a deletion before the product.
//
//   numbers.load({{1, 3}, {1, 4}});            // the scales of this transmission
//   for (auto old : numbers.numbersForProduct(5)) ...
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>

#include "db/Query.h"
#include "db/SessionHolder.h"
#include "scales/ScaleId.h"

namespace Devices {

// Host contract: the old-numbers object, its query and the query's records.
class IDeletedScaleProductNumbersRecord {
public:
    virtual ~IDeletedScaleProductNumbersRecord() = default;
    virtual int sectionNumber() const = 0;
    virtual int productId() const = 0;
    virtual int numberOnScale() const = 0;
};

class IDeletedScaleProductNumbersQuery {
public:
    virtual ~IDeletedScaleProductNumbersQuery() = default;
    virtual void open() = 0;
    // Moves to the next row, the first one after open; false after the last.
    virtual bool next() = 0;
    virtual const IDeletedScaleProductNumbersRecord& current() const = 0;
};
using IDeletedScaleProductNumbersQueryPtr = std::shared_ptr<IDeletedScaleProductNumbersQuery>;

class DeletedScaleProductNumbersQuery : public IDeletedScaleProductNumbersQuery {
public:
    // Host contract: raised by next() and current() before open().
    class QueryNotOpenedError : public Core::PlacedLogicError {
    public:
        explicit QueryNotOpenedError(const Core::SrcInfo& place);
    };

    class DeletedScaleProductNumbersRecord : public IDeletedScaleProductNumbersRecord {
    public:
        int sectionNumber() const override { return sectionNumber_; }
        int productId() const override { return productId_; }
        int numberOnScale() const override { return numberOnScale_; }

    private:
        friend class DeletedScaleProductNumbersQuery;
        int sectionNumber_ = 0, productId_ = 0, numberOnScale_ = 0;
    };

    explicit DeletedScaleProductNumbersQuery(TSessionHolder session = TSessionHolder(true))
        : session_(std::move(session)) {}

    void open() override;
    bool next() override;
    const IDeletedScaleProductNumbersRecord& current() const override;

private:
    TSessionHolder session_;
    std::optional<DBKernel::Sql::OpenedQuery> query_;
    bool started_ = false;
    DeletedScaleProductNumbersRecord record_;
};

class IDeletedScaleProductNumbers {
public:
    struct ProductNumberInScaleSection {
        int section = 0;
        int number = 0;
        friend auto operator<=>(const ProductNumberInScaleSection&, const ProductNumberInScaleSection&) = default;
    };
    using Numbers = std::set<ProductNumberInScaleSection>;

    virtual ~IDeletedScaleProductNumbers() = default;
    // Reads the table again, keeping the rows of the sections of these scales.
    virtual void load(const std::set<ScaleId>& scales) = 0;
    // Empty (one shared empty set) for a product without old numbers.
    virtual const Numbers& numbersForProduct(int productId) const = 0;
};
using IDeletedScaleProductNumbersPtr = std::shared_ptr<IDeletedScaleProductNumbers>;

class DeletedScaleProductNumbers : public IDeletedScaleProductNumbers {
public:
    explicit DeletedScaleProductNumbers(IDeletedScaleProductNumbersQueryPtr query) : query_(std::move(query)) {}

    void load(const std::set<ScaleId>& scales) override;
    const Numbers& numbersForProduct(int productId) const override;

private:
    IDeletedScaleProductNumbersQueryPtr query_;
    std::map<int, Numbers> numbers_;
};

}  // namespace Devices
