#pragma once
// The File menu's "Recent Files": the last documents opened or saved, the most recent first,
// each once, at most kMaxRecentFiles. Kept under the settings key's "Recent Files" as the
// strings "File1", "File2", ... in that order. Several designers may run at once and share the
// list: each merges what the others stored before it writes.

#include "platform/Registry.h"

#include <QString>
#include <QStringList>

namespace app {

inline constexpr int kMaxRecentFiles = 8;

// The status bar's note for a recent document that is gone.
QString RecentFileMissingNote(const QString& path);

class RecentFiles {
  public:
    const QStringList& Paths() const { return paths_; }

    // `path` (made absolute) goes first; an earlier mention of it goes, and the oldest beyond
    // kMaxRecentFiles.
    void Add(const QString& path);
    void Remove(const QString& path);
    // True when the document chosen from the list is there to open; a missing one is removed.
    bool Choose(const QString& path);

    // Reads "File1", "File2", ... up to the first value missing or not a string; a repeated
    // or empty path is passed over.
    void Load(platform::Registry& registry, const platform::RegKey& settings);
    // Writes the key afresh: this list, then the stored paths not in it and not removed here,
    // up to kMaxRecentFiles; nothing when that is empty.
    void Save(platform::Registry& registry, const platform::RegKey& settings) const;

    bool operator==(const RecentFiles&) const = default;

  private:
    QStringList paths_;
    QStringList removed_; // stay out of the list when another designer's stored list has them
};

} // namespace app
