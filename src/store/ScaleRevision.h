#pragma once

#include "StoreError.h"

#include <QString>

namespace zendaro {

class DataView;

// Every scale (home or other) has a change counter, its revision, in the
// table olcek_surumu: each save and each delete of the scale raises it by one
// inside its own transaction. A scale without a counter row is at revision 0.
// Stores older than this schema version have no counters: their scales are
// saved unchecked, as before.
constexpr int kScaleCounterSchemaVersion = 2;

// A save or delete refused because another user (or window) changed or
// deleted the scale since it was shown. Nothing was written; text() says what
// happened and what to do.
class ScaleConflict : public StoreError {
public:
    using StoreError::StoreError;
};

// A scale as an editor shows it: its id, and its revision when its values
// were read for the screen.
class ShownScale {
public:
    ShownScale(qint64 id, qint64 revision) : id_(id), revision_(revision) {}
    qint64 id() const { return id_; }
    qint64 revision() const { return revision_; }

private:
    qint64 id_;
    qint64 revision_;
};

// For an editor's show operation: reads the revision of the current scale of
// `scales`, then that scale's row again (the row the editor shows is at least
// as new as the revision, so a change made in between refuses the next save
// instead of being overwritten by it). Throws ScaleConflict with
// ScaleGoneText() when the scale is no longer stored (the view is left as it
// was), StoreError when there is no current scale or the store fails.
ShownScale ReadShownScale(DataView& scales);

// What a checked write does to the scale.
enum class ScaleWrite { Save, Delete };

// Inside the transaction of a save or a delete of the current scale of
// `scales`: checks that the scale is still at the shown revision and raises
// its counter by one. Throws ScaleConflict (nothing written) when another
// user changed or deleted it meanwhile. The first write of the transaction,
// so that two clerks' writes of one scale wait for each other here.
void ClaimShownScale(DataView& scales, const ShownScale& shown, ScaleWrite write);

// The conflicts' texts.
QString ScaleChangedBeforeSaveText();
QString ScaleDeletedBeforeSaveText();
QString ScaleChangedBeforeDeleteText();
QString ScaleDeletedBeforeDeleteText();
QString ScaleGoneText();

} // namespace zendaro
