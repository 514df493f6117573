// Base of the host's database objects: a record that can name its own class and
// answer whether it may be treated as another class of the hierarchy.
#pragma once

#include <string>

namespace Core {

class TDBObject {
public:
    virtual ~TDBObject() = default;

    virtual std::string className() const;
    // True for the object's own class name and for each base class's name.
    virtual bool castableTo(const std::string& name) const;
};

}  // namespace Core
