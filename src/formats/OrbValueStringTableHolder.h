#pragma once

#include "formats/OrbValueStringTable.h"
#include "formats/OrbValueStringTableHolderBase.h"

// Refers to the name table of the enumeration E; the table must outlive it
// (tables are constants).
template <typename E> class OrbValueStringTableHolder : public OrbValueStringTableHolderBase {
public:
    explicit OrbValueStringTableHolder(const OrbValueStringTable<E>& table) : table_(&table) {}

    std::unique_ptr<OrbValueStringTableHolderBase> clone() const override {
        return std::make_unique<OrbValueStringTableHolder>(*table_);
    }
    int lookup(std::string_view name) const override {
        return static_cast<int>(table_->lookup(name));
    }
    int notFoundCode() const override { return static_cast<int>(table_->notFoundCode()); }
    const std::type_info& enumType() const override { return typeid(E); }
    bool contains(std::string_view name) const override { return table_->contains(name); }

private:
    const OrbValueStringTable<E>* table_;
};
