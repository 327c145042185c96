#pragma once

#include "files/SchemaUpgrade.h"

#include <QString>

namespace zendaro {

// The start-up check of the store this run uses (a file path or a server
// address): on a server, first that it can be reached and holds ZENDARO's
// tables (else a message that says what to run); then the schema upgrade of
// the store. Never throws.
SchemaState CheckStoreSchema(const QString& store);

} // namespace zendaro
