#pragma once
class QWidget;

namespace rpt {
// A sample document (the list of units of measure) printed through the normal output
// path, so the report layer can be seen end to end.
bool imprimirMuestra(QWidget* padre = nullptr);
}  // namespace rpt
