#include "pos/TicketsVenta.h"

#include "common/ATexto.h"
#include "common/Formats.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace pos {

namespace {
using rpt::Alinear;
using rpt::Banda;
using rpt::Contexto;
using rpt::Estilo;
using rpt::TipoBanda;

const Estilo kNormal{};
const Estilo kNegrita{8, true};
const Estilo kTitulo{10, true};
const Estilo kDerecha{8, false, Alinear::Derecha};
const Estilo kDerechaNegrita{8, true, Alinear::Derecha};
const Estilo kAjustar{8, false, Alinear::Izquierda, true};
const double kRenglon = 4;

// QTicket: the lines of one stored sale (or transfer) with their products.
rpt::DataSet QTicket(int saldo, bool traspaso) {
    const QString kardex = traspaso ? "tblCtrl_kardextraspasos" : "tblCtrl_kardexventas";
    return rpt::DataSet::desdeSql(
        "select (a.cantidad * a.precio) as subtotal, a.id, a.producto, a.cantidad, a.precio, a.costo, "
        "a.fecha, "
        "a.cancelado, a.saldo, b.* from " +
            kardex +
            " A left join view_productos B on A.producto = B.id where a.saldo = :saldo order by a.id",
        {{"saldo", saldo}});
}

QString descripcion(const Contexto& c) {
    return c.texto("parte") + ' ' + c.texto("marca") + ' ' + c.texto("modelo") + ' ' + c.texto("ano");
}
QString fechaDe(const Contexto& c) {
    return formato::fechaHora(dialecto::leerFecha(c.campo("fecha")));
}
QString numeroDe(const Contexto& c) {
    return "No. " + c.texto("saldo");
}

struct Columnas {  // x of the figures across the ticket width
    double ancho, cant, cantW, precio, precioW, importe, importeW;
    explicit Columnas(double w)
        : ancho(w),
          cant(0),
          cantW(10),
          precio(11),
          precioW(w * 0.4 - 11),
          importe(w * 0.4),
          importeW(w * 0.6) {}
};

// Logo, store lines, the document caption and number, its date.
Banda& titulo(rpt::Layout& L, const QString& caption, double& y) {
    const double w = L.pagina.anchoUtil();
    Banda& b = L.banda(TipoBanda::Titulo, 10);
    y = 0;
    rpt::encabezadoTienda(b, w, y);
    y += 1;
    b.texto(0, y, w * 0.45, 5, caption, kTitulo);
    b.texto(w * 0.45, y, w * 0.55, 5, numeroDe, kTitulo);
    y += 5;
    b.texto(0, y, w, kRenglon, fechaDe);
    y += kRenglon;
    return b;
}

void captionsCantidad(Banda& b, const Columnas& k, double& y, bool descripcionAntes) {
    if (descripcionAntes) {
        b.texto(0, y, k.ancho, kRenglon, QString::fromUtf8("Descripción"), kNegrita);
        y += kRenglon;
    }
    b.texto(k.cant, y, k.cantW, kRenglon, "Cant.", kNegrita);
    b.texto(k.precio, y, k.precioW, kRenglon, "P. Unitario", Estilo{8, true, Alinear::Derecha});
    b.texto(k.importe, y, k.importeW, kRenglon, "Importe", kDerechaNegrita);
    y += kRenglon;
    if (!descripcionAntes) {
        b.texto(0, y, k.ancho, kRenglon, QString::fromUtf8("Descripción"), kNegrita);
        y += kRenglon;
    }
    y += 0.5;
    b.linea(0, y, k.ancho, y);
    y += 1;
}

void figurasLinea(Banda& d, const Columnas& k, double y) {
    d.campo(k.cant, y, k.cantW, kRenglon, "cantidad");
    d.texto(
        k.precio, y, k.precioW, kRenglon,
        [](const Contexto& c) { return formato::dineroTicket(c.numero("precio")); }, kDerecha);
    d.texto(
        k.importe, y, k.importeW, kRenglon,
        [](const Contexto& c) { return formato::dinero(c.numero("subtotal")); }, kDerecha);
}

// Per line: the description, then quantity, unit price and amount (or the other way round).
void detalle(rpt::Layout& L, const Columnas& k, bool descripcionAntes) {
    Banda& d = L.banda(TipoBanda::Detalle, 2 * kRenglon + 0.5);
    if (descripcionAntes) {
        d.texto(0, 0, k.ancho, kRenglon, descripcion, kAjustar);
        figurasLinea(d, k, kRenglon);
    } else {
        figurasLinea(d, k, 0);
        d.texto(0, kRenglon, k.ancho, kRenglon, descripcion, kAjustar);
    }
}

double total(Banda& r, const Columnas& k, double y) {
    r.linea(0, y, k.ancho, y);
    y += 1;
    r.texto(k.precio, y, k.precioW, 5, "Total", kDerechaNegrita);
    r.texto(
        k.importe, y, k.importeW, 5, [](const Contexto& c) { return formato::dinero(c.suma("subtotal")); },
        kDerechaNegrita);
    return y + 5;
}

// What the three tickets share: the page, the title band (store, caption and number, date,
// and on the credit ticket the customer), the column captions, one detail band per line
// and the total. The ticket writes its own ending in the summary band, from y.
struct Pie {
    Banda& r;
    Columnas k;
    double y;
};
Pie cuerpo(rpt::Layout& L, const char* nombre, double pulgadas, const QString& caption, bool descripcionAntes,
           bool conCliente = false) {
    L.nombre = nombre;
    L.pagina = rpt::Pagina::ticket(pulgadas);
    L.datos = "DSTicket";
    const Columnas k(L.pagina.anchoUtil());
    double y = 0;
    Banda& t = titulo(L, caption, y);
    if (conCliente) {
        t.texto(
            0, y, k.ancho, kRenglon,
            [](const Contexto& c) { return "Cliente: " + c.campo("DSClientes", "Nombre").toString(); },
            kAjustar);
        y += kRenglon + 1;
    } else {
        y += 1;
    }
    captionsCantidad(t, k, y, descripcionAntes);
    t.alto = y;
    detalle(L, k, descripcionAntes);
    Banda& r = L.banda(TipoBanda::Resumen, 10);
    return {r, k, total(r, k, 0)};
}

rpt::Layout RvTicket() {
    rpt::Layout L;
    Pie p = cuerpo(L, "RvTicket", 5, "Nota de Venta:", true);
    double y = p.y + 1;
    p.r.linea(0, y, p.k.ancho, y);
    y += 3;
    p.r.texto(0, y, p.k.ancho, kRenglon, QString::fromUtf8("Recibí la mercancía en buen estado: "));
    y += kRenglon + 6;
    p.r.linea(p.k.ancho * 0.15, y, p.k.ancho * 0.85, y);
    p.r.alto = y + 2;
    return L;
}

rpt::Layout RvTicketCredito() {
    rpt::Layout L;
    Pie p = cuerpo(L, "RvTicketCredito", 6.5, "Nota de Venta:", false, true);
    double y = p.y + 3;
    auto renglon = [&](const auto& texto) {  // a fixed text or an expression
        p.r.texto(0, y, p.k.ancho, kRenglon, texto, kAjustar);
        y += kRenglon;
    };
    renglon(rpt::Expr(
        [](const Contexto& c) { return "Yo " + c.campo("DSClientes", "NombreFiscal").toString(); }));
    renglon(QString::fromUtf8("pagaré incondicionalmente"));
    renglon(QString("la cantidad de:"));
    renglon(rpt::Expr([](const Contexto& c) { return c.campo("DSConletraventas", "conletra").toString(); }));
    y += kRenglon;  // the amount in words may take two lines
    renglon(QString("En base a las condiciones "));
    renglon(QString("de Venta"));
    y += 4;
    renglon(QString("Nombre:________________________"));
    y += 4;
    renglon(QString("Firma:______________________________"));
    p.r.alto = y + 2;
    return L;
}

rpt::Layout RvTicket2() {
    rpt::Layout L;
    Pie p = cuerpo(L, "RvTicket2", 4.5, "Traspaso:", false);
    p.r.alto = p.y + 2;
    return L;
}

void parametros(rpt::Trabajo& t, const DatosClienteTicket& datos) {
    t.parametros["Nombre"] = datos.nombre;
    t.parametros["Direccion"] = datos.direccion;
    t.parametros["Telefono"] = datos.telefono;
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
        t.datos["DSClientes"] = rpt::DataSet::desdeSql("select * from tblcat_Clientes where id = :id",
                                                       {{"id", venta_.entero("Cliente")}});
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
