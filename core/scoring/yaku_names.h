// The display names of the yaku. They are also the keys of the yaku counts in the statistics
// files, so they never change.
#pragma once

#include <string_view>

#include "core/language.h"
#include "core/yaku_han.h"

namespace mizaro {

// UTF-8; "エラー" for an id outside 0..30.
std::string_view YakuName(YakuId id);
// The name in `language`; the Japanese one is YakuName(id).
std::string_view YakuName(YakuId id, Language language);
// The id whose name equals `name` exactly, -1 when none does.
YakuId YakuIdByName(std::string_view name);

// A name that is no yaku reads 0 and writes nothing.
int GetHanByName(const YakuHan& han, std::string_view name);
void SetHanByName(YakuHan& han, std::string_view name, int value);

}  // namespace mizaro
