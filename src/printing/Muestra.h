#pragma once
#include "printing/Report.h"

class QWidget;

namespace rpt {
// A sample document (the list of units of measure) printed through the normal output
// path, so the report layer can be seen end to end.
bool imprimirMuestra(QWidget* padre = nullptr);
Trabajo trabajoMuestra();  // the same document, ready to compose; throws db::SqlError
}  // namespace rpt
