#pragma once

#include <memory>
#include <string_view>
#include <typeinfo>

// Type-erased access to the name table of one enumeration, so that a value
// description can hold the table of any enum. Codes travel as ints; the type
// identity says which enum they belong to.
class OrbValueStringTableHolderBase {
public:
    virtual ~OrbValueStringTableHolderBase() = default;
    virtual std::unique_ptr<OrbValueStringTableHolderBase> clone() const = 0;
    // The code of the name, or notFoundCode when the table does not list it.
    virtual int lookup(std::string_view name) const = 0;
    virtual int notFoundCode() const = 0;
    virtual const std::type_info& enumType() const = 0;
    virtual bool contains(std::string_view name) const = 0;
};
