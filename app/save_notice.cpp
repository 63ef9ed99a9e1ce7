#include "app/save_notice.h"

namespace mizaro {

std::string SaveFailedText(const std::string& directory) {
    return "成績を保存できませんでした。\n" + directory +
           "\n\n対局が終わるたびと終了時に、もう一度保存を試みます。";
}

}  // namespace mizaro
