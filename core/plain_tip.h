#pragma once

#include <QString>
#include <QStringView>

namespace kivra {

// A text from a file, an attribute, the log or a name as a tooltip takes it: rich text that
// shows every character as typed, so markup in it neither renders nor costs anything, and each
// line break kept. Lines are not wrapped.
QString PlainTip(QStringView text);

}  // namespace kivra
