#pragma once
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QToolButton;

// The main window: owns the connection's lifetime, knows who is logged in, offers one
// toolbar button per working screen (each shown only with its permission) and hosts the
// screens as child windows. It only routes; the screens keep their own logic.
class TFrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    int IdUsuario() const;
    bool TienePermiso(int modulo) const;

    // Opens a screen by its toolbar button name ("Image3" is "Ventas"...): a flagged
    // screen already open is restored, brought to the front and focused.
    QWidget* abrir(const QString& boton);
    // Opens any widget as a child window (screens opened by other screens).
    QMdiSubWindow* abrirVentana(QWidget* pantalla);
    bool abierta(const QString& boton) const;  // the open flag
    QMdiArea* area() const { return mdi_; }

    void aplicarPermisos();  // shows the toolbar buttons the user may use

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    struct Boton {
        QString nombre;  // objectName of the button
        QString titulo;  // the screen's window title and button caption
        int modulo;      // 0: always shown
        bool bandera;    // single instance, with an open flag
        std::function<QWidget*()> crear;
    };
    QList<Boton> botones_;
    QHash<QString, QPointer<QMdiSubWindow>> abiertas_;
    QMdiArea* mdi_;
    QToolBar* ToolBar1;
};

TFrmMain* FrmMain();  // the one main window of the program
