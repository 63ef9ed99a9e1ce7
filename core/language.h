// The language of the texts the program shows and writes. Japanese is the source language:
// every text is written in it first, and its pages and texts keep code page 932.
#pragma once

namespace mizaro {

enum class Language { kJapanese, kEnglish };

}  // namespace mizaro
