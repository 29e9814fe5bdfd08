#include "pos/TicketsVenta.h"

#include "common/ATexto.h"
#include "common/Formats.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace pos {

namespace {
// QTicket: the lines of one stored sale (or transfer) with their products.
rpt::DataSet QTicket(int saldo, bool traspaso) {
    const QString kardex = traspaso ? "tblCtrl_kardextraspasos" : "tblCtrl_kardexventas";
    db::Consulta q(
        "select (a.cantidad * a.precio) as subtotal, a.id, a.producto, a.cantidad, a.precio, a.costo, "
        "a.fecha, "
        "a.cancelado, a.saldo, b.* from " +
        kardex + " A left join view_productos B on A.producto = B.id where a.saldo = :saldo order by a.id");
    q.bind("saldo", saldo);
    q.abrir();
    rpt::DataSet d;
    const QSqlRecord r = q.registro();
    for (int i = 0; i < r.count(); ++i) d.columnas << r.fieldName(i);
    for (bool hay = !q.vacia(); hay; hay = q.siguiente()) {
        QVariantList f;
        for (int i = 0; i < r.count(); ++i) f << q.query().value(i);
        d.filas << f;
    }
    return d;
}

// The ticket layouts are drawn with the report layer's bands; until it is in place the
// jobs carry their name, paper and data.
rpt::Layout ticket(const char* nombre, double altoPulgadas) {
    rpt::Layout L;
    L.nombre = nombre;
    L.pagina.tamano = QSizeF(76.2, altoPulgadas * 25.4);
    L.datos = "DSTicket";
    return L;
}
rpt::Layout RvTicket() {
    return ticket("RvTicket", 5);
}
rpt::Layout RvTicketCredito() {
    return ticket("RvTicketCredito", 6.5);
}
rpt::Layout RvTicket2() {
    return ticket("RvTicket2", 4.5);
}

void parametros(rpt::Trabajo& t, const DatosClienteTicket& datos) {
    t.parametros["Nombre"] = datos.nombre;
    t.parametros["Direccion"] = datos.direccion;
    t.parametros["Telefono"] = datos.telefono;
}

rpt::DataSet cliente(int id) {
    db::Consulta q("select * from tblcat_Clientes where id = :id");
    q.bind("id", id);
    q.abrir();
    rpt::DataSet d;
    const QSqlRecord r = q.registro();
    for (int i = 0; i < r.count(); ++i) d.columnas << r.fieldName(i);
    if (!q.vacia()) {
        QVariantList f;
        for (int i = 0; i < r.count(); ++i) f << q.query().value(i);
        d.filas << f;
    }
    return d;
}
}  // namespace

QString conLetra(Money total) {
    return formato::moneda(total) + "(" + ImporteConLetra(total, 1, 1, FormaLetra::Ticket) + ")";
}

rpt::Trabajo trabajoNotaDeVenta(int venta, const DatosClienteTicket& datos) {
    rpt::Trabajo t;
    db::Consulta venta_("select * from tblctrl_saldosventas where Id = :id");
    venta_.bind("id", venta);
    venta_.abrir();
    if (venta_.vacia()) return t;
    const bool credito = venta_.logico("Credito");
    t.datos["DSTicket"] = QTicket(venta, false);
    parametros(t, datos);
    if (credito) {
        t.layout = RvTicketCredito();
        t.copias = 2;
        t.datos["DSClientes"] = cliente(venta_.entero("Cliente"));
        rpt::DataSet letra;
        letra.columnas = QStringList{"conletra"};
        letra.filas << QVariantList{conLetra(venta_.dinero("Total"))};
        t.datos["DSConletraventas"] = letra;
    } else {
        t.layout = RvTicket();
    }
    return t;
}

rpt::Trabajo trabajoTraspaso(int traspaso) {
    rpt::Trabajo t;
    t.layout = RvTicket2();
    t.datos["DSTicket"] = QTicket(traspaso, true);
    return t;
}

void imprimirNotaDeVenta(int venta, const DatosClienteTicket& datos) {
    rpt::Trabajo t = trabajoNotaDeVenta(venta, datos);
    if (t.layout.nombre.isEmpty()) return;
    rpt::imprimir(t);
}

void imprimirTraspaso(int traspaso) {
    rpt::imprimir(trabajoTraspaso(traspaso));
}

}  // namespace pos
