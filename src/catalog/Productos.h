#pragma once
#include <QVector>
#include <QWidget>
#include <functional>

#include "db/Sql.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// "Productos": browses the catalogue in product-number order, adds products (numbered
// from the product counter), edits and deletes them, and keeps each product's similar
// fitments (other vehicles the same part fits).
class TFrmProductos : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmProductos(QWidget* parent = nullptr);

    enum class Modo { Navegando, Agregando, Editando };
    Modo modo() const { return modo_; }
    int idActual() const;  // the product shown; 0 when there is none
    // Moves the browsing position to the product with that number (the product search).
    bool irAProducto(int id);

    // Opens the stock adjustments screen for "Ajuste de Inventarios"; installed by the
    // module that provides it. Without it the button says the screen is coming.
    static std::function<void(QWidget* productos)> abrirAjustes;

    void FormActivate();             // the window became active: suppliers are reloaded
    void BtnAddClick();              // "Agregar"
    void BitBtn1Click();             // "Borrar"
    void BitBtn2Click();             // "Modificar"
    void BitBtn5Click();             // "Buscar"
    void BitBtn3Click();             // "Aceptar"
    void BitBtn4Click();             // "Cancelar"
    void BitBtn6Click();             // "Siguiente"
    void BitBtn7Click();             // "Anterior"
    void BitBtn8Click();             // "Inicio"
    void BitBtn9Click();             // "Final"
    void BitBtn11Click();            // "Ajuste de Inventarios"
    void BtnAddSemejanteClick();     // "Agregar Similar"
    void BtnDeleteSemejanteClick();  // "Borrar Similar"
    void BitBtn10Click();            // "Aceptar" of the fitment panel

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void LeerProductos();  // the product numbers in order
    void MostrarProducto();
    void LimpiarForma();
    void HabilitarForma(bool si);
    void CargarSemejantes();
    void LlenarUnidades();
    void LlenarFamilias();
    void LlenarMarcas(QComboBox* lista);
    void LlenarModelos(QComboBox* lista, int marca);  // -1: every model
    void LlenarProveedores();
    void irAPosicion(int pos);
    void alEntrarLista(QComboBox* lista);
    void alCambiarMarca();

    // The form.
    QWidget* forma;
    QLineEdit* txtnumero;
    QLineEdit* txtparte;
    QComboBox* cmbfamilia;
    QComboBox* cmbmarca;
    QComboBox* cmbmodelo;
    QLineEdit* txtanos;
    QLineEdit* TxtCodigoParte;
    QLineEdit* txtcodigo;
    QLineEdit* txtcosto;
    QLineEdit* txtprecio;
    QComboBox* cmbproveedor;
    QLineEdit* txtminimo;
    QLineEdit* txtmaximo;
    QLineEdit* txtanaquel;
    QLineEdit* txtlinea;
    QLineEdit* txtnivel;
    QRadioButton* RBPesos;
    QRadioButton* RBDolares;
    QComboBox* CmbUnidades;
    QPushButton* BtnAdd;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn5;
    // The similar fitments.
    QWidget* semejantes;
    QStackedWidget* pilaSemejantes;
    QPushButton* BtnAddSemejante;
    QPushButton* BtnDeleteSemejante;
    QTableWidget* GridSemejantes;
    QWidget* Panel5;
    QComboBox* CmbMarca2;
    QComboBox* cmbmodelo2;
    QLineEdit* txtanos2;
    QPushButton* BitBtn10;
    // The bottom bar.
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    QPushButton* BitBtn9;
    QPushButton* BitBtn11;

    QVector<int> qproductos;  // product numbers in order; the record shown is at pos_
    int pos_ = -1;
    Modo modo_ = Modo::Navegando;
    int idNuevo_ = 0;  // number taken for the product being added
    QString monedaGuardada_;
    bool cargando_ = false;
    bool conectadoActivacion_ = false;
};
