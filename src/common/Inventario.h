#pragma once

// Appends the inventory value snapshot (the value of the stock of every family, with the
// time) after every sale, transfer, cancellation, return, purchase and adjustment.
namespace inventario {
void registrarValorMercancias();  // throws db::SqlError
}
