#include "pos/TicketsVenta.h"

namespace pos {
void imprimirNotaDeVenta(int, const DatosClienteTicket&) {}
void imprimirTraspaso(int) {}
}  // namespace pos
