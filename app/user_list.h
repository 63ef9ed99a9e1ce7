// The list of the user dialog: "default" first, then the users found on disk; adding a user
// creates its files at once, deleting one removes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mizaro {

// The name typed in the add dialog without its ASCII and full-width blanks.
std::string RemoveNameBlanks(std::string_view typed);

enum class AddUserOutcome { kNothingTyped, kRefused, kDuplicate, kAdded };

class UserList {
  public:
    // "default" first, then `found` in reverse order; the entry equal to `current` is selected,
    // or "default" when none is.
    UserList(const std::vector<std::string>& found, const std::string& current);

    const std::vector<std::string>& names() const { return names_; }
    int selected() const { return selected_; }
    const std::string& SelectedName() const { return names_[static_cast<size_t>(selected_)]; }
    void Select(int index);

    // Appends the typed name (blanks removed) and selects it, creating its statistics files
    // in `directory`. A name the files cannot carry, or one already listed, is refused and
    // nothing changes.
    AddUserOutcome Add(std::string_view typed, const std::string& directory);

    // Whether the selected user may be deleted: never "default", the first entry.
    bool CanDeleteSelected() const;
    // Removes the selected user from the list and its files from `directory`, then selects
    // "default". False (nothing changed) when the selection cannot be deleted.
    bool DeleteSelected(const std::string& directory);

  private:
    std::vector<std::string> names_;
    int selected_ = 0;
};

}  // namespace mizaro
