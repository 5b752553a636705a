#include "main_window/export_command.h"

#include "core/entry_log.h"

namespace kivra {

ExportCommand::ExportCommand(QWidget* owner, const EntryLog& log) : owner_(owner), log_(log) {}

ExportCommand::~ExportCommand() = default;

void ExportCommand::run() {}

}  // namespace kivra
