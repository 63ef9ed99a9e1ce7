// One running program per user: a lock file named after "QTWbyPEL". The lock records the
// process that holds it, so a lock left behind by a crashed program is taken over instead of
// keeping every later start away.
#pragma once

#include <QLockFile>
#include <QString>

namespace mizaro {

inline constexpr const char* kInstanceLockName = "QTWbyPEL.lock";

// The user's runtime directory, or the temporary directory where there is none.
QString InstanceLockDirectory();

class SingleInstance {
  public:
    explicit SingleInstance(const QString& directory);
    // False when another running program holds the lock.
    bool acquired() const { return acquired_; }

  private:
    QLockFile lock_;
    bool acquired_ = false;
};

}  // namespace mizaro
