#pragma once
#include <QString>

// The unit price a ticket line gets, by the first rule that applies: a mark-up on cost,
// the special price typed by the cashier, the discount customer's scheme, the list price.
// Dollar-priced products are then converted at the rate in force.
namespace pos {

enum class Sobreprecio { Normal, Mas15, Mas20, Mas25 };

// The columns of a product-list row that pricing and the ticket use.
struct ProductoLista {
    int id = 0;
    QString parte, marca, modelo, ano;
    int familia = 0;
    double precio1 = 0;
    double costo1 = 0;
    QString moneda = "Pesos";  // "Pesos" or "Dólares"
};

struct ReglasPrecio {
    Sobreprecio sobreprecio = Sobreprecio::Normal;
    int clienteDescuento = 0;  // 0: no discount customer
    bool hayEspecial = false;  // the special price box is not empty
    double especial = 0;       // its value, in the product's own currency
    double tipoCambio = 1;     // pesos per dollar
};

struct PrecioElegido {
    double precio = 0;         // pesos per unit, not rounded
    bool usoEspecial = false;  // the special price was taken (the box is emptied afterwards)
};

// Reads the discount customer (QClientes) and its family percentage (QDescuentos) when
// the rules need them; throws db::SqlError.
PrecioElegido precioUnitario(const ProductoLista& p, const ReglasPrecio& r);

// True when the product is priced in dollars.
bool enDolares(const QString& moneda);

}  // namespace pos
