#pragma once

#include <memory>

namespace zendaro {

class DataView;
class StoreConnection;

// One transaction on the connection a data view shares with every view on the
// same file: begins on construction, lands on commit(), and is undone when the
// object goes without commit() (also when an exception passes). Transactions
// nest; an inner one is a savepoint of the outer.
class StoreTransaction {
public:
    explicit StoreTransaction(DataView& view); // throws StoreError when it cannot begin
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    void commit(); // throws StoreError; the transaction is then still undone at destruction

private:
    std::shared_ptr<StoreConnection> connection_;
    bool done_ = false;
};

} // namespace zendaro
