#pragma once

#include <QByteArray>

// The name a file is written under beside its target before it takes the
// target's place: ".NAME.XXXXXX.part", NAME cut short when the whole would
// not fit the folder's longest name (mkstemp's six characters keep it unique).
// Such files left behind by a writer killed outright (SIGKILL, a power cut)
// are removed at the next write of the same target, once old enough that no
// other writer can still be filling them.
class TemporaryName {
  public:
    static constexpr char kEnd[] = "XXXXXX.part";
    // A file not modified for so long is no live writer's.
    static constexpr int kStaleSeconds = 10 * 60;

    // ".NAME." or ".NAM." for the file `name` of `folder`; kEnd follows it.
    static QByteArray stem(const QByteArray& folder, const QByteArray& name);
    // Removes the regular files of `folder` named `stem` + six letters or
    // digits + ".part" not modified for kStaleSeconds.
    static void removeStale(const QByteArray& folder, const QByteArray& stem);
    static bool isOfStem(const QByteArray& entry, const QByteArray& stem);
};
