// Every file the program writes goes through here: the new contents are written to a
// temporary file beside the target, flushed to the disk and then renamed over the target, so
// a crash, a full disk or a failed write leaves the previous file whole.
#pragma once

#include <string>
#include <string_view>

namespace mizaro {

// False when anything failed; the target is then exactly as it was before.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

// Removes from `directory` (ending with the separator) the temporary files that writes of
// ours left behind when their process ended before the rename (a crash, a power cut): names
// with our temporary suffix whose writing process is gone. The targets are untouched. Returns
// how many were removed.
int RemoveStaleTemporaries(const std::string& directory);

}  // namespace mizaro
