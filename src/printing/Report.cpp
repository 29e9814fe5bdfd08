#include "printing/Report.h"

// Placeholder engine; the complete report layer replaces this file.
namespace rpt {
Documento componer(const Trabajo& t) {
    Documento d;
    d.layout = t.layout.nombre;
    d.copias = t.copias;
    return d;
}
bool imprimir(const Trabajo&, QWidget*) {
    return true;
}
QStringList Documento::textos() const {
    return {};
}
QString Documento::texto() const {
    return {};
}
namespace prueba {
void capturar(bool) {}
QList<Documento> impresos() {
    return {};
}
void limpiar() {}
}  // namespace prueba
}  // namespace rpt
