// Any bytes as an undo record: one read from them reads back the same from its own line.
#include "core/undo_record.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<kivra::UndoRecord> record = kivra::UndoRecord::parse(bytes);
    if (!record) return 0;
    check(record->entries > 0 && record->before <= record->after);
    check(kivra::UndoRecord::parse(record->encode()) == record);
    return 0;
}
