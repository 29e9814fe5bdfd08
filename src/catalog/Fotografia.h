#pragma once
#include <QDialog>

// "Fotografía"
class TFrmFotografia : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmFotografia(QWidget* parent = nullptr);
    // Shows the product's photo (or the message that there is none) modally.
    void mostrar(int idProducto);
};
