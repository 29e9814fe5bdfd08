#pragma once
#include <QString>

#include "printing/Report.h"

class QDialog;

// Undoing stored sales: the same-day cancellation (the whole sale, or one line of a cash
// sale) and the return of a sale of an earlier day. Every change is all or nothing: the
// stock given back, the rows written and the rows deleted are stored together or not at
// all. The receipt is composed from the sale before its rows go and is printed only after
// the change is stored. The sale-note counter is never turned back.
namespace pos {

enum class Anulacion { Cancelacion, Devolucion };

// Refusals, as the screens show them.
QString mensajeVentaConPagos();     // a credit sale with payments recorded
QString mensajeCreditoParcial();    // a line of a credit sale
QString mensajeUnSoloProducto();    // a line of a sale with one line or none
QString mensajeVentaInexistente();  // the sale (or line) is gone, e.g. undone at another counter

// Why the whole sale cannot be cancelled or returned; empty when it can.
QString motivoParaNoAnular(int venta);
// Why this line cannot be cancelled by itself; empty when it can.
QString motivoParaNoCancelarLinea(int venta, int linea);

// The receipt of a whole cancellation ("Cancelado") or of a return ("Devolución"), two
// copies, composed from the stored sale.
rpt::Trabajo reciboAnulacion(int venta, Anulacion tipo);

// Gives every line's stock back, writes the returned lines (a return, with the sale number
// as the document), deletes the lines, the header and the credit record, and appends the
// inventory value snapshot. Returns the refusal when the sale cannot be undone (nothing is
// changed), an empty text when done. A database error (db::SqlError) leaves everything as
// it was. When `recibo` is given it receives the receipt, composed before the rows go.
QString anularVenta(int venta, Anulacion tipo, rpt::Trabajo* recibo = nullptr);

// The whole cancellation or return as its screen runs it: a refusal is shown and the
// screen stays open; otherwise the question ("Cancelar toda la compra???" or "Devolver los
// productos???"), the change and, once it is stored, the receipt; the screen closes after
// Yes or No. A database error is shown and leaves the sale as it was.
void anularDesdePantalla(QDialog* pantalla, int venta, Anulacion tipo);

// Cancels one line of a cash sale: its stock back, the sale's total lowered by the line's
// amount, the line deleted, the inventory value snapshot appended. Same contract.
QString cancelarLinea(int venta, int linea);

}  // namespace pos
