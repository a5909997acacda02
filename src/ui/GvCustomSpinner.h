#pragma once

#include "ui/GvSpinner.h"

#include <string>
#include <vector>

// A spinner over a list of named entries; its value is an index into the list and
// each entry carries a number of the owner's (the start box keeps a cave's index).
class GvCustomSpinner : public GvSpinner<int> {
public:
    struct Entry {
        std::string text;
        int data = 0;
    };

    GvCustomSpinner(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
                    float buttonWidth, std::unique_ptr<OrbCallback> changeCallback);

    std::string valueText() const override;

    // Replaces the entries; the range becomes 0..count-1 and the value is kept
    // within it.
    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry>& entries() const { return entries_; }
    int entryCount() const { return static_cast<int>(entries_.size()); }
    // The entry under the value; null when the list is empty.
    const Entry* currentEntry() const;
    // The index of the first entry holding a number, or -1.
    int findData(int data) const;

private:
    std::vector<Entry> entries_;
};
