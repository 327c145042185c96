#include "shell/StoreStart.h"

#include "store/ServerSchema.h"
#include "store/StoreAddress.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

namespace zendaro {

namespace {

SchemaState failed(const QString& message) {
    SchemaState state;
    state.kind = SchemaState::Kind::Failed;
    state.message = message;
    return state;
}

} // namespace

SchemaState CheckStoreSchema(const QString& store) {
    if (StoreAddress::Parse(store).engine == StoreEngine::PostgreSQL) {
        try {
            // Held until the upgrade has its own: the server is logged in to
            // (and a password asked for) once.
            const auto connection = StoreConnection::Acquire(store);
            if (!ServerHasScaleTables(*connection))
                return failed(QStringLiteral(
                    "Sunucudaki veritabanında ZENDARO'nun tabloları yok; ölçekler ve dönüşüm dosyaları bu "
                    "çalışmada kullanılamaz. Sistem yöneticiniz tabloları zendaro --sunucu-kur komutuyla "
                    "kurmalı, ölçekleri gerekirse zendaro --aktar sunucu komutuyla aktarmalıdır."));
            return UpgradeSchema(store);
        } catch (const StoreError& error) {
            return failed(error.text());
        }
    }
    return UpgradeSchema(store);
}

} // namespace zendaro
