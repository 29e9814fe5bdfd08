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
};

// The ticket grid "Grid" of the sales screen with its running total. Adding a line takes
// its stock at once (relative update); removing lines gives it back.
class Ticket : public QObject {
    Q_OBJECT
  public:
    explicit Ticket(QTableWidget* grid, QObject* parent = nullptr);
    QTableWidget* grid() const { return grid_; }

    void InicializarTicket();
    int lineas() const;                    // lines on the ticket (rows 1..n)
    LineaTicket linea(int renglon) const;  // renglon 1..n
    QList<LineaTicket> todas() const;
    double total() const { return total_; }
    bool pendiente() const;  // a sale is pending: more than two rows

    // Writes a priced line in the trailing empty row, adds its amount to the total and
    // takes its stock when the product has a brand and a model.
    void agregar(const LineaTicket& l);
    void quitar(int renglon);  // gives the stock back, moves the following lines up
    void quitarTodas();        // gives every line's stock back and empties the ticket

  signals:
    void totalCambio(double total);

  private:
    QTableWidget* grid_;
    double total_ = 0;
};

}  // namespace pos
