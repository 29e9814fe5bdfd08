#include "pos/Ticket.h"

#include <QTableWidget>

namespace pos {
Ticket::Ticket(QTableWidget* grid, QObject* parent) : QObject(parent), grid_(grid) {}
void Ticket::InicializarTicket() {}
int Ticket::lineas() const {
    return 0;
}
LineaTicket Ticket::linea(int) const {
    return {};
}
QList<LineaTicket> Ticket::todas() const {
    return {};
}
bool Ticket::pendiente() const {
    return false;
}
void Ticket::agregar(const LineaTicket&) {}
void Ticket::quitar(int) {}
void Ticket::quitarTodas() {}
}  // namespace pos
