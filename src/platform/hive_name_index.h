// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessarine {

// Positions of a vector's entries by folded name (see FoldRegistryName), so
// that a hive of many keys and values needs no scan per look-up. The index
// catches up with entries appended since it last looked, and starts over when
// the vector shrank; a name changed in place is not noticed.
class HiveNameIndex {
  public:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    // The position of the first entry whose folded name is `folded`, or
    // kMissing. `fold` gives an entry's folded name.
    template <typename Entry, typename Fold>
    std::size_t Find(std::string_view folded, const std::vector<Entry>& entries,
                     const Fold& fold) const {
        CatchUp(entries, fold);
        const auto found = positions_.find(folded);
        return found == positions_.end() ? kMissing : found->second;
    }

    // Whether any entry's folded name satisfies `test`.
    template <typename Entry, typename Fold, typename Test>
    bool Any(const std::vector<Entry>& entries, const Fold& fold, const Test& test) const {
        CatchUp(entries, fold);
        for (const auto& [folded, position] : positions_) {
            if (test(std::string_view(folded))) return true;
        }
        return false;
    }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    template <typename Entry, typename Fold>
    void CatchUp(const std::vector<Entry>& entries, const Fold& fold) const {
        if (entries.size() < indexed_) {
            positions_.clear();
            indexed_ = 0;
        }
        for (; indexed_ < entries.size(); ++indexed_) {
            positions_.emplace(fold(entries[indexed_]), indexed_);  // the first one wins
        }
    }

    mutable std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> positions_;
    mutable std::size_t indexed_ = 0;
};

}  // namespace tessarine
