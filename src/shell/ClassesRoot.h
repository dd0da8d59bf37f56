#pragma once
// The registry accessor of the file-type operations: HKEY_CLASSES_ROOT with paths relative to
// it, a missing key or value reading as an empty string. Each operation opens one at its start
// and releases it at its end.

#include "platform/Registry.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace shell {

class ClassesRoot {
  public:
    // The per-user store in `folder`, loaded now; Release() writes back what changed, and what
    // was written before a failure is written back when the accessor goes.
    explicit ClassesRoot(const QString& folder);
    // A registry its owner keeps open (and writes back when it chooses).
    explicit ClassesRoot(platform::Registry& shared) : registry_(&shared) {}

    bool KeyExists(const QString& path) const;
    platform::RegKey Open(const QString& path, bool canCreate);
    QString ReadString(const platform::RegKey& key, const QString& name) const;
    QString ReadDefault(const QString& path); // of a key opened without creating
    void WriteString(const platform::RegKey& key, const QString& name, const QString& data);
    void SetDefault(const QString& path, const QString& data); // opening or creating the key
    void DeleteKey(const QString& path);
    QStringList SubKeyNames() const; // of the root itself

    void Release(); // platform::WriteFailure when the store cannot be written

  private:
    std::unique_ptr<platform::Registry> owned_;
    platform::Registry* registry_;
};

// Where the operations open their accessor: the per-user store (the program's way, so that
// every operation reads what another copy of the program wrote before it), or one registry
// shared by all of them.
class RegistrySource {
  public:
    RegistrySource() = default; // platform::Registry::DefaultFolder() when opened
    explicit RegistrySource(QString folder) : folder_(std::move(folder)) {}
    explicit RegistrySource(platform::Registry& shared) : shared_(&shared) {}

    ClassesRoot Open() const;

  private:
    QString folder_;
    platform::Registry* shared_ = nullptr;
};

} // namespace shell
