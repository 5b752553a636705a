#pragma once

class QWidget;

namespace kivra {

class EntryLog;

// The main window's "Export (Save Info)" command. The main window keeps one for its lifetime.
class ExportCommand {
public:
    ExportCommand(QWidget* owner, const EntryLog& log);
    ~ExportCommand();
    ExportCommand(const ExportCommand&) = delete;
    ExportCommand& operator=(const ExportCommand&) = delete;

    void run();

private:
    QWidget* owner_;
    const EntryLog& log_;
};

}  // namespace kivra
