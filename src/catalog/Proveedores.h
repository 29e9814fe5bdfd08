#pragma once
#include <QVector>
#include <QWidget>

class QLineEdit;
class QPushButton;

// "Proveedores": the suppliers, one at a time, in order of number: general, fiscal,
// contact and bank data and the days of credit they grant.
class TFrmProveedores : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmProveedores(QWidget* parent = nullptr);

    bool editando() const;  // the fields are enabled
    int idActual() const;

    void BtnAddClick();   // "Agregar"
    void BitBtn1Click();  // "Borrar"
    void BitBtn2Click();  // "Modificar"
    void BitBtn5Click();  // "Guardar"
    void BitBtn4Click();  // "Cancelar"
    void BitBtn8Click();  // "Inicio"
    void BitBtn7Click();  // "Anterior"
    void BitBtn6Click();  // "Siguiente"
    void BitBtn9Click();  // "Final"

  private:
    void LeerProveedores();
    void irAPosicion(int pos);
    void Mostrar();
    void Habilitar(bool si);

    struct Campo {
        QLineEdit* edit;
        const char* columna;
    };
    QVector<Campo> campos_;
    QLineEdit* txtid;
    QLineEdit* txtnombre;
    QLineEdit* txtdiascred;
    QPushButton* BtnAdd;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    QPushButton* BitBtn9;

    QVector<int> QProveedores;  // supplier numbers in order; the current one is at pos_
    int pos_ = -1;
    bool nuevo_ = false;
};
