#include "pos/GuardarVenta.h"

#include "common/Formats.h"
#include "db/Clock.h"
#include "db/Dialect.h"

namespace pos {

namespace {
void guardarLineas(const QString& tabla, const QList<LineaTicket>& lineas, int saldo, const QString& fecha,
                   const QSqlDatabase& db) {
    for (const LineaTicket& l : lineas) {
        db::ejecutar(db,
                     QString("insert into %1 (Producto, Cantidad, Precio, Costo, Fecha, Saldo) "
                             "values (:producto, :cantidad, :precio, :costo, :fecha, :saldo)")
                         .arg(tabla),
                     {{"producto", l.clave},
                      {"cantidad", cantidadDe(l.cantidad)},
                      {"precio", Money::fromDouble(l.precio).toVariant()},
                      {"costo", Money::fromDouble(l.costo).toVariant()},
                      {"fecha", fecha},
                      {"saldo", saldo}});
    }
}

void borrarPendiente(const QString& estacion, const QSqlDatabase& db) {
    db::ejecutar(db, "delete from tbltmp_ticketpendiente where Estacion = :e", {{"e", estacion}});
}
}  // namespace

int guardarVenta(const DatosVenta& v, const QString& estacion, const QSqlDatabase& db) {
    const QDateTime ahora = reloj::ahora();
    const QString fecha = dialecto::fecha(ahora);
    const Money total = Money::fromDouble(v.total);

    db::Transaccion t(db);
    const int numero = db::siguienteConsecutivo("IdNotaVenta", db);
    db::ejecutar(db,
                 "insert into tblctrl_saldosventas (Id, Fecha, Cliente, Total, Usuario, Credito) "
                 "values (:id, :fecha, :cliente, :total, 0, :credito)",
                 {{"id", numero},
                  {"fecha", fecha},
                  {"cliente", v.credito ? v.cliente : 0},
                  {"total", total.toVariant()},
                  {"credito", v.credito ? 1 : 0}});
    guardarLineas("tblctrl_kardexventas", v.lineas, numero, fecha, db);
    if (v.credito) {
        db::ejecutar(db,
                     "insert into tblctrl_credito (Cliente, Cantidad, Saldo, Documento, Fecha, Pagado, "
                     "FechaVencimiento, Status) values (:cliente, :cantidad, :saldo, :documento, :fecha, 0, "
                     ":vence, 'Sin Pago')",
                     {{"cliente", v.cliente},
                      {"cantidad", total.toVariant()},
                      {"saldo", total.toVariant()},
                      {"documento", numero},
                      {"fecha", fecha},
                      {"vence", dialecto::fecha(ahora.addDays(v.diasCredito))}});
    }
    borrarPendiente(estacion, db);
    t.confirmar();
    return numero;
}

int guardarTraspaso(const QList<LineaTicket>& lineas, double total, const QString& estacion,
                    const QSqlDatabase& db) {
    const QString fecha = dialecto::fecha(reloj::ahora());
    db::Transaccion t(db);
    auto e = db::Edicion::nueva("tblctrl_saldostraspasos", db);
    e.set("Fecha", fecha);
    e.set("Cliente", 0);
    e.set("Total", Money::fromDouble(total).toVariant());
    e.set("Usuario", 0);
    const int id = int(e.post());
    guardarLineas("tblctrl_kardextraspasos", lineas, id, fecha, db);
    borrarPendiente(estacion, db);
    t.confirmar();
    return id;
}

QString rechazoCredito(bool credito, bool bloqueado, Money limite, Money adeudo, double total) {
    if (!credito) return QString::fromUtf8("El cliente no cuenta con crédito");
    if (bloqueado) return QString::fromUtf8("El cliente se encuentra bloqueado");
    if (adeudo + Money::fromDouble(total) < limite) return QString();
    return QString::fromUtf8(
               "Con esta compra el cliente excede su límite de crédito, sólo puede obtener un máximo de :") +
           formato::moneda(limite - adeudo);
}

}  // namespace pos
