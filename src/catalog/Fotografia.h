#pragma once
#include <QDialog>

class QLabel;

// "Fotografía": the photo of a product, a JPEG file named by the product number in the
// data folder's "Imagenes" folder, at its natural size in a window centred on the screen.
class TFrmFotografia : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmFotografia(QWidget* parent = nullptr);
    // Shows the product's photo (or the message that there is none) modally.
    void mostrar(int idProducto);
    // The photo file of a product: <carpetaImagenes>/<id>.jpg
    static QString archivo(int idProducto);

  private:
    QLabel* Image1;
};
