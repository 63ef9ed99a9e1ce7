// A save of the statistics that fails is told to the player once, not again after every game
// that retries it; a save that works again makes the next failure worth telling.
#pragma once

#include <string>

#include "core/language.h"

namespace mizaro {

class SaveNotice {
  public:
    // True when `saved` is false and the player has not been told since the last good save.
    bool ShouldTell(bool saved) {
        const bool tell = !saved && !told_;
        told_ = !saved;
        return tell;
    }

  private:
    bool told_ = false;
};

inline constexpr const char* kSaveFailedCaption = "エラー";
const char* SaveFailedCaption(Language language);

// The message of a failed save of the statistics into `directory`.
std::string SaveFailedText(const std::string& directory, Language language = Language::kJapanese);

}  // namespace mizaro
