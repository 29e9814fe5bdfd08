#pragma once
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include "db/Money.h"
#include "db/Sql.h"
#include "pos/Ticket.h"

// Storing what the sales ticket holds: a cash or credit sale, or a transfer. Each store
// is one transaction (counter, header, lines, credit record and the removal of the
// station's pending ticket lines): on failure nothing is stored and db::SqlError carries
// the engine's message. Printing and the inventory snapshot come after, from the caller.
namespace pos {

struct DatosVenta {
    QList<LineaTicket> lineas;
    double total = 0;  // running total, pesos
    bool credito = false;
    int cliente = 0;      // 0 for a cash sale
    int diasCredito = 0;  // the credit customer's DiasCredito
};

// Returns the sale number (from the IdNotaVenta counter).
int guardarVenta(const DatosVenta& v, const QString& estacion, const QSqlDatabase& db = db::cnn());
// Returns the transfer's Id (given by the database).
int guardarTraspaso(const QList<LineaTicket>& lineas, double total, const QString& estacion,
                    const QSqlDatabase& db = db::cnn());

// The credit acceptance: an empty text when the sale may go on credit, otherwise the
// refusal message. Accepted when credit is allowed, the customer is not blocked and
// open debt + the sale stays strictly below the limit.
QString rechazoCredito(bool credito, bool bloqueado, Money limite, Money adeudo, double total);

}  // namespace pos
