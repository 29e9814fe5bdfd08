#pragma once
#include <QDialog>

#include "db/Sql.h"

class QListWidget;
class QLineEdit;
class QLabel;
class QCheckBox;
class QPushButton;

// "Notas de Crédito": lists the return documents. Issuing, printing and cancelling credit
// notes are not part of the system yet: its buttons do nothing.
class TFrmNotaDeCredito2 : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmNotaDeCredito2(QWidget* parent = nullptr);
    int mostrar();       // re-reads its list and shows it modally
    void llenarLista();  // chkdevoluciones from Qdevoluciones

  private:
    db::Consulta Qdevoluciones;
    QListWidget* chkdevoluciones = nullptr;
    QLineEdit* txtnocliente = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QLabel* lblnombre = nullptr;
    QLabel* lbldireccion = nullptr;
    QLineEdit* txtfactura = nullptr;
    QLineEdit* txtiva = nullptr;
    QCheckBox* chkiva = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QListWidget* LstFacturas = nullptr;
    QPushButton* BitBtn4 = nullptr;
};
