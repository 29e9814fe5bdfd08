#include "printing/Muestra.h"

#include "common/Formats.h"
#include "common/Seams.h"
#include "db/Clock.h"
#include "db/Sql.h"

namespace rpt {

Trabajo trabajoMuestra() {
    Trabajo t;
    DataSet unidades =
        DataSet::desdeSql("select Id, Unidad, Abreviatura from tbl_app_unidades order by Unidad, Id");
    // Grouped by initial letter.
    unidades.columnas << "Inicial";
    for (QVariantList& f : unidades.filas) f << f.at(1).toString().left(1).toUpper();
    t.datos.insert("DSUnidades", unidades);

    Layout& L = t.layout;
    L.nombre = "UnidadesDeMedida";
    L.pagina = Pagina::carta();
    L.datos = "DSUnidades";
    const double w = L.pagina.anchoUtil();

    Estilo titulo;
    titulo.puntos = 12;
    titulo.negrita = true;
    titulo.alinear = Alinear::Centro;
    Estilo negrita;
    negrita.negrita = true;
    Estilo derecha;
    derecha.alinear = Alinear::Derecha;

    Banda& cab = L.banda(TipoBanda::Titulo, 0);
    double y = 0;
    encabezadoTienda(cab, w, y);
    cab.texto(0, y + 2, w, 6, "Unidades de Medida", titulo);
    cab.texto(0, y + 8, w, 4,
              Expr([](const Contexto&) { return "Fecha: " + formato::fecha(reloj::ahora()); }),
              Estilo{8, false, Alinear::Centro, false});
    cab.alto = y + 14;

    L.banda(TipoBanda::EncabezadoPagina, 7)
        .texto(0, 1, 25, 5, "Clave", negrita)
        .texto(30, 1, 90, 5, "Unidad", negrita)
        .texto(125, 1, 40, 5, "Abreviatura", negrita)
        .linea(0, 6.5, w, 6.5);

    L.banda(TipoBanda::EncabezadoGrupo, 7, "Inicial")
        .texto(0, 1.5, w, 5, Expr([](const Contexto& c) { return "Letra " + c.texto("Inicial"); }), negrita);

    L.banda(TipoBanda::Detalle, 5)
        .campo(0, 0, 20, 5, "Id", derecha)
        .campo(30, 0, 90, 5, "Unidad")
        .campo(125, 0, 40, 5, "Abreviatura");

    L.banda(TipoBanda::PieGrupo, 6, "Inicial")
        .linea(30, 0.5, 165, 0.5)
        .texto(30, 1, 135, 5, Expr([](const Contexto& c) {
                   return "Unidades con la letra " + c.texto("Inicial") + ": " +
                          formato::entero(c.suma([](const Contexto&) { return 1.0; }));
               }));

    L.banda(TipoBanda::Resumen, 9)
        .linea(0, 1, w, 1)
        .texto(0, 2, w, 5, Expr([](const Contexto& c) {
                   return "Total de unidades: " +
                          formato::entero(c.suma([](const Contexto&) { return 1.0; }));
               }),
               negrita);

    L.banda(TipoBanda::PiePagina, 6)
        .linea(0, 0.5, w, 0.5)
        .texto(0, 1, w, 5, Expr([](const Contexto& c) {
                   return QString::fromUtf8("Página ") + QString::number(c.pagina()) + " De " +
                          QString::number(c.paginas());
               }),
               derecha);
    return t;
}

bool imprimirMuestra(QWidget* padre) {
    Trabajo t;
    try {
        t = trabajoMuestra();
    } catch (const db::SqlError& e) {
        ui::error(e.mensaje(), padre);
        return false;
    }
    return imprimir(t, padre);
}

}  // namespace rpt
