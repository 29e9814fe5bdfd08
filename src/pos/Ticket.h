#pragma once
#include <QList>
#include <QObject>
#include <QString>

class QTableWidget;

namespace pos {

// One line of the sales ticket, as its hidden columns keep it.
struct LineaTicket {
    int clave = 0;           // product number
    QString cantidad = "1";  // quantity as typed (a whole number)
    QString parte, marca, modelo, ano;
    double precio = 0;    // unit price charged, pesos
    double costo = 0;     // the product's costo1, in its own currency
    QString tipo = "TW";  // "TW" or "Uso Org."
    // Read back by linea(): the line took its stock when it was added (products without a
    // brand or a model take none, and so give none back when removed).
    bool tomoExistencia = false;
};

// The quantity of a line read as a whole number; db::SqlError with the conversion error
// when it is not one.
int cantidadDe(const QString& texto);

// The ticket grid "Grid" of the sales screen with its running total. Adding a line takes
// its stock at once (relative update); removing lines gives it back.
//
// The grid keeps the layout the rest of the system knows: row 0 holds the captions (kept
// hidden; the header shows them), rows 1..n the lines, row n+1 the trailing empty row
// where the next line goes. Every line is also kept in tbltmp_ticketpendiente under this
// station's name, in the same transaction as its stock movement, so that a ticket whose
// stock has left the shelf figure survives a crash and is restored when the screen opens.
class Ticket : public QObject {
    Q_OBJECT
  public:
    enum Columna {
        ColNo = 0,
        ColClave,
        ColCant,
        ColParte,
        ColMarca,
        ColModelo,
        ColAno,
        ColPrecio,
        ColImporte,
        ColPrecioOculto,
        ColCosto,
        ColTipo,
        NumColumnas
    };

    explicit Ticket(QTableWidget* grid, QObject* parent = nullptr);
    QTableWidget* grid() const { return grid_; }

    // Empties the ticket (and this station's pending lines); the total becomes 0 and its
    // label is emptied. Stock is not touched: callers give it back first when they must.
    void InicializarTicket();
    int lineas() const;                    // lines on the ticket (rows 1..n)
    LineaTicket linea(int renglon) const;  // renglon 1..n
    QList<LineaTicket> todas() const;
    double total() const { return total_; }
    bool pendiente() const;  // a sale is pending: more than two rows
    // The text of LblTotal: the total in the currency format, empty after a reset.
    QString textoTotal() const;
    // The selected line (1..n), 0 when the caption or the trailing empty row is selected.
    int renglonSeleccionado() const;

    // Writes a priced line in the trailing empty row, adds its amount to the total and
    // takes its stock when the product has a brand and a model. Throws db::SqlError (then
    // nothing changes) and ui::AbortoSilencioso never.
    void agregar(const LineaTicket& l);
    void quitar(int renglon);  // gives the stock back, moves the following lines up
    void quitarTodas();        // gives every line's stock back and empties the ticket

    // Rebuilds the ticket from this station's pending lines (nothing when there are none),
    // without touching stock. Returns the number of lines restored.
    int restaurarPendiente();
    // The station whose pending lines this ticket keeps (sesion::estacion() by default).
    QString estacion() const { return estacion_; }
    void setEstacion(const QString& e) { estacion_ = e; }

    // A line takes stock when its product has a number, a brand and a model.
    static bool tomaExistencia(const LineaTicket& l);

  signals:
    void totalCambio(double total);

  private:
    void reiniciarGrid();
    void escribir(int fila, const LineaTicket& l);
    void numerar();
    void avisarTotal();

    QTableWidget* grid_;
    double total_ = 0;
    bool sinTotal_ = true;
    QString estacion_;
};

}  // namespace pos
