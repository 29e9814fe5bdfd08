#pragma once
#include <QWidget>
#include <vector>

#include "db/Sql.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "Clientes"
class TFrmClientes : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmClientes(QWidget* parent = nullptr);

    // Captions of the block button; the caption at "Aceptar" decides Bloqueado.
    static QString captionBloquear();     // "Bloquear Crédito": stored as not blocked
    static QString captionDesbloquear();  // "Desbloquear Crédito": stored as blocked

    // Makes the customer with this Id current (the customer search, purpose 1).
    bool localizar(int idCliente);
    int idActual() const;  // 0 when there is no customer (or a new one is being typed)
    bool editando() const { return editando_; }

    // User events.
    void BtnAddClick();   // "Nuevo"
    void BitBtn1Click();  // "Borrar"
    void BitBtn2Click();  // "Modificar"
    void BitBtn3Click();  // "Buscar"
    void BitBtn4Click();  // "Cancelar"
    void BitBtn5Click();  // "Aceptar"
    void BitBtn8Click();  // "Inicio"
    void BitBtn7Click();  // "Anterior"
    void BitBtn6Click();  // "Siguiente"
    void BitBtn9Click();  // "Final"
    void RBDescuentoGeneralClick();
    void RbCostoClick();
    void RBDescuentoFamiliaClick();
    void ChkCreditoClick();
    void btnbloquearClick();

    // General data
    QLineEdit *txtid, *txtnombre, *txtdireccion, *txtCP, *txtColonia, *txttelefono1, *txttelefono2,
        *txttelefono3, *txtfax, *txtcorreo;
    // "Datos Fiscales"
    QLineEdit *txtnombrefiscal, *txtrfc, *txtdireccionfiscal, *txtnumerofac, *txtnumintfac, *txtcoloniafac,
        *txtcpfac, *txtciudad, *txtestadofac;
    // "Contacto"
    QLineEdit *txtnombrecontacto, *txtcelularcontacto;
    // "Descuentos"
    QRadioButton *RBDescuentoGeneral, *RbCosto, *RBDescuentoFamilia;
    QLineEdit* txtporcentaje;
    QTableWidget* GridFamilias;
    // "Crédito"
    QCheckBox* ChkCredito;
    QLineEdit *txtlimite, *txtdias;
    QPushButton* btnbloquear;
    // Bars
    QPushButton *BitBtn3, *BtnAdd, *BitBtn1, *BitBtn2;
    QPushButton *BitBtn8, *BitBtn7, *BitBtn6, *BitBtn9, *BitBtn4, *BitBtn5;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    enum class Tipo { Texto, Entero, Dinero };
    struct Campo {
        QLineEdit* edit;
        QString columna;
        Tipo tipo;
    };

    void construir();
    void abrirClientes();
    void irAFila(int fila);
    void clienteCambio();  // the current customer changed: fields, grid, scheme, block button
    void mostrarCampos();
    void cargarDescuentos(int cliente);
    void agregarDescuentosPendientes();
    void guardarRenglonDescuento(int renglon);
    void siguienteRenglonDescuento();
    void ponerBloqueo(bool bloqueado);
    void entrarEdicion();
    void salirEdicion();
    void habilitarCredito();
    int tipoDescuentoElegido() const;
    bool leerNumeros(QVariantMap* valores);

    std::vector<Campo> campos_;
    std::vector<QWidget*> editables_;  // enabled in edit mode
    db::Consulta QClientes;
    db::Consulta Qdescuentofamilias;
    db::Consulta QFamilias;
    db::Consulta Qdescuentofamilia2;
    int fila_ = -1;  // current row of QClientes
    int filas_ = 0;  // rows of QClientes
    bool editando_ = false;
    bool nuevo_ = false;  // a customer not stored yet is being typed
    bool cargandoGrid_ = false;
};
