#include "app/detail_settings.h"

namespace mizaro {

DetailFilter FilterFromSettings(const Settings& s) {
    DetailFilter f;
    f.kyoku = s.FilterKyoku;
    f.hai1 = s.FilterHai1;
    f.hai2 = s.FilterHai2;
    f.last1 = s.FilterLast1;
    f.last2 = s.FilterLast2;
    f.reach1 = s.FilterReach1;
    f.reach0 = s.FilterReach0;
    f.mode = s.FilterMode;
    f.yakuMode = s.FilterYakuMode;
    f.yaku = s.FilterYaku;
    return f;
}

void StoreFilter(const DetailFilter& f, Settings& s) {
    s.FilterKyoku = f.kyoku;
    s.FilterHai1 = f.hai1;
    s.FilterHai2 = f.hai2;
    s.FilterLast1 = f.last1;
    s.FilterLast2 = f.last2;
    s.FilterReach1 = f.reach1;
    s.FilterReach0 = f.reach0;
    s.FilterMode = f.mode;
    s.FilterYakuMode = f.yakuMode;
    s.FilterYaku = f.yaku;
}

}  // namespace mizaro
