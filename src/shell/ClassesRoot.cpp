#include "shell/ClassesRoot.h"

namespace shell {

using platform::RegKey;
using platform::RegRoot;
using platform::RegValue;

ClassesRoot::ClassesRoot(const QString& folder)
    : owned_(std::make_unique<platform::Registry>(folder)), registry_(owned_.get()) {}

bool ClassesRoot::KeyExists(const QString& path) const {
    return registry_->KeyExists(RegRoot::ClassesRoot, path);
}

RegKey ClassesRoot::Open(const QString& path, bool canCreate) {
    return registry_->OpenKey(RegRoot::ClassesRoot, path, canCreate);
}

QString ClassesRoot::ReadString(const RegKey& key, const QString& name) const {
    const std::optional<RegValue> value = registry_->ReadValue(key, name);
    return value ? value->ToString().value_or(QString()) : QString();
}

QString ClassesRoot::ReadDefault(const QString& path) {
    return ReadString(Open(path, false), QString());
}

void ClassesRoot::WriteString(const RegKey& key, const QString& name, const QString& data) {
    registry_->WriteValue(key, name, RegValue::String(data));
}

void ClassesRoot::SetDefault(const QString& path, const QString& data) {
    WriteString(Open(path, true), QString(), data);
}

void ClassesRoot::DeleteKey(const QString& path) {
    registry_->DeleteKey(RegRoot::ClassesRoot, path);
}

QStringList ClassesRoot::SubKeyNames() const {
    return registry_->SubKeyNames(registry_->OpenKey(RegRoot::ClassesRoot, QString(), false));
}

void ClassesRoot::Release() {
    if (owned_) owned_->Flush();
}

ClassesRoot RegistrySource::Open() const {
    if (shared_ != nullptr) return ClassesRoot(*shared_);
    return ClassesRoot(folder_.isEmpty() ? platform::Registry::DefaultFolder() : folder_);
}

} // namespace shell
