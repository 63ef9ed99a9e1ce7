#include "app/user_list.h"

#include <algorithm>

#include "stats/stat_summary.h"
#include "stats/stat_users.h"
#include "stats/user_name.h"

namespace mizaro {

std::string RemoveNameBlanks(std::string_view typed) {
    static constexpr std::string_view kFullWidthSpace = "\u3000";
    std::string name;
    for (size_t i = 0; i < typed.size();) {
        if (typed[i] == ' ') {
            ++i;
        } else if (typed.substr(i, kFullWidthSpace.size()) == kFullWidthSpace) {
            i += kFullWidthSpace.size();
        } else {
            name += typed[i++];
        }
    }
    return name;
}

UserList::UserList(const std::vector<std::string>& found, const std::string& current) {
    names_.emplace_back(kDefaultUserName);
    names_.insert(names_.end(), found.rbegin(), found.rend());
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == current) {
            selected_ = static_cast<int>(i);
            break;
        }
    }
}

void UserList::Select(int index) {
    if (index >= 0 && index < static_cast<int>(names_.size())) selected_ = index;
}

AddUserOutcome UserList::Add(std::string_view typed, const std::string& directory) {
    const std::string name = RemoveNameBlanks(typed);
    if (name.empty()) return AddUserOutcome::kNothingTyped;
    // The computer's statistics share the file naming; a user of that name would mix into them.
    if (!IsValidUserName(name) || name == kComputerStatName) return AddUserOutcome::kRefused;
    // A second entry would be the same files under two lines: deleting one removes both.
    if (std::find(names_.begin(), names_.end(), name) != names_.end())
        return AddUserOutcome::kDuplicate;
    StatSummary created;
    created.Load(name, directory);
    if (!created.Save(directory)) return AddUserOutcome::kRefused;
    names_.push_back(name);
    selected_ = static_cast<int>(names_.size()) - 1;
    return AddUserOutcome::kAdded;
}

bool UserList::CanDeleteSelected() const {
    return selected_ > 0 && names_.size() >= 2;
}

bool UserList::DeleteSelected(const std::string& directory) {
    if (!CanDeleteSelected()) return false;
    DeleteUserFiles(SelectedName(), directory);
    names_.erase(names_.begin() + selected_);
    selected_ = 0;
    return true;
}

}  // namespace mizaro
