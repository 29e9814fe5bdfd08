#include "credit/Cobranza.h"

#include "common/ATexto.h"
#include "common/Formats.h"
#include "db/Clock.h"
#include "db/Dialect.h"

namespace cobranza {

QString statusSinPago() {
    return "Sin Pago";
}
QString statusPagada() {
    return "Nota Pagada";
}
QString statusParcial(Money adeudo) {
    return "Nota Parcialmente Pagada, Adeudo: " + formato::moneda(adeudo);
}
QString mensajeMayorAlAdeudo() {
    return "La cantidad de pago es mayor al adeudo del cliente, por favor corrige la cantidad, gracias";
}

namespace {

struct Deuda {
    qlonglong id = 0;
    int documento = 0;
    Money cantidad;
    Money saldo;
};

Deuda leerDeuda(const db::Consulta& q) {
    Deuda d;
    d.id = q.largo("Id");
    d.documento = q.entero("Documento");
    d.cantidad = q.dinero("Cantidad");
    d.saldo = q.dinero("Saldo");
    return d;
}

// QPagoCredito: the customer's debts with a balance, oldest first. Read into memory so
// that the debts can be updated while they are walked.
QList<Deuda> deudasAbiertas(int cliente, const QSqlDatabase& cn) {
    db::Consulta q("select * from tblctrl_credito where cliente = :cliente and saldo > 0 order by fecha, id",
                   cn);
    q.bind("cliente", cliente);
    q.abrir();
    QList<Deuda> r;
    for (bool hay = q.primero(); hay; hay = q.siguiente()) r << leerDeuda(q);
    return r;
}

Money suma(const QString& sql, const QVariantMap& params, const QSqlDatabase& cn) {
    db::Consulta q(sql, cn);
    for (auto it = params.begin(); it != params.end(); ++it) q.bind(it.key(), it.value());
    q.abrir();
    return q.vacia() ? Money() : q.dinero("total");
}

void guardarDeuda(qlonglong id, Money saldo, const QString& status, const QSqlDatabase& cn) {
    db::ejecutar(
        cn, "update tblctrl_credito set Saldo = :saldo, Pagado = :pagado, Status = :status where Id = :id",
        {{"saldo", saldo.toVariant()}, {"pagado", saldo.isZero() ? 1 : 0}, {"status", status}, {"id", id}});
}

qlonglong guardarPago(Pago& p, const QSqlDatabase& cn) {
    auto e = db::Edicion::nueva("tblctrl_saldoscredito", cn);
    e.set("Fecha", p.fecha);
    e.set("Cantidad", p.cantidad.toVariant());
    e.set("Cliente", p.cliente);
    return e.post();
}

void guardarAplicacion(const Pago& p, const Aplicacion& a, const QSqlDatabase& cn) {
    auto e = db::Edicion::nueva("tblctrl_kardexcredito", cn);
    e.set("Credito", a.credito);
    e.set("Cantidad", a.cantidad.toVariant());
    e.set("Fecha", p.fecha);
    e.set("Saldo", p.numero);
    e.set("Documento", a.documento);
    e.set("Status", a.status);
    e.set("Cliente", p.cliente);
    e.post();
}

}  // namespace

Money adeudo(int cliente, const QSqlDatabase& cn) {
    return suma("select sum(saldo) as total from tblctrl_credito where cliente = :cliente and saldo > 0",
                {{"cliente", cliente}}, cn);
}

Money adeudoVencido(int cliente, const QDateTime& ahora, const QSqlDatabase& cn) {
    return suma(
        "select sum(saldo) as total from tblctrl_credito where cliente = :cliente and saldo > 0 "
        "and fechavencimiento < :fecha",
        {{"cliente", cliente}, {"fecha", dialecto::fecha(ahora)}}, cn);
}

Money adeudoCorriente(int cliente, const QDateTime& ahora, const QSqlDatabase& cn) {
    return suma(
        "select sum(saldo) as total from tblctrl_credito where cliente = :cliente and saldo > 0 "
        "and fechavencimiento >= :fecha",
        {{"cliente", cliente}, {"fecha", dialecto::fecha(ahora)}}, cn);
}

Pago pagar(int cliente, Money cantidad, const QSqlDatabase& cn) {
    Pago r;
    r.cliente = cliente;
    r.cantidad = cantidad;
    if (cantidad < Money()) return r;

    // The write lock is taken here: the balances read below are the latest ones, another
    // station's payment is either wholly before or wholly after this one.
    db::Transaccion tr(cn);
    const QList<Deuda> deudas = deudasAbiertas(cliente, cn);
    Money abierto;
    for (const Deuda& d : deudas) abierto += d.saldo;
    if (abierto < cantidad) {
        r.resultado = Pago::MayorAlAdeudo;
        return r;
    }

    r.fecha = dialecto::fecha(reloj::ahora());
    r.numero = guardarPago(r, cn);
    Money p = cantidad;
    for (const Deuda& d : deudas) {
        if (p.isZero()) break;
        Aplicacion a;
        a.credito = d.id;
        a.documento = d.documento;
        Money queda;
        if (p > d.saldo) {
            a.cantidad = d.saldo;
            p -= d.saldo;
        } else {
            a.cantidad = p;
            queda = d.saldo - p;
            p = Money();
        }
        a.status = queda.isZero() ? statusPagada() : statusParcial(queda);
        guardarAplicacion(r, a, cn);
        guardarDeuda(d.id, queda, a.status, cn);
        r.aplicaciones << a;
    }
    tr.confirmar();
    r.resultado = Pago::Aplicado;
    return r;
}

Pago pagarNota(qlonglong credito, const QSqlDatabase& cn) {
    Pago r;
    db::Transaccion tr(cn);
    db::Consulta q("select * from tblctrl_credito where id = :credito", cn);
    q.bind("credito", credito);
    q.abrir();
    if (q.vacia() || q.dinero("Saldo") <= Money()) {
        r.resultado = Pago::NotaSinSaldo;
        return r;
    }
    const Deuda d = leerDeuda(q);
    r.cliente = q.entero("Cliente");
    r.cantidad = d.saldo;
    r.fecha = dialecto::fecha(reloj::ahora());
    r.numero = guardarPago(r, cn);
    Aplicacion a;
    a.credito = d.id;
    a.documento = d.documento;
    a.cantidad = d.saldo;
    a.status = statusPagada();
    guardarAplicacion(r, a, cn);
    guardarDeuda(d.id, Money(), a.status, cn);
    r.aplicaciones << a;
    tr.confirmar();
    r.resultado = Pago::Aplicado;
    return r;
}

bool cancelarPago(qlonglong pago, const QSqlDatabase& cn) {
    db::Transaccion tr(cn);
    db::Consulta existe("select id from tblctrl_saldoscredito where id = :id", cn);
    existe.bind("id", pago);
    existe.abrir();
    if (existe.vacia()) return false;

    struct Devolucion {
        qlonglong credito;
        Money cantidad;
    };
    QList<Devolucion> aplicaciones;
    db::Consulta k("select * from tblctrl_kardexcredito where saldo = :saldo order by id", cn);
    k.bind("saldo", pago);
    k.abrir();
    for (bool hay = k.primero(); hay; hay = k.siguiente())
        aplicaciones << Devolucion{k.largo("Credito"), k.dinero("Cantidad")};

    for (const Devolucion& a : aplicaciones) {
        db::Consulta q("select * from tblctrl_credito where id = :credito", cn);
        q.bind("credito", a.credito);
        q.abrir();
        if (q.vacia()) continue;
        const Deuda d = leerDeuda(q);
        const Money saldo = d.saldo + a.cantidad;
        QString status;
        if (saldo.isZero())
            status = statusPagada();  // an application of nothing leaves the note as it was
        else if (a.cantidad == d.cantidad)
            status = statusSinPago();
        else
            status = statusParcial(saldo);
        guardarDeuda(d.id, saldo, status, cn);
    }
    db::ejecutar(cn, "delete from tblctrl_kardexcredito where saldo = :pago", {{"pago", pago}});
    db::ejecutar(cn, "delete from tblctrl_saldoscredito where id = :pago", {{"pago", pago}});
    tr.confirmar();
    return true;
}

// --- printed documents -----------------------------------------------------------------
namespace {

rpt::DataSet unTotal(Money m) {
    rpt::DataSet d;
    d.columnas = {"total"};
    d.filas << QVariantList{m.toDouble()};
    return d;
}

QString fechaDe(const QVariant& v) {
    const QDateTime t = dialecto::leerFecha(v);
    return t.isValid() ? formato::fechaHora(t) : QString();
}

rpt::Expr dineroDe(const QString& columna) {
    return [columna](const rpt::Contexto& c) { return formato::dinero(c.numero(columna)); };
}
rpt::Expr dineroDe(const QString& dataset, const QString& columna) {
    return [dataset, columna](const rpt::Contexto& c) {
        return formato::dinero(c.campo(dataset, columna).toDouble());
    };
}
rpt::Expr paginaDe() {
    return [](const rpt::Contexto& c) { return QString("Página %1 De %2").arg(c.pagina()).arg(c.paginas()); };
}

const rpt::Estilo kTitulo{12, true, rpt::Alinear::Centro};
const rpt::Estilo kNegrita{8, true};
const rpt::Estilo kDerecha{8, false, rpt::Alinear::Derecha};
const rpt::Estilo kDerechaNegrita{8, true, rpt::Alinear::Derecha};

// The head of a customer's letter-size document: the store, the title, "Fecha" with the
// parameter of that name, the customer's name and number.
void encabezadoCliente(rpt::Layout& l, double w, const QString& nombre, const rpt::Expr& cliente,
                       const rpt::Expr& numero) {
    rpt::Banda& titulo = l.banda(rpt::TipoBanda::Titulo, 10);
    double y = 0;
    rpt::encabezadoTienda(titulo, w, y);
    y += 3;
    titulo.texto(0, y, w, 7, nombre, kTitulo);
    y += 9;
    titulo.texto(0, y, 15, 5, "Fecha", kNegrita);
    titulo.texto(15, y, 40, 5, [](const rpt::Contexto& c) { return c.param("Fecha"); });
    y += 5;
    titulo.texto(0, y, 15, 5, "Cliente:", kNegrita);
    titulo.texto(15, y, w - 75, 5, cliente);
    titulo.texto(w - 60, y, 25, 5, "No. Cliente:", kNegrita);
    titulo.texto(w - 35, y, 35, 5, numero);
    y += 7;
    titulo.alto = y;
}

}  // namespace

rpt::Trabajo reciboDePago(qlonglong pago) {
    db::Consulta qp("select * from tblctrl_saldoscredito where id = :id");
    qp.bind("id", pago);
    qp.abrir();
    const int cliente = qp.entero("Cliente");
    const Money cantidad = qp.dinero("Cantidad");
    const QString fecha = fechaDe(qp.valor("Fecha"));

    rpt::Trabajo t;
    {
        // The scratch table is shared by every station: filled and read back as one unit.
        db::Transaccion tr;
        db::ejecutar("delete from tbltmp_ticket");
        db::ejecutar(
            "insert into tbltmp_ticket (Id, Producto, Cantidad, Precio, Costo, Fecha, Cancelado, Saldo, "
            "Factura) "
            "select id, 0 as producto, documento as cantidad, cantidad as precio, 0 as costo, fecha, "
            "0 as cancelado, saldo, status as factura from tblctrl_kardexcredito where saldo = :pago",
            {{"pago", pago}});
        t.datos["DSTicketcredito"] = rpt::DataSet::desdeSql("select * from tbltmp_ticket order by id");
        tr.confirmar();
    }
    const QDateTime ahora = reloj::ahora();
    t.datos["DSClientescredito"] =
        rpt::DataSet::desdeSql("select * from tblcat_clientes where id = :id", {{"id", cliente}});
    t.datos["DSVencido"] = unTotal(adeudoVencido(cliente, ahora));
    t.datos["DSCorriente"] = unTotal(adeudoCorriente(cliente, ahora));
    rpt::DataSet letra;
    letra.columnas = {"conletra"};
    letra.filas << QVariantList{formato::moneda(cantidad) + "(" +
                                ImporteConLetra(cantidad, 1, 1, FormaLetra::Ticket) + ")"};
    t.datos["DSConletra"] = letra;
    t.parametros["Fecha"] = fecha;
    t.parametros["Pago"] = QString::number(pago);

    rpt::Layout& l = t.layout;
    l.nombre = "Ticket";
    l.pagina = rpt::Pagina::ticket(5);
    l.datos = "DSTicketcredito";
    const double w = l.pagina.anchoUtil();

    rpt::Banda& titulo = l.banda(rpt::TipoBanda::Titulo, 10);
    double y = 0;
    rpt::encabezadoTienda(titulo, w, y);
    y += 2;
    titulo.texto(0, y, w / 2, 4, "Recibo de Pago:", kNegrita);
    titulo.texto(
        w / 2, y, w / 2, 4, [](const rpt::Contexto& c) { return "No. " + c.param("Pago"); }, kDerechaNegrita);
    y += 4;
    titulo.texto(0, y, w, 4, [](const rpt::Contexto& c) { return c.param("Fecha"); });
    y += 5;
    titulo.texto(0, y, w, 6, "Recibo de Pago", kTitulo);
    y += 7;
    rpt::Estilo ajustado;
    ajustado.ajustar = true;
    titulo.texto(
        0, y, w, 4,
        [](const rpt::Contexto& c) {
            return "Recibí de " + c.campo("DSClientescredito", "NombreFiscal").toString() +
                   " la cantidad de:";
        },
        ajustado);
    y += 5;
    titulo.texto(
        0, y, w, 4, [](const rpt::Contexto& c) { return c.campo("DSConletra", "conletra").toString(); },
        ajustado);
    y += 5;
    titulo.texto(0, y, w, 4, "por concepto de Pago y/o abono a las siguientes notas:", ajustado);
    y += 5;
    titulo.alto = y;

    rpt::Banda& det = l.banda(rpt::TipoBanda::Detalle, 9);
    det.texto(0, 0, 10, 4, "Nota:", kNegrita);
    det.campo(10, 0, w / 2 - 10, 4, "Cantidad");
    det.texto(w / 2, 0, 12, 4, "Total:", kNegrita);
    det.texto(w / 2 + 12, 0, w / 2 - 12, 4, dineroDe("Precio"), kDerecha);
    det.texto(0, 4, 12, 4, "Status:", kNegrita);
    rpt::Estilo largo;
    largo.ajustar = true;
    det.campo(12, 4, w - 12, 4, "Factura", largo);

    rpt::Banda& res = l.banda(rpt::TipoBanda::Resumen, 16);
    res.linea(0, 1, w, 1);
    res.texto(0, 2, w / 2, 4, "Total Pagado", kNegrita);
    res.texto(
        w / 2, 2, w / 2, 4, [](const rpt::Contexto& c) { return formato::dinero(c.suma("Precio")); },
        kDerechaNegrita);
    res.texto(0, 7, w / 2, 4, "Saldo Vencido", kNegrita);
    res.texto(w / 2, 7, w / 2, 4, dineroDe("DSVencido", "total"), kDerecha);
    res.texto(0, 11, w / 2, 4, "Saldo Al Corriente", kNegrita);
    res.texto(w / 2, 11, w / 2, 4, dineroDe("DSCorriente", "total"), kDerecha);
    return t;
}

rpt::Trabajo estadoDeCuenta(int cliente) {
    const QDateTime ahora = reloj::ahora();
    rpt::Trabajo t;
    t.datos["DSClientescredito"] =
        rpt::DataSet::desdeSql("select * from tblcat_clientes where id = :id", {{"id", cliente}});
    // QEstadoDeCuenta: every unpaid debt with the lines of its sale; a debt whose sale has
    // no lines does not appear.
    t.datos["RSEstadoCuenta"] = rpt::DataSet::desdeSql(
        "select c.id, c.documento, c.fecha, c.status, c.saldo, c.cantidad, c.fechavencimiento, "
        "k.producto as productoid, p.parte, p.marca, p.modelo, p.ano "
        "from tblctrl_credito c inner join tblctrl_kardexventas k on k.saldo = c.documento "
        "left join view_productos p on p.id = k.producto "
        "where c.cliente = :cliente and c.pagado = " +
            dialecto::falso() + " order by c.fecha, c.documento, k.id",
        {{"cliente", cliente}});
    t.datos["DSVencido"] = unTotal(adeudoVencido(cliente, ahora));
    t.datos["DSCorriente"] = unTotal(adeudoCorriente(cliente, ahora));
    t.datos["DSAdeudoTotal"] = unTotal(adeudo(cliente));
    t.datos["DSCreditotodo"] = rpt::DataSet::desdeSql(
        "select * from tblctrl_credito where cliente = :cliente and saldo > 0 order by fecha, id",
        {{"cliente", cliente}});
    t.parametros["Fecha"] = formato::fecha(ahora.date());

    rpt::Layout& l = t.layout;
    l.nombre = "EstadoDeCuenta";
    l.pagina = rpt::Pagina::carta();
    l.datos = "RSEstadoCuenta";
    const double w = l.pagina.anchoUtil();

    encabezadoCliente(
        l, w, "Estado de Cuenta",
        [](const rpt::Contexto& c) { return c.campo("DSClientescredito", "Nombre").toString(); },
        [](const rpt::Contexto& c) { return c.campo("DSClientescredito", "Id").toString(); });

    rpt::Banda& grupo = l.banda(rpt::TipoBanda::EncabezadoGrupo, 12, "documento");
    grupo.linea(0, 1, w, 1);
    grupo.texto(0, 2, 12, 5, "Nota:", kNegrita);
    grupo.campo(12, 2, 14, 5, "documento");
    grupo.texto(26, 2, 12, 5, "Fecha:", kNegrita);
    grupo.texto(38, 2, 34, 5, [](const rpt::Contexto& c) { return fechaDe(c.campo("fecha")); });
    grupo.texto(72, 2, 14, 5, "Status:", kNegrita);
    grupo.campo(86, 2, w - 86 - 38, 5, "status", rpt::Estilo{7});
    grupo.texto(w - 36, 2, 12, 5, "Saldo:", kNegrita);
    grupo.texto(w - 24, 2, 24, 5, dineroDe("saldo"), kDerecha);
    grupo.texto(8, 7, 25, 5, "Código", kNegrita);
    grupo.texto(34, 7, w - 34, 5, "Producto", kNegrita);

    rpt::Banda& det = l.banda(rpt::TipoBanda::Detalle, 5);
    det.campo(8, 0, 25, 5, "productoid");
    det.texto(34, 0, w - 34, 5, [](const rpt::Contexto& c) {
        return c.texto("parte") + ' ' + c.texto("marca") + ' ' + c.texto("modelo") + ' ' + c.texto("ano");
    });

    rpt::Banda& res = l.banda(rpt::TipoBanda::Resumen, 20);
    res.linea(0, 2, w, 2);
    res.texto(w - 90, 4, 50, 5, "Saldo Vencido:", kNegrita);
    res.texto(w - 40, 4, 40, 5, dineroDe("DSVencido", "total"), kDerecha);
    res.texto(w - 90, 9, 50, 5, "Saldo al Corriente:", kNegrita);
    res.texto(w - 40, 9, 40, 5, dineroDe("DSCorriente", "total"), kDerecha);
    res.texto(w - 90, 14, 50, 5, "Saldo Total:", kNegrita);
    res.texto(w - 40, 14, 40, 5, dineroDe("DSAdeudoTotal", "total"), kDerechaNegrita);

    rpt::Banda& pie = l.banda(rpt::TipoBanda::PiePagina, 6);
    pie.texto(0, 1, w, 5, paginaDe(), rpt::Estilo{8, false, rpt::Alinear::Centro});
    return t;
}

rpt::Trabajo historialDePagos(int cliente, const QDate& desde, const QDate& hasta) {
    const QVariantMap p{{"fecha1", dialecto::inicioDelDia(desde)},
                        {"fecha2", dialecto::finDelDia(hasta)},
                        {"cliente", cliente}};
    rpt::Trabajo t;
    // ADOQuery1 and ADOQuery2
    t.datos["DSHistorial"] = rpt::DataSet::desdeSql(
        "select a.cliente as clienteid, (select nombre from tblcat_clientes where id = a.cliente) as "
        "nomcliente, "
        "a.id as PagoId, a.fecha as FechaPago, a.cantidad as TotalPago, b.documento as Nota, "
        "b.cantidad as Cantidadabono, b.status from tblctrl_saldoscredito a "
        "left join tblctrl_kardexcredito b on a.id = b.saldo "
        "where a.fecha between :fecha1 and :fecha2 and a.cliente = :cliente order by a.fecha, a.id, b.id",
        p);
    t.datos["DSTOTALPAGOS"] = rpt::DataSet::desdeSql(
        "select sum(cantidad) as total from tblctrl_saldoscredito "
        "where fecha between :fecha1 and :fecha2 and cliente = :cliente",
        p);
    // The customer is named even when the range has no payments.
    db::Consulta qc("select id, nombre from tblcat_clientes where id = :id");
    qc.bind("id", cliente);
    qc.abrir();
    t.parametros["nomcliente"] = qc.texto("nombre");
    t.parametros["clienteid"] = QString::number(cliente);
    t.parametros["Fecha"] = formato::fecha(reloj::hoy());

    rpt::Layout& l = t.layout;
    l.nombre = "HistorialDePagos";
    l.pagina = rpt::Pagina::carta();
    l.datos = "DSHistorial";
    const double w = l.pagina.anchoUtil();

    encabezadoCliente(
        l, w, "Historial de Pagos", [](const rpt::Contexto& c) { return c.param("nomcliente"); },
        [](const rpt::Contexto& c) { return c.param("clienteid"); });

    rpt::Banda& grupo = l.banda(rpt::TipoBanda::EncabezadoGrupo, 13, "PagoId");
    grupo.linea(0, 1, w, 1);
    grupo.texto(0, 2, 18, 5, "Pago Id:", kNegrita);
    grupo.campo(18, 2, 20, 5, "PagoId");
    grupo.texto(40, 2, 14, 5, "Fecha:", kNegrita);
    grupo.texto(54, 2, 40, 5, [](const rpt::Contexto& c) { return fechaDe(c.campo("FechaPago")); });
    grupo.texto(w - 70, 2, 30, 5, "Total del Pago:", kNegrita);
    grupo.texto(w - 40, 2, 40, 5, dineroDe("TotalPago"), kDerecha);
    grupo.texto(8, 8, 25, 5, "Nota", kNegrita);
    grupo.texto(35, 8, 30, 5, "Pago", rpt::Estilo{8, true, rpt::Alinear::Derecha});
    grupo.texto(70, 8, w - 70, 5, "Status", kNegrita);

    rpt::Banda& det = l.banda(rpt::TipoBanda::Detalle, 5);
    det.campo(8, 0, 25, 5, "Nota");
    det.texto(
        35, 0, 30, 5,
        [](const rpt::Contexto& c) {
            return c.campo("Cantidadabono").isNull() ? QString() : formato::dinero(c.numero("Cantidadabono"));
        },
        kDerecha);
    det.campo(70, 0, w - 70, 5, "status");

    rpt::Banda& res = l.banda(rpt::TipoBanda::Resumen, 10);
    res.linea(0, 2, w, 2);
    res.texto(w - 90, 4, 50, 5, "Total Pagos:", kNegrita);
    res.texto(w - 40, 4, 40, 5, dineroDe("DSTOTALPAGOS", "total"), kDerechaNegrita);

    rpt::Banda& pie = l.banda(rpt::TipoBanda::PiePagina, 6);
    pie.texto(0, 1, w, 5, paginaDe(), rpt::Estilo{8, false, rpt::Alinear::Centro});
    return t;
}

}  // namespace cobranza
