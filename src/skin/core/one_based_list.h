#pragma once
// The skin's growable arrays are 1-based: index 0 means "none" in every window
// property and record field. A control list starts with one empty element
// (its window handle is null) which the first control takes over; later
// controls are appended. Elements are never removed while the form lives, so a
// control's index, once written to its "Hw_lbID" property, stays valid.

#include <cassert>
#include <cstdint>
#include <vector>

namespace pelorin::skin {

template <typename Record>
class OneBasedList {
public:
    // A fresh control list: one empty element.
    OneBasedList() : items_(1) {}

    std::int32_t Size() const noexcept { return static_cast<std::int32_t>(items_.size()); }
    bool InRange(std::int32_t index) const noexcept { return index >= 1 && index <= Size(); }

    Record& operator[](std::int32_t index) {
        assert(InRange(index));
        return items_[static_cast<std::size_t>(index - 1)];
    }
    const Record& operator[](std::int32_t index) const {
        assert(InRange(index));
        return items_[static_cast<std::size_t>(index - 1)];
    }
    // Null when the index is out of range: for window procedures that read an
    // index from a property.
    Record* At(std::int32_t index) noexcept { return InRange(index) ? &(*this)[index] : nullptr; }
    const Record* At(std::int32_t index) const noexcept { return InRange(index) ? &(*this)[index] : nullptr; }

    // The place of a new control: element 1 while it is the only element and
    // still empty, otherwise a new last element. Returns its index.
    std::int32_t Take() {
        if (items_.size() == 1 && items_.front().window == nullptr) return 1;
        items_.emplace_back();
        return Size();
    }

    // First element whose window is `window`, 0 when none (never matches null).
    std::int32_t Find(const void* window) const noexcept {
        if (window == nullptr) return 0;
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].window == window) return static_cast<std::int32_t>(i + 1);
        return 0;
    }

    // Back to one empty element.
    void Reset() { items_.assign(1, Record{}); }

    auto begin() noexcept { return items_.begin(); }
    auto end() noexcept { return items_.end(); }
    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

private:
    std::vector<Record> items_;
};

}  // namespace pelorin::skin
