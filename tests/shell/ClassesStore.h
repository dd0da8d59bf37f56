#pragma once
// A classes root for the file-type tests, as lines "Key\Path|Value=data" ("@" names a key's
// default value): kept in one registry in memory, or in the per-user store files that every
// operation loads afresh and writes back.

#include "shell/ClassesRoot.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable failures of QString comparisons.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace testing_support {

enum class Store { InMemory, FileBacked };
void PrintTo(Store store, std::ostream* os);

class ClassesStore {
  public:
    explicit ClassesStore(Store store);
    shell::RegistrySource Source();
    void Seed(const QStringList& lines);
    // Every default, "OldAssociation" and "NullFile" value (the ones the operations write),
    // sorted.
    QStringList Lines();

  private:
    template <class Use> void WithRegistry(Use use);
    QTemporaryDir folder_;
    std::unique_ptr<platform::Registry> shared_;
};

} // namespace testing_support
