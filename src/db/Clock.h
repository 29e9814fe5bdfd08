#pragma once
#include <QDateTime>

// The clock every screen reads for "now". Tests fix it so that sales can be placed on
// chosen days and due dates can be checked exactly.
namespace reloj {
QDateTime ahora();
QDate hoy();
void fijar(const QDateTime& momento);  // from now on ahora() returns this moment
void liberar();                        // back to the real clock
}  // namespace reloj
