#pragma once
#include <QWidget>

#include "db/Sql.h"

class QToolButton;
class QPushButton;
class RejillaEditable;

// "Marcas y Modelos": the vehicle brands and the models of the current brand, each edited
// in its own grid (Enter stores the row, Delete deletes it).
class TFrmMarcas : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmMarcas(QWidget* parent = nullptr);

    void BtnAddClick();     // "Agregar Marca"
    void BtnDeleteClick();  // "Borrar Marca"
    void BitBtn1Click();    // "Agregar Modelo"
    void BitBtn2Click();    // "Borrar Modelo"
    void marcasEnter();     // Enter in the brand grid
    void modelosEnter();    // Enter in the model grid
    void CargarModelos();   // the models of the current brand

  private:
    void LeerMarcas(int seleccionar);
    bool GuardarMarca();
    bool GuardarModelo();

    QPushButton* BtnAdd;
    QPushButton* BtnDelete;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    RejillaEditable* marcas;
    RejillaEditable* modelos;
    db::Consulta QMarcas{"Select * from TblCat_marcas order by marca"};
    db::Consulta QModelos{"select * from TblCat_modelos where marca = :marca order by modelo"};
    db::Consulta QProds;   // products of the brand, for the delete check
    db::Consulta qprods2;  // products of the model, for the delete check
};
