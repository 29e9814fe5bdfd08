#pragma once
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include "db/Money.h"
#include "db/Sql.h"
#include "printing/Report.h"

// The rules of the customer credit ledger: debts (tblctrl_credito), payments
// (tblctrl_saldoscredito) and the applications of a payment to the debts it touched
// (tblctrl_kardexcredito). Every write runs in one transaction that takes the write lock
// first and reads the debts again inside it, so two stations paying the same customer
// never spend the same balance twice.
namespace cobranza {

// Status texts of a debt.
QString statusSinPago();              // "Sin Pago"
QString statusPagada();               // "Nota Pagada"
QString statusParcial(Money adeudo);  // "Nota Parcialmente Pagada, Adeudo: $30.00"
QString mensajeMayorAlAdeudo();       // refusal of a payment above the open debt

// Open debt of a customer: the sum of the positive balances (QAdeudo), and its split
// into overdue (due before `ahora`, QAdeudoVencido) and current (QAdeudoCorriente).
Money adeudo(int cliente, const QSqlDatabase& db = db::cnn());
Money adeudoVencido(int cliente, const QDateTime& ahora, const QSqlDatabase& db = db::cnn());
Money adeudoCorriente(int cliente, const QDateTime& ahora, const QSqlDatabase& db = db::cnn());

struct Aplicacion {
    qlonglong credito = 0;  // the debt's Id
    int documento = 0;      // the debt's sale number
    Money cantidad;         // part of the payment applied to the debt
    QString status;         // the debt's status right after the payment
};

struct Pago {
    enum Resultado {
        Aplicado,
        MayorAlAdeudo,  // the amount is above the customer's open debt: nothing written
        NotaSinSaldo,   // the chosen note has no balance left (paid meanwhile): nothing written
        Invalido,       // a negative amount: nothing written
    };
    Resultado resultado = Invalido;
    qlonglong numero = 0;  // the payment number, when applied
    int cliente = 0;
    Money cantidad;
    QString fecha;  // stored text "yyyy-MM-dd HH:mm:ss"
    QList<Aplicacion> aplicaciones;
    bool aplicado() const { return resultado == Aplicado; }
};

// Takes a payment of `cantidad` from the customer and applies it to the debts with a
// balance, oldest first. A payment equal to the open debt pays everything off; one above
// it is refused.
Pago pagar(int cliente, Money cantidad, const QSqlDatabase& db = db::cnn());
// Pays off the whole current balance of one debt, whatever older debts there are.
Pago pagarNota(qlonglong credito, const QSqlDatabase& db = db::cnn());
// Undoes a payment: each debt it touched gets its application back, then the
// applications and the payment row are deleted. False when the payment does not exist
// (already cancelled at another station).
bool cancelarPago(qlonglong pago, const QSqlDatabase& db = db::cnn());

// --- printed documents -----------------------------------------------------------------
// The payment receipt (report Ticket): fills tbltmp_ticket with the payment's
// applications and reads the customer's balances after the payment.
rpt::Trabajo reciboDePago(qlonglong pago);
// The statement of account (report EstadoDeCuenta) of a customer.
rpt::Trabajo estadoDeCuenta(int cliente);
// The payments of a customer between two days, both included (report HistorialDePagos).
rpt::Trabajo historialDePagos(int cliente, const QDate& desde, const QDate& hasta);

}  // namespace cobranza
