#pragma once
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QLineEdit;
class QPushButton;

// "Usuarios": users are created, edited and deleted, and their permissions ticked. A
// tick is stored at once; "Aceptar" stores the user's own data.
class TFrmUsuarios : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmUsuarios(QWidget* parent = nullptr);

    void LstUsuariosClick();
    void LstModulosClick();
    void btnagregarClick();
    void btnaceptarClick();
    void btncancelarClick();
    void btnborrarClick();

  private:
    void llenarUsuarios();
    void llenarModulos();
    void llenarAcciones(int modulo);
    void llenarLista(QListWidget* lista, int padre);
    void marcar(QListWidgetItem* item);
    void habilitarCampos(bool si);
    void habilitarListas(bool si);
    void cargarCampos();

    QListWidget* LstUsuarios;
    QListWidget* LstModulos;
    QListWidget* LstAcciones;
    QLineEdit* txtnombre;
    QLineEdit* txtusuario;
    QLineEdit* txtpassword;
    QPushButton* btnborrar;
    QPushButton* btnagregar;
    QPushButton* btnaceptar;
    QPushButton* btncancelar;

    int usuario_ = 0;  // the user loaded in the fields (0 while adding a new one)
    bool agregando_ = false;
    bool llenando_ = false;  // the check lists are being filled: ticks are not changes
};
