#pragma once
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <functional>

#include "printing/Report.h"

class QPainter;

// Shared by the composition and every output: fonts are sized in 1/720 inch so that text
// measured while composing takes the same room on a printer, a PDF or an image.
namespace rpt::motor {

constexpr double kUnidadesPorMm = 720.0 / 25.4;

QFont fuente(const Estilo& s);
int banderas(const Estilo& s);  // Qt alignment and wrapping flags of a text
// Height in millimetres of a wrapped text set in a box `anchoMm` wide.
double altoTexto(const QString& texto, const Estilo& s, double anchoMm);

// Draws one page; the painter's coordinates must be millimetres from the page's corner.
void pintarPagina(QPainter& p, const PaginaImpresa& pagina);
void pintarLogo(QPainter& p, const QRectF& rect);

QPageLayout disposicion(const QSizeF& mm);  // a page of that size, no printer margins
// `avance(hechas, total)` is told before each page; false stops (the file is left incomplete).
bool escribirPdf(const Documento& d, const QString& archivo, int copias,
                 const std::function<bool(int, int)>& avance = {});
QImage imagenDePagina(const PaginaImpresa& pagina, int dpi);

// Number of page objects in a PDF file's bytes.
int paginasPdf(const QByteArray& pdf);

}  // namespace rpt::motor
