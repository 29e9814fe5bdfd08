#pragma once
#include <QWidget>
#include "pos/Ticket.h"

// "Ventas"
class TFrmVentas : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmVentas(QWidget* parent = nullptr);
    // The ticket being assembled, with its running total (read and extended by the
    // quotation dialog).
    pos::Ticket& ticket() { return *ticket_; }
    // "Quitar todos los productos": asks, then gives the stock back and resets the screen.
    void quitarTodosLosProductos();

  private:
    pos::Ticket* ticket_ = nullptr;  // created with the grid
};
