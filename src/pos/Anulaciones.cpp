#include "pos/Anulaciones.h"

#include <QDialog>

#include "common/Formats.h"
#include "common/Inventario.h"
#include "common/Seams.h"
#include "db/Clock.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace pos {

QString mensajeVentaConPagos() {
    return "No se puede cancelar una nota de crédito con pagos realizados, gracias";
}
QString mensajeCreditoParcial() {
    return "Cuando es una venta a crédito, la venta no se puede cancelar parcialmente, gracias";
}
QString mensajeUnSoloProducto() {
    return "Si sólo es un producto en la venta, tienes que cancelar la nota completa, gracias";
}
QString mensajeVentaInexistente() {
    return "La venta ya no existe, gracias";
}

namespace {

struct Cabecera {
    bool existe = false;
    bool credito = false;
    QDateTime fecha;
};

Cabecera leerCabecera(int venta) {
    db::Consulta q("select Credito, Fecha from tblctrl_saldosventas where Id = :id");
    q.bind("id", venta);
    q.abrir();
    Cabecera c;
    if (q.vacia()) return c;
    c.existe = true;
    c.credito = q.logico("Credito");
    c.fecha = q.fecha("Fecha");
    return c;
}

// QMovCredito: payments applied to the sale's debt.
bool tienePagos(int venta) {
    db::Consulta q("select Id from tblctrl_kardexcredito where Documento = :documento");
    q.bind("documento", venta);
    q.abrir();
    return !q.vacia();
}

struct LineaVendida {
    int id = 0, producto = 0, cantidad = 0;
    Money precio, costo;
};

QList<LineaVendida> lineasDe(int venta) {
    db::Consulta q(
        "select Id, Producto, Cantidad, Precio, Costo from tblctrl_kardexventas where Saldo = :saldo "
        "order by Id");
    q.bind("saldo", venta);
    q.abrir();
    QList<LineaVendida> r;
    if (q.vacia()) return r;
    do
        r.append({q.entero("Id"), q.entero("Producto"), q.entero("Cantidad"), q.dinero("Precio"),
                  q.dinero("Costo")});
    while (q.siguiente());
    return r;
}

void devolverExistencia(int producto, int cantidad) {
    db::ejecutar("update tblcat_productos set Existencia = Existencia + :cantidad where Id = :id",
                 {{"cantidad", cantidad}, {"id", producto}});
}

QString descripcion(const rpt::Contexto& c) {
    return c.texto("parte") + ' ' + c.texto("marca") + ' ' + c.texto("modelo") + ' ' + c.texto("ano");
}

}  // namespace

QString motivoParaNoAnular(int venta) {
    Cabecera c = leerCabecera(venta);
    if (!c.existe) return mensajeVentaInexistente();
    if (c.credito && tienePagos(venta)) return mensajeVentaConPagos();
    return {};
}

QString motivoParaNoCancelarLinea(int venta, int linea) {
    Cabecera c = leerCabecera(venta);
    if (!c.existe) return mensajeVentaInexistente();
    if (c.credito) return mensajeCreditoParcial();
    const QList<LineaVendida> lineas = lineasDe(venta);
    if (lineas.size() <= 1) return mensajeUnSoloProducto();
    for (const LineaVendida& l : lineas)
        if (l.id == linea) return {};
    return mensajeVentaInexistente();
}

rpt::Trabajo reciboAnulacion(int venta, Anulacion tipo) {
    const bool devolucion = tipo == Anulacion::Devolucion;
    rpt::Trabajo t;
    t.copias = 2;
    const QString ds = devolucion ? "DSDEVOLUCION" : "DSRECIBOCANCELACION";
    // QImpresion: the sale's lines with their product data.
    t.datos[ds] = rpt::DataSet::desdeSql(
        "select a.Id, a.Producto, a.Cantidad, a.Precio, a.Fecha, a.Saldo, (a.Cantidad * a.Precio) as "
        "Importe, "
        "b.parte, b.marca, b.modelo, b.ano from tblctrl_kardexventas a left join view_productos b "
        "on b.id = a.Producto where a.Saldo = :saldo order by a.Id",
        {{"saldo", venta}});
    const Cabecera c = leerCabecera(venta);
    t.parametros["Saldo"] = QString::number(venta);
    t.parametros["Fecha"] = formato::fechaHora(c.fecha);

    rpt::Layout& l = t.layout;
    l.nombre = "RvTicket";
    l.pagina = rpt::Pagina::ticket(5);
    l.datos = ds;
    const double w = l.pagina.anchoUtil();
    const double xCant = 10, xDesc = 18, wImporte = 15, wPrecio = 14;
    const double xPrecio = w - wImporte - wPrecio, xImporte = w - wImporte;
    rpt::Estilo chico{7};
    rpt::Estilo derecha{7, false, rpt::Alinear::Derecha};
    rpt::Estilo negrita{8, true};

    rpt::Banda& titulo = l.banda(rpt::TipoBanda::Titulo, 0);
    double y = 0;
    rpt::encabezadoTienda(titulo, w, y);
    y += 1;
    titulo.texto(0, y, w, 5, "Nota de Venta", {9, true, rpt::Alinear::Centro});
    y += 5;
    titulo.texto(0, y, w, 4, [](const rpt::Contexto& x) { return "No. " + x.param("Saldo"); },
                 {8, true, rpt::Alinear::Centro});
    y += 5;
    titulo.texto(0, y, 12, 4, "Fecha", negrita);
    titulo.texto(
        12, y, w - 12, 4, [](const rpt::Contexto& x) { return x.param("Fecha"); }, rpt::Estilo{8});
    y += 6;
    titulo.texto(0, y, xCant, 4, "Cod.", chico);
    titulo.texto(xCant, y, xDesc - xCant, 4, "Cant.", chico);
    titulo.texto(xDesc, y, xPrecio - xDesc, 4, "Descripción", chico);
    titulo.texto(xPrecio, y, wPrecio, 4, "P. Unitario", derecha);
    titulo.texto(xImporte, y, wImporte, 4, "Importe", derecha);
    y += 4.5;
    titulo.linea(0, y, w, y);
    titulo.alto = y + 1;

    rpt::Banda& det = l.banda(rpt::TipoBanda::Detalle, 4);
    det.campo(0, 0, xCant, 4, "Producto", chico);
    det.campo(xCant, 0, xDesc - xCant, 4, "Cantidad", chico);
    det.texto(xDesc, 0, xPrecio - xDesc, 4, descripcion, {7, false, rpt::Alinear::Izquierda, true});
    det.texto(
        xPrecio, 0, wPrecio, 4, [](const rpt::Contexto& x) { return formato::dinero(x.numero("Precio")); },
        derecha);
    det.texto(
        xImporte, 0, wImporte, 4, [](const rpt::Contexto& x) { return formato::dinero(x.numero("Importe")); },
        derecha);

    rpt::Banda& res = l.banda(rpt::TipoBanda::Resumen, 22);
    res.linea(0, 1, w, 1);
    res.texto(xPrecio - 10, 2, 24, 5, "Total", {8, true, rpt::Alinear::Derecha});
    res.texto(xImporte - 6, 2, wImporte + 6, 5,
              [](const rpt::Contexto& x) { return formato::dinero(x.suma("Importe")); },
              {8, true, rpt::Alinear::Derecha});
    res.texto(0, 9, w, 12, devolucion ? "Devolución" : "Cancelado", {22, true, rpt::Alinear::Centro});
    return t;
}

QString anularVenta(int venta, Anulacion tipo, rpt::Trabajo* recibo) {
    db::Transaccion tr;
    // Checked again under the write lock: another counter may have undone the sale or
    // recorded a payment since the list was read.
    QString motivo = motivoParaNoAnular(venta);
    if (!motivo.isEmpty()) return motivo;
    if (recibo) *recibo = reciboAnulacion(venta, tipo);
    const QString ahora = dialecto::fecha(reloj::ahora());
    for (const LineaVendida& l : lineasDe(venta)) {
        devolverExistencia(l.producto, l.cantidad);
        if (tipo == Anulacion::Devolucion) {
            auto d = db::Edicion::nueva("tblctrl_kardexdevoluciones");
            d.set("Fecha", ahora);
            d.set("Producto", l.producto);
            d.set("Cantidad", l.cantidad);
            d.set("Precio", l.precio.toVariant());
            d.set("Costo", l.costo.toVariant());
            d.set("Documento", venta);  // groups the returned lines by the sale they undo
            d.post();
        }
    }
    const QVariantMap p{{"venta", venta}};
    db::ejecutar("delete from tblctrl_kardexventas where Saldo = :venta", p);
    db::ejecutar("delete from tblctrl_saldosventas where Id = :venta", p);
    db::ejecutar("delete from tblctrl_credito where Documento = :venta", p);
    inventario::registrarValorMercancias();
    tr.confirmar();
    return {};
}

void anularDesdePantalla(QDialog* pantalla, int venta, Anulacion tipo) {
    ui::protegido(
        [&] {
            QString motivo = motivoParaNoAnular(venta);
            if (!motivo.isEmpty()) {
                ui::mensaje(motivo, pantalla);
                return;  // the screen stays open
            }
            const QString pregunta =
                tipo == Anulacion::Devolucion ? "Devolver los productos???" : "Cancelar toda la compra???";
            if (ui::pregunta(pregunta, pantalla)) {
                rpt::Trabajo recibo;
                motivo = anularVenta(venta, tipo, &recibo);
                if (!motivo.isEmpty())
                    ui::mensaje(motivo, pantalla);
                else
                    rpt::imprimir(recibo, pantalla);  // once the change is stored
            }
            pantalla->accept();
        },
        pantalla);
}

QString cancelarLinea(int venta, int linea) {
    db::Transaccion tr;
    QString motivo = motivoParaNoCancelarLinea(venta, linea);
    if (!motivo.isEmpty()) return motivo;
    LineaVendida l;
    for (const LineaVendida& x : lineasDe(venta))
        if (x.id == linea) l = x;
    devolverExistencia(l.producto, l.cantidad);
    // The new total is computed in currency arithmetic; the write lock held since the
    // start of the transaction keeps it from racing another counter.
    const Money total = Money::fromVariant(
        db::valorUnico("select Total from tblctrl_saldosventas where Id = :id", {{"id", venta}}));
    db::ejecutar("update tblctrl_saldosventas set Total = :total where Id = :id",
                 {{"total", (total - l.precio * l.cantidad).toVariant()}, {"id", venta}});
    db::ejecutar("delete from tblctrl_kardexventas where Id = :id", {{"id", linea}});
    inventario::registrarValorMercancias();
    tr.confirmar();
    return {};
}

}  // namespace pos
