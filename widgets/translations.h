#pragma once

#include <QString>
#include <QStringList>

namespace kivra::widgets {

// Installs the program's translator and Qt's own (message-box buttons, the file dialogs) for the
// first of `languages`, as QLocale::uiLanguages() lists them, that the program has; a later call
// replaces them. English is the source: its translator only mends plurals. Returns the language
// installed, empty when none.
QString InstallTranslators(const QStringList& languages);

}  // namespace kivra::widgets
