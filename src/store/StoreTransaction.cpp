#include "StoreTransaction.h"

#include "DataView.h"
#include "StoreConnection.h"

namespace zendaro {

StoreTransaction::StoreTransaction(DataView& view) : connection_(view.connection()) {
    connection_->begin();
}

StoreTransaction::~StoreTransaction() {
    if (!done_)
        connection_->rollback();
}

void StoreTransaction::commit() {
    if (done_)
        return;
    connection_->commit();
    done_ = true;
}

} // namespace zendaro
