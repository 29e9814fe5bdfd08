#include "printing/Report.h"

namespace rpt {

void encabezadoTienda(Banda& b, double ancho, double& y) {
    static const char* const kLineas[] = {
        "Casa Tolvane",
        "RFC: CTO850312KV4",
        "Av. Revolución No. 1520, Col. Centro, C.P. 44100, Guadalajara, Jal.",
        "Tels. (33) 3614-2780 y (33) 3614-2781",
        "ventas@kavorefaccionaria.com.mx",
    };
    Estilo nombre;
    nombre.puntos = 11;
    nombre.negrita = true;
    nombre.alinear = Alinear::Centro;
    nombre.ajustar = true;
    Estilo linea;
    linea.puntos = 7;
    linea.alinear = Alinear::Centro;
    linea.ajustar = true;

    double x = 0, w = ancho;
    if (ancho >= 120) {
        // A page: the mark on the left, the lines centred beside it.
        b.logo(0, y, 18, 18);
        x = 20;
        w = ancho - 40;
    } else {
        // A ticket: the mark centred above the lines.
        b.logo((ancho - 12) / 2, y, 12, 12);
        y += 13;
    }
    b.texto(x, y, w, 5, "KAVO Refaccionaria", nombre);
    y += 5;
    for (const char* l : kLineas) {
        b.texto(x, y, w, 3.3, QString::fromUtf8(l), linea);
        y += 3.3;
    }
    y += 1;
    if (b.alto < y) b.alto = y;
}

}  // namespace rpt
