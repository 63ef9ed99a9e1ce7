#include "app/save_notice.h"

#include "app/language_text.h"

namespace mizaro {

const char* SaveFailedCaption(Language language) {
    return InLanguage(language, kSaveFailedCaption, "Error");
}

std::string SaveFailedText(const std::string& directory, Language language) {
    if (language == Language::kEnglish)
        return "The results could not be saved.\n" + directory +
               "\n\nSaving is tried again after every game and at the end.";
    return "成績を保存できませんでした。\n" + directory +
           "\n\n対局が終わるたびと終了時に、もう一度保存を試みます。";
}

}  // namespace mizaro
