#include "about/sys_info.h"

#include "widgets/message_box.h"

namespace kivra {

void StartSysInfo(QWidget* parent, const SysInfoServices& services) {
    const QString tool = services.findTool();
    if (!tool.isEmpty() && services.start(tool)) return;
    // A plain box with OK alone.
    widgets::MessageRequest request;
    request.parent = parent;
    request.text = QString::fromLatin1(kSysInfoUnavailable);
    widgets::ShowMessage(request);
}

}  // namespace kivra
