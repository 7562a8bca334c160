#pragma once
#include <string>
#include <vector>

class TSountoryInputSource;
class TSountoryOutputTarget;

// The connect lists of the pin dialog and the window's menu, without a list
// box: each entry names a source or a target (entry 0 is "<none>" with
// neither) and remembers whether it is selected.
struct TConnectEntry {
    std::string Text;
    TSountoryInputSource* Source = nullptr;
    TSountoryOutputTarget* Target = nullptr;
    bool Selected = false;
};

struct TConnectList {
    std::vector<TConnectEntry> Entries;

    // The index of the entry holding the source or target; -1 when none does.
    int IndexOf(const TSountoryInputSource* source) const
    {
        for (size_t i = 0; i < Entries.size(); ++i)
            if (source && Entries[i].Source == source)
                return static_cast<int>(i);
        return -1;
    }
    int IndexOf(const TSountoryOutputTarget* target) const
    {
        for (size_t i = 0; i < Entries.size(); ++i)
            if (target && Entries[i].Target == target)
                return static_cast<int>(i);
        return -1;
    }

    // Selects the entries of those targets that the source feeds; how many
    // targets it feeds, listed or not.
    template <class Targets>
    int SelectTargetsFedBy(const Targets& targets, const TSountoryInputSource* source)
    {
        int count = 0;
        for (const auto& target : targets) {
            if (target->GetSountoryInputSource() != source)
                continue;
            ++count;
            const int index = IndexOf(static_cast<const TSountoryOutputTarget*>(target.get()));
            if (index >= 0)
                Entries[static_cast<size_t>(index)].Selected = true;
        }
        return count;
    }
};
