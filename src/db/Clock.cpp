#include "db/Clock.h"

namespace {
QDateTime g_fijo;
}

namespace reloj {
QDateTime ahora() {
    if (g_fijo.isValid()) return g_fijo;
    QDateTime t = QDateTime::currentDateTime();
    return t.addMSecs(-t.time().msec());  // stored dates keep whole seconds
}
QDate hoy() {
    return ahora().date();
}
void fijar(const QDateTime& momento) {
    g_fijo = momento;
}
void liberar() {
    g_fijo = QDateTime();
}
}  // namespace reloj
