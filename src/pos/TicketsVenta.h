#pragma once
#include <QString>

#include "db/Money.h"
#include "printing/Report.h"

class QWidget;

// The sale tickets as checkout prints them, reused by the reprint.
namespace pos {
struct DatosClienteTicket {  // report parameters "Nombre", "Direccion", "Telefono"
    QString nombre, direccion, telefono;
};
// Prints a stored sale: two copies of RvTicketCredito for a credit sale, one RvTicket
// otherwise. Nothing when there is no such sale. Throws db::SqlError.
void imprimirNotaDeVenta(int venta, const DatosClienteTicket& datos = {});
// Prints a stored transfer: one RvTicket2. Throws db::SqlError.
void imprimirTraspaso(int traspaso);

// The print jobs behind them (layout, data sets, parameters, copies), for callers that
// compose or export a ticket themselves. A sale that does not exist gives an empty job
// (no layout name).
rpt::Trabajo trabajoNotaDeVenta(int venta, const DatosClienteTicket& datos = {});
rpt::Trabajo trabajoTraspaso(int traspaso);

// The one-row data set DSConletraventas: "$1,234.56(MIL ... Pesos)".
QString conLetra(Money total);
}  // namespace pos
