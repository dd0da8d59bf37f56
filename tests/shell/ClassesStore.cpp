#include "ClassesStore.h"

namespace testing_support {
namespace {

using platform::Registry;
using platform::RegKey;
using platform::RegRoot;

const QStringList kValueNames = {"", "OldAssociation", "NullFile"};

void Collect(Registry& registry, const RegKey& key, QStringList& lines) {
    for (const QString& name : kValueNames)
        if (const auto value = registry.ReadValue(key, name))
            lines.append(key.Names().join('\\') + '|' + (name.isEmpty() ? "@" : name) + '=' +
                         value->ToString().value_or("<not a string>"));
    for (const QString& child : registry.SubKeyNames(key))
        Collect(registry, registry.OpenKey(key, child, false), lines);
}

} // namespace

void PrintTo(Store store, std::ostream* os) {
    *os << (store == Store::InMemory ? "InMemory" : "FileBacked");
}

ClassesStore::ClassesStore(Store store) {
    if (store == Store::InMemory) shared_ = std::make_unique<Registry>(folder_.path());
}

shell::RegistrySource ClassesStore::Source() {
    return shared_ ? shell::RegistrySource(*shared_) : shell::RegistrySource(folder_.path());
}

template <class Use> void ClassesStore::WithRegistry(Use use) {
    if (shared_) return use(*shared_);
    Registry registry(folder_.path());
    use(registry);
    registry.Flush();
}

void ClassesStore::Seed(const QStringList& lines) {
    WithRegistry([&](Registry& registry) {
        for (const QString& line : lines) {
            const QString path = line.section('|', 0, 0);
            const QString name = line.section('|', 1).section('=', 0, 0);
            const RegKey key = registry.CreateKey(RegRoot::ClassesRoot, path);
            registry.WriteValue(key, name == "@" ? QString() : name,
                                platform::RegValue::String(line.section('=', 1)));
        }
    });
}

QStringList ClassesStore::Lines() {
    QStringList lines;
    WithRegistry([&](Registry& registry) {
        Collect(registry, registry.OpenKey(RegRoot::ClassesRoot, "", false), lines);
    });
    lines.sort();
    return lines;
}

} // namespace testing_support
