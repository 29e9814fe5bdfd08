#pragma once
#include <QList>
#include <QMap>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>

class QWidget;
namespace db {
class Consulta;
}

// The report layer: a printed document is a named layout fed by named data sets (rows
// read by column name) and named text parameters, printed with a number of copies.
// A layout is made of bands; componer() turns a job into a page model, which goes to the
// preview, the printer, a PDF or PNG file, or (in tests) a sink that can be read back.
// All measures are millimetres.
namespace rpt {

// --- data ---------------------------------------------------------------------------
struct DataSet {
    QStringList columnas;
    QList<QVariantList> filas;

    static DataSet desdeConsulta(db::Consulta& q);  // every row of an open query
    static DataSet desdeSql(const QString& sql, const QVariantMap& params = {});  // throws db::SqlError
    int indice(const QString& columna) const;  // case-insensitive; -1 when absent
    QVariant valor(int fila, const QString& columna) const;
    int size() const { return int(filas.size()); }
};

class Contexto;
using Expr = std::function<QString(const Contexto&)>;

// What an expression sees while a band is being printed.
class Contexto {
  public:
    // A column of the current row of the layout's main data set (in bands before or after
    // the detail: its first or last row).
    QVariant campo(const QString& columna) const;
    QString texto(const QString& columna) const { return campo(columna).toString(); }
    double numero(const QString& columna) const { return campo(columna).toDouble(); }
    // A column of another data set: its first row.
    QVariant campo(const QString& dataset, const QString& columna) const;
    QString param(const QString& nombre) const;
    // Sum of a column (or of an expression per row) over the current group in a group
    // footer, over every row in the summary and elsewhere.
    double suma(const QString& columna) const;
    double suma(const std::function<double(const Contexto&)>& porFila) const;
    int pagina() const;
    int paginas() const;  // total page count of the document
    int fila() const;     // index of the current row of the main data set (-1: none)

    // internal state, filled by the engine
    struct Estado;
    const Estado* estado = nullptr;
};

// --- layout -------------------------------------------------------------------------
enum class Alinear { Izquierda, Centro, Derecha };

struct Estilo {
    double puntos = 8;
    bool negrita = false;
    Alinear alinear = Alinear::Izquierda;
    bool ajustar = false;  // wrap long text; the band grows to fit it
};

struct Elemento {
    enum Tipo { Texto, Linea, Rectangulo, Imagen, Barras39, Logo };  // Logo: the store's mark
    Tipo tipo = Texto;
    QRectF rect;  // within the band; for Linea, from topLeft to bottomRight
    Expr valor;   // the text, the image file path, or the code to draw as bars
    Estilo estilo;
};

enum class TipoBanda { Titulo, EncabezadoPagina, EncabezadoGrupo, Detalle, PieGrupo, Resumen, PiePagina };

struct Banda {
    TipoBanda tipo = TipoBanda::Detalle;
    double alto = 5;
    QString grupo;  // group column of a group header/footer; groups nest in declaration order
    QList<Elemento> elementos;

    Banda& texto(double x, double y, double w, double h, const Expr& e, const Estilo& s = {});
    Banda& texto(double x, double y, double w, double h, const QString& fijo, const Estilo& s = {});
    Banda& campo(double x, double y, double w, double h, const QString& columna, const Estilo& s = {});
    Banda& linea(double x1, double y1, double x2, double y2);
    Banda& rectangulo(double x, double y, double w, double h);
    Banda& imagen(double x, double y, double w, double h, const Expr& ruta);
    Banda& barras39(double x, double y, double w, double h, const Expr& codigo);
    Banda& logo(double x, double y, double w, double h);  // the store's mark, drawn
};

struct Pagina {
    QSizeF tamano{215.9, 279.4};
    QMarginsF margenes{10, 10, 10, 10};
    bool rollo = false;  // ticket roll: a longer document continues, it is never cut off
    int columnas = 1;    // detail bands across (label sheets)

    static Pagina ticket(double altoPulgadas);  // 3 inches wide roll: 3 x 5, 3 x 6.5, 3 x 4.5
    static Pagina carta();                      // letter, 10 mm margins
    static Pagina cartaHorizontal();
    static Pagina etiquetas30();  // a letter sheet of 30 labels (3 across, 10 down)
    double anchoUtil() const { return tamano.width() - margenes.left() - margenes.right(); }
};

struct Layout {
    QString nombre;  // e.g. "RvTicket"; names the PDF files of unattended output
    Pagina pagina;
    // The main data set that drives the detail bands. Empty: a fixed document whose detail
    // bands print once; a named set without rows prints no detail.
    QString datos;
    QList<Banda> bandas;
    Banda& banda(TipoBanda tipo, double alto, const QString& grupo = QString());
};

struct Trabajo {
    Layout layout;
    QMap<QString, DataSet> datos;
    QMap<QString, QString> parametros;
    int copias = 1;
};

// --- the page model -----------------------------------------------------------------
struct ItemImpreso {
    Elemento::Tipo tipo = Elemento::Texto;
    QRectF rect;  // on the page, millimetres
    QString texto;
    Estilo estilo;
};
struct BandaImpresa {
    TipoBanda tipo;
    QRectF rect;
    QStringList textos;  // the texts of the band, in layout order
    QList<ItemImpreso> items;
};
struct PaginaImpresa {
    QSizeF tamano;
    QList<BandaImpresa> bandas;
    QStringList textos() const;
};
struct Documento {
    QString layout;
    int copias = 1;
    QList<PaginaImpresa> paginas;
    QStringList textos() const;  // every text of every page, in order
    QString texto() const;       // the same joined by "\n"
    // The texts of the bands of one kind, in order (e.g. every page footer).
    QStringList textos(TipoBanda tipo) const;
};

// --- output -------------------------------------------------------------------------
Documento componer(const Trabajo& t);

// Prints a job the way every screen prints: first the output dialog "Opciones de Reporte"
// (printer by default, preview "Vista Preliminar", PDF file), through the dialog seam.
// With unattended output (environment REFA_SALIDA_PDF=<folder>, or salidaDesatendida())
// the document goes without any dialog to a PDF file in that folder. In a test with the
// sink on, the document is only recorded. Returns false when abandoned or failed (the
// engine's message is shown).
bool imprimir(const Trabajo& t, QWidget* padre = nullptr);
bool exportarPdf(const Documento& d, const QString& archivo);
bool exportarPng(const Documento& d, const QString& prefijo);  // prefijo-1.png, prefijo-2.png...

// Every file format a document can be saved as. Image formats write one file per page
// (name-1.png, name-2.png...) unless the document has a single page.
// Spreadsheets and tables hold one row per printed row, one cell per text.
enum class Formato { Pdf, Html, Odt, Rtf, Xml, Texto, Csv, Png, Jpeg, Bmp, Tiff, Gif, Ods, Xlsx, Dbf };
bool exportar(const Documento& d, const QString& archivo, Formato formato);
// The format named by a file's extension (".pdf", ".htm(l)", ".odt", ".txt", ".csv"...);
// false when the extension is none of them.
bool formatoPorExtension(const QString& archivo, Formato* formato);
QString filtroArchivos();                        // the file chooser's filter listing every format, PDF first
void salidaDesatendida(const QString& carpeta);  // empty: back to the environment's choice
QString carpetaDesatendida();                    // empty: unattended output is off

// Logo and identification lines of the store on tickets and reports (fixed texts).
void encabezadoTienda(Banda& b, double ancho, double& y);

// The test sink: while on, imprimir() records the composed documents instead of output.
namespace prueba {
void capturar(bool activo);
QList<Documento> impresos();
void limpiar();
}  // namespace prueba

}  // namespace rpt
