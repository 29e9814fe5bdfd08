#pragma once
#include <QString>

// The sale tickets as checkout prints them, reused by the reprint.
namespace pos {
struct DatosClienteTicket {  // report parameters "Nombre", "Direccion", "Telefono"
    QString nombre, direccion, telefono;
};
// Prints a stored sale: two copies of RvTicketCredito for a credit sale, one RvTicket
// otherwise.
void imprimirNotaDeVenta(int venta, const DatosClienteTicket& datos = {});
// Prints a stored transfer: one RvTicket2.
void imprimirTraspaso(int traspaso);
}  // namespace pos
