#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ModeloPartes;

// "Buscar Producto": finds a product by vehicle, words, codes and family and hands the
// chosen one to the screen that opened it. Created once; three keep boxes let the model,
// the words and the family survive from one use to the next.
class TFrmBuscaProductos : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmBuscaProductos(QWidget* parent = nullptr);
    // The caller sets its purpose (1 purchases, 2 products, 3 reports) and what choosing a
    // product does for it, then shows the dialog.
    using Accion = std::function<void(int idProducto)>;
    void setProposito(int proposito, QWidget* llamador, Accion accion);
    int proposito() const { return proposito_; }
    QWidget* llamador() const { return llamador_; }
    int mostrar();  // resets what the keep boxes do not keep and shows it modally
    void SeleccionarProducto();

    void ActualizarPartes();  // re-runs the product list from the filters
    void BitBtn5Click();      // "Limpiar Todo"
    // The product list: the rows shown and the Id of the current one (0 when none).
    int filas() const;
    int idActual() const;
    QString ultimaConsulta() const { return ultimaConsulta_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void LlenarMarcas();
    void LlenarFamilias();
    void LlenarModelos(int marca);  // 0: every model
    void CerrarPartes();
    void soltarLista();
    void CmbMarcasChange();
    void CmbModelosEnter();
    void CmbModelosChange();
    void CmbFamiliaChange();
    void ListaChange(QComboBox* lista);
    void irAFila(int fila);

    QComboBox* CmbMarcas;
    QComboBox* CmbModelos;
    QComboBox* CmbFamilia;
    QLineEdit* TxtAno;
    QLineEdit* txtCodigoParte;
    QLineEdit* txtparte;
    QLineEdit* txtcodigo;
    QCheckBox* ChkModelo;
    QCheckBox* ChkParte;
    QCheckBox* ChkFamilia;
    QPushButton* BitBtn5;
    QTableView* prodsgrid;
    ModeloPartes* QPartes;

    int proposito_ = 0;
    QWidget* llamador_ = nullptr;
    Accion accion_;
    bool cargando_ = false;
    int marcaActual_ = -2;  // the brand the model list was filled for
    int posicion_ = -1;     // list position kept between uses
    QString ultimaConsulta_;
};
