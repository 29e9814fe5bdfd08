#pragma once
#include <QDialog>
#include <functional>

// "Buscar Producto"
class TFrmBuscaProductos : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmBuscaProductos(QWidget* parent = nullptr);
    // The caller sets its purpose (1 purchases, 2 products, 3 reports) and what choosing a
    // product does for it, then shows the dialog.
    using Accion = std::function<void(int idProducto)>;
    void setProposito(int proposito, QWidget* llamador, Accion accion);
    int proposito() const { return proposito_; }
    int mostrar();  // resets what the keep boxes do not keep and shows it modally
    void SeleccionarProducto();

  private:
    int proposito_ = 0;
    QWidget* llamador_ = nullptr;
    Accion accion_;
};
