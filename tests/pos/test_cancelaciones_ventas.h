#pragma once
// Stored sales placed directly in the tables, on chosen days, for the screens that undo
// them (cancellation, returns, reprint).
#include <QAbstractItemModel>
#include <QDateTime>
#include <QList>
#include <QTableView>
#include <QTest>
#include <functional>
#include <type_traits>

#include "TestSupport.h"
#include "db/Dialect.h"
#include "db/Money.h"
#include "db/Sql.h"

struct LineaDePrueba {
    int producto;
    int cantidad;
    double precio;
    double costo = 0;
};

// A sale as checkout stores it: the next number of the counter, its header, its lines and,
// on credit, its debt "Sin Pago".
inline int ventaGuardada(const QDateTime& fecha, const QList<LineaDePrueba>& lineas, int clienteCredito = 0) {
    const int id = db::siguienteConsecutivo("IdNotaVenta");
    Money total;
    for (const LineaDePrueba& l : lineas) total += Money::fromDouble(l.precio) * l.cantidad;
    auto h = db::Edicion::nueva("tblctrl_saldosventas");
    h.set("Id", id);
    h.set("Fecha", dialecto::fecha(fecha));
    h.set("Cliente", clienteCredito);
    h.set("Total", total.toVariant());
    h.set("Usuario", 0);
    h.set("Credito", clienteCredito != 0);
    h.post();
    for (const LineaDePrueba& l : lineas) {
        auto k = db::Edicion::nueva("tblctrl_kardexventas");
        k.set("Producto", l.producto);
        k.set("Cantidad", l.cantidad);
        k.set("Precio", Money::fromDouble(l.precio).toVariant());
        k.set("Costo", Money::fromDouble(l.costo).toVariant());
        k.set("Fecha", dialecto::fecha(fecha));
        k.set("Saldo", id);
        k.post();
    }
    if (clienteCredito != 0) {
        auto c = db::Edicion::nueva("tblctrl_credito");
        c.set("Cliente", clienteCredito);
        c.set("Cantidad", total.toVariant());
        c.set("Saldo", total.toVariant());
        c.set("Documento", id);
        c.set("Fecha", dialecto::fecha(fecha));
        c.set("Pagado", false);
        c.set("FechaVencimiento", dialecto::fecha(fecha.addDays(30)));
        c.set("Status", "Sin Pago");
        c.post();
    }
    return id;
}

// A payment of `cantidad` applied to the debt of a credit sale (one application row).
inline void pagoAplicado(int venta, double cantidad) {
    const int credito =
        db::valorUnico("select Id from tblctrl_credito where Documento = :d", {{"d", venta}}).toInt();
    const int cliente =
        db::valorUnico("select Cliente from tblctrl_credito where Documento = :d", {{"d", venta}}).toInt();
    auto p = db::Edicion::nueva("tblctrl_saldoscredito");
    p.set("Fecha", dialecto::fecha(QDateTime(QDate(2026, 1, 10), QTime(12, 0))));
    p.set("Cantidad", cantidad);
    p.set("Cliente", cliente);
    const int pago = int(p.post());
    auto a = db::Edicion::nueva("tblctrl_kardexcredito");
    a.set("Credito", credito);
    a.set("Cantidad", cantidad);
    a.set("Saldo", pago);
    a.set("Documento", venta);
    a.set("Status", "Nota Parcialmente Pagada");
    a.set("Cliente", cliente);
    a.post();
    db::ejecutar("update tblctrl_credito set Saldo = Saldo - :c where Id = :id",
                 {{"c", cantidad}, {"id", credito}});
}

inline int contar(const QString& sql, const QVariantMap& p = {}) {
    return db::valorUnico(sql, p).toInt();
}

// What a sale leaves in the tables: header, lines, debt.
struct RastroVenta {
    int cabecera, lineas, credito;
    bool operator==(const RastroVenta&) const = default;
};
inline RastroVenta rastro(int venta) {
    const QVariantMap p{{"v", venta}};
    return {contar("select count(*) from tblctrl_saldosventas where Id = :v", p),
            contar("select count(*) from tblctrl_kardexventas where Saldo = :v", p),
            contar("select count(*) from tblctrl_credito where Documento = :v", p)};
}
inline int fotografiasInventario() {
    return contar("select count(*) from tbl_hist_mercancias");
}

// The clock of TiendaDePrueba.
inline const QDateTime kHoy(QDate(2026, 1, 10), QTime(17, 5, 0));

// The texts of one column of a grid, top to bottom.
inline QStringList columna(QTableView* g, int col) {
    QStringList r;
    for (int i = 0; i < g->model()->rowCount(); ++i) r << g->model()->index(i, col).data().toString();
    return r;
}

// Makes the row whose first column reads `id` the current one.
inline void elegir(QTableView* g, int id) {
    const int i = columna(g, 0).indexOf(QString::number(id));
    QVERIFY2(i >= 0, qPrintable(QString("row %1 not listed").arg(id)));
    g->setCurrentIndex(g->model()->index(i, 0));
}

// Shows one of the sale screens through the dialog seam and lets `accion` work on it while
// it is open; returns its result (Accepted once the screen closed itself).
template <class Pantalla>
int enPantalla(TiendaDePrueba& t, Pantalla* pantalla,
               const std::function<void(std::type_identity_t<Pantalla>*)>& accion) {
    t.guion.dialogo = [&](QDialog* d) {
        accion(static_cast<Pantalla*>(d));
        return d->result();
    };
    return pantalla->mostrar();
}
