#pragma once

// The fixed contents of the demonstration store: vehicles, families with the parts they
// hold, customers and suppliers. Demo.cpp turns them into rows.
namespace demo::datos_fijos {

struct Modelo {
    const char* nombre;
    int desde;  // first and last model year, four digits
    int hasta;
};

struct Marca {
    const char* nombre;
    const Modelo* modelos;
    int cuantos;
};

// A kind of part of a family; one product is made for each of `vehiculos` vehicles, its
// cost drawn from `costo` to 1.8 times it (0: within the family's range). `vehiculos` 0
// is a part for any vehicle (oils, bulbs): one product of the brand "UNIVERSAL" at
// exactly `costo`.
struct Plantilla {
    const char* parte;
    const char* unidad;  // abbreviation in tbl_app_unidades
    int vehiculos;
    double costo;
};

struct Familia {
    const char* nombre;
    int porcentaje;             // mark-up the purchase screen suggests
    const char* clave;          // prefix of the maker's part codes
    double costoMin, costoMax;  // pesos
    int dolares;                // per cent of its products priced in dollars
    const char* linea;          // warehouse aisle
    int proveedor;              // 1 or 2
    const Plantilla* plantillas;
    int cuantas;
};

struct Cliente {
    const char* nombre;
    const char* nombreFiscal;
    const char* rfc;
    const char* calle;
    const char* numero;
    const char* colonia;
    const char* cp;
    const char* ciudad;
    const char* estado;
    const char* telefono;
    const char* correo;
    const char* contacto;
    const char* celular;
    int tipoDescuento;  // 1 general, 2 cost plus, 3 per family
    int porcentaje;
    bool credito;
    double limite;
    int dias;
    bool bloqueado;
};

struct Proveedor {
    const char* nombre;
    const char* nombreFiscal;
    const char* rfc;
    const char* direccion;
    const char* ciudad;
    const char* cp;
    const char* telefono;
    const char* contacto;
    const char* celular;
    const char* correo;
    int dias;
    const char* banco;
    const char* clabeBanco;  // first six digits of the CLABE: bank and branch
    const char* cuenta;      // eleven digits
};

extern const Marca kMarcas[];
extern const int kNumMarcas;
extern const Marca kUniversal;  // parts for any vehicle
extern const Familia kFamilias[];
extern const int kNumFamilias;
extern const Cliente kClientes[];
extern const int kNumClientes;
extern const Proveedor kProveedores[];
extern const int kNumProveedores;

// Customers by their place in kClientes (their Id is the place + 1).
enum ClienteDemo {
    kRamirez = 0,  // general discount, credit, a partly paid debt
    kMendoza,      // general discount, no credit
    kGuero,        // cost plus, credit
    kValle,        // cost plus, credit blocked, an overdue debt
    kChispa,       // per family, credit near its limit
    kMorales,      // per family, no credit
    kSanJose,      // per family, credit, a paid debt
    kTorres,       // no discount, no credit
};

}  // namespace demo::datos_fijos
