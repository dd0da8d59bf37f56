#include "shell/FileAssociation.h"

namespace shell {

void AssociateDocuments(QString&) noexcept {}

} // namespace shell
