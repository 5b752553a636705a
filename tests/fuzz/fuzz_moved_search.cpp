// The bytes split in two: a note and what an item's attributes hold; and the note's line as the
// path of a gone item looked for nowhere.
#include "core/file_origin.h"
#include "core/log_lines.h"
#include "core/moved_search.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype half = bytes.indexOf('\0');
    const QString note = kivra::DecodeLogLine(half < 0 ? bytes : bytes.first(half));
    const QByteArray held = half < 0 ? bytes : bytes.sliced(half + 1);
    const kivra::platform::OriginAttributes attributes{held, {}, held, {}};
    const auto why = kivra::AttributesMatch(note, attributes);
    const kivra::FileOrigin origin = kivra::DecodeOrigin(attributes);
    if (why == kivra::MoveProposal::Why::Comment) check(origin.comment.contains(note.trimmed()));
    if (why == kivra::MoveProposal::Why::Address) check(note.contains(origin.address));
    if (note.trimmed().isEmpty()) check(!why);
    kivra::MovedSearch search({{note, note}});
    search.run({});
    check(search.proposals().isEmpty() && search.found() == 0);
    return 0;
}
