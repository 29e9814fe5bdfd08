#include "pos/Precios.h"

#include "db/Sql.h"

namespace pos {

bool enDolares(const QString& moneda) {
    return moneda == QString::fromUtf8("Dólares");
}

namespace {
// The customer's scheme: 1 a percentage off the list price, 2 the cost plus a percentage,
// anything else (3, and 1 with no percentage) the percentage of the product's family.
double precioConDescuento(const ProductoLista& p, int cliente) {
    db::Consulta QClientes("select * from tblcat_Clientes where id = :id");
    QClientes.bind("id", cliente);
    QClientes.abrir();
    const int tipo = QClientes.vacia() ? 0 : QClientes.entero("TipoDescuento");
    const int porcentaje = QClientes.vacia() ? 0 : QClientes.entero("Porcentaje");
    if (tipo == 1 && porcentaje > 0) return p.precio1 * (100 - porcentaje) / 100;
    if (tipo == 2) return p.costo1 * (porcentaje / 100.0 + 1);

    db::Consulta QDescuentos(
        "select * from tblctrl_Descuentos where cliente = :cliente and familia = :familia");
    QDescuentos.bind("cliente", cliente).bind("familia", p.familia);
    QDescuentos.abrir();
    const int f = QDescuentos.vacia() ? 0 : QDescuentos.entero("Porcentaje");
    return p.precio1 * (100 - f) / 100;
}
}  // namespace

PrecioElegido precioUnitario(const ProductoLista& p, const ReglasPrecio& r) {
    PrecioElegido e;
    switch (r.sobreprecio) {
        case Sobreprecio::Mas15:
            e.precio = p.costo1 * 1.15;
            break;
        case Sobreprecio::Mas20:
            e.precio = p.costo1 * 1.2;
            break;
        case Sobreprecio::Mas25:
            e.precio = p.costo1 * 1.25;
            break;
        case Sobreprecio::Normal:
            if (r.hayEspecial) {
                e.precio = r.especial;
                e.usoEspecial = true;
            } else if (r.clienteDescuento != 0) {
                e.precio = precioConDescuento(p, r.clienteDescuento);
            } else {
                e.precio = p.precio1;
            }
            break;
    }
    if (enDolares(p.moneda)) e.precio *= r.tipoCambio;
    return e;
}

}  // namespace pos
