// The detailed analysis keeps its filter values in the settings, under the keys Filter*.
#pragma once

#include "app/settings.h"
#include "stats/detail_analysis.h"

namespace mizaro {

DetailFilter FilterFromSettings(const Settings& settings);
void StoreFilter(const DetailFilter& filter, Settings& settings);

}  // namespace mizaro
