#include "ui/GvCustomSpinner.h"

GvCustomSpinner::GvCustomSpinner(OrbControl* parent, const GvUiResources* resources,
                                 const OrbRect& rect, float buttonWidth,
                                 std::unique_ptr<OrbCallback> changeCallback)
    : GvSpinner<int>(parent, resources, rect, buttonWidth, 0, 0, 0, std::move(changeCallback)) {}

void GvCustomSpinner::setEntries(std::vector<Entry> entries) {
    entries_ = std::move(entries);
    setRange(0, std::max(entryCount() - 1, 0));
}

const GvCustomSpinner::Entry* GvCustomSpinner::currentEntry() const {
    const int index = value();
    if (index < 0 || index >= entryCount()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index)];
}

std::string GvCustomSpinner::valueText() const {
    const Entry* entry = currentEntry();
    return entry != nullptr ? entry->text : std::string();
}

int GvCustomSpinner::findData(int data) const {
    for (int i = 0; i < entryCount(); ++i) {
        if (entries_[static_cast<std::size_t>(i)].data == data) {
            return i;
        }
    }
    return -1;
}
