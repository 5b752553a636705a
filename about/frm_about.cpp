#include "about/frm_about.h"

namespace kivra {

void ShowAbout(QWidget* owner) { (void)owner; }

}  // namespace kivra
