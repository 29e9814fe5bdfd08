#pragma once
#include <QWidget>

#include "db/Sql.h"

class QPushButton;
class RejillaEditable;

// "Familias": the product families with the percentage the purchase screen uses to
// suggest a new sale price; edited in a grid (Enter stores the row, Delete deletes it).
class TFrmFamilias : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmFamilias(QWidget* parent = nullptr);

    void BtnAddClick();     // "Agregar Familia"
    void BtnDeleteClick();  // "Borrar Familia"
    void FamiliasEnter();   // Enter in the grid

  private:
    void LeerFamilias(int seleccionar);
    bool GuardarFamilia();

    QPushButton* BtnAdd;
    QPushButton* BtnDelete;
    RejillaEditable* Familias;
    db::Consulta QFamilias{"Select * from TblCat_Familias order by Id"};
    db::Consulta QProds;
};
