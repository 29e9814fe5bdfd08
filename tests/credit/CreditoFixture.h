#pragma once
// Debts written the way a credit sale writes them, and the ledger's invariants.
#include <QDateTime>
#include <QTest>

#include "credit/Cobranza.h"
#include "db/Dialect.h"
#include "db/Money.h"
#include "db/Sql.h"

namespace fixture {

inline Money m(double v) {
    return Money::fromDouble(v);
}

// A debt of `total` for sale `documento`, sold at `fecha` and due at `vence`.
inline qlonglong deuda(int cliente, int documento, double total, const QDateTime& fecha,
                       const QDateTime& vence) {
    auto e = db::Edicion::nueva("tblctrl_credito");
    e.set("Cliente", cliente);
    e.set("Cantidad", m(total).toVariant());
    e.set("Saldo", m(total).toVariant());
    e.set("Documento", documento);
    e.set("Fecha", dialecto::fecha(fecha));
    e.set("FechaVencimiento", dialecto::fecha(vence));
    e.set("Pagado", 0);
    e.set("Status", "Sin Pago");
    return e.post();
}

struct Deuda {
    Money cantidad;
    Money saldo;
    bool pagado = false;
    QString status;
};

inline Deuda leer(qlonglong id) {
    db::Consulta q("select * from tblctrl_credito where id = :id");
    q.bind("id", id);
    q.abrir();
    return {q.dinero("Cantidad"), q.dinero("Saldo"), q.logico("Pagado"), q.texto("Status")};
}

inline int contar(const QString& tabla) {
    return db::valorUnico("select count(*) from " + tabla).toInt();
}

// 0 <= Saldo <= Cantidad; a debt at 0 is paid; the applications of each payment add up
// to the payment. Returns an empty text when the ledger holds, else what is broken.
inline QString invariantes() {
    QStringList fallas;
    db::Consulta d("select * from tblctrl_credito order by id");
    d.abrir();
    for (bool h = d.primero(); h; h = d.siguiente()) {
        const Money c = d.dinero("Cantidad"), s = d.dinero("Saldo");
        const QString id = d.texto("Id");
        if (s < Money() || s > c) fallas << "saldo fuera de rango en " + id;
        if (s.isZero() && (!d.logico("Pagado") || d.texto("Status") != "Nota Pagada"))
            fallas << "deuda en cero sin pagar " + id;
        if (!s.isZero() && d.logico("Pagado")) fallas << "deuda con saldo marcada pagada " + id;
    }
    db::Consulta p("select * from tblctrl_saldoscredito order by id");
    p.abrir();
    for (bool h = p.primero(); h; h = p.siguiente()) {
        db::Consulta k("select cantidad from tblctrl_kardexcredito where saldo = :p");
        k.bind("p", p.largo("Id"));
        k.abrir();
        Money suma;
        for (bool hk = k.primero(); hk; hk = k.siguiente()) suma += k.dinero("cantidad");
        if (suma != p.dinero("Cantidad")) fallas << "aplicaciones que no suman el pago " + p.texto("Id");
    }
    db::Consulta huerfanas(
        "select count(*) as n from tblctrl_kardexcredito k where not exists "
        "(select 1 from tblctrl_saldoscredito s where s.id = k.saldo)");
    huerfanas.abrir();
    if (huerfanas.entero("n") > 0) fallas << "aplicaciones sin pago";
    return fallas.join("; ");
}

}  // namespace fixture

#define VERIFICAR_LIBRO()                          \
    do {                                           \
        const QString f_ = fixture::invariantes(); \
        QVERIFY2(f_.isEmpty(), qPrintable(f_));    \
    } while (0)
