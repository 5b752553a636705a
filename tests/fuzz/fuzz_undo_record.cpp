// Any bytes as an undo record: a record read back is written out as the same bytes.
#include "core/undo_record.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<kivra::UndoRecord> record = kivra::UndoRecord::parse(bytes);
    if (!record) return 0;
    check(record->entries > 0 && record->before <= record->after);
    const std::optional<kivra::UndoRecord> again = kivra::UndoRecord::parse(record->encode());
    check(again && again->before == record->before && again->after == record->after &&
          again->entries == record->entries && again->kind == record->kind &&
          again->began == record->began);
    return 0;
}
